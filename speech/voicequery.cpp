#include "speech/voicequery.h"

VoiceQuery VoiceQuery::parse(const QString &attributes)
{
    VoiceQuery query;
    for (const QString &pair : attributes.split(QLatin1Char(';'))) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        const QString key = pair.left(equals).trimmed();
        if (equals < 0 || key.isEmpty())
            continue;
        const QString value = pair.mid(equals + 1).trimmed();
        const auto is = [&key](const char *name) { return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
        if (is("Mfg"))
            query.engines.append(value);
        else if (is("Language"))
            query.languages.append(value);
        else if (is("Name"))
            query.names.append(value);
        else if (is("Gender") && value == QLatin1String("1"))
            query.genders.append(VoiceGender::Female);
        else if (is("Gender") && value == QLatin1String("2"))
            query.genders.append(VoiceGender::Male);
    }
    return query;
}
