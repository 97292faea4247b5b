#include "speech/voicecatalog.h"

#include <QRegularExpression>

#include <algorithm>

const QString VoiceCatalog::engineName = QStringLiteral("eSpeak NG");

namespace {

// "female2" reads "female 2", "Mr_Serious" reads "Mr Serious".
QString readableName(const QString &variantName)
{
    static const QRegularExpression trailingNumber(QStringLiteral("^(.*[^\\d\\s])(\\d+)$"));
    QString name = variantName;
    name.replace(QLatin1Char('_'), QLatin1Char(' '));
    const QRegularExpressionMatch match = trailingNumber.match(name);
    if (match.hasMatch())
        name = match.captured(1) + QLatin1Char(' ') + match.captured(2);
    return name.simplified();
}

bool namesItsGender(const QString &name)
{
    return name.startsWith(QLatin1String("female"), Qt::CaseInsensitive)
           || name.startsWith(QLatin1String("male"), Qt::CaseInsensitive);
}

// Orders "female 2" before "female 10" and keeps the plainly numbered
// variants ahead of the named characters.
struct SortKey
{
    bool numbered;
    QString stem;
    int number;
};

SortKey sortKey(const QString &name)
{
    static const QRegularExpression trailingNumber(QStringLiteral("^(.*?)\\s*(\\d+)$"));
    const QRegularExpressionMatch match = trailingNumber.match(name);
    if (!match.hasMatch())
        return {namesItsGender(name), name, 0};
    return {namesItsGender(name), match.captured(1), match.captured(2).toInt()};
}

bool sortsBefore(const QString &a, const QString &b)
{
    const SortKey ka = sortKey(a);
    const SortKey kb = sortKey(b);
    if (ka.numbered != kb.numbered)
        return ka.numbered;
    if (const int order = ka.stem.compare(kb.stem, Qt::CaseInsensitive); order != 0)
        return order < 0;
    return ka.number < kb.number;
}

} // namespace

VoiceCatalog::VoiceCatalog(QList<VoiceMode> modes) : m_modes(std::move(modes)) {}

VoiceCatalog VoiceCatalog::forLanguage(const QString &languageName, const QString &languageCode,
                                       const QString &languageVoice, const QList<VoiceVariant> &variants)
{
    QList<VoiceMode> modes;
    for (const VoiceGender gender : {VoiceGender::Female, VoiceGender::Male}) {
        const bool female = gender == VoiceGender::Female;
        QList<std::pair<QString, const VoiceVariant *>> named;
        for (const VoiceVariant &variant : variants) {
            if (variant.gender != gender)
                continue;
            QString name = readableName(variant.name.isEmpty() ? variant.identifier : variant.name);
            if (!namesItsGender(name))
                name += female ? QStringLiteral(" (female)") : QStringLiteral(" (male)");
            named.append({name, &variant});
        }
        std::stable_sort(named.begin(), named.end(),
                         [](const auto &a, const auto &b) { return sortsBefore(a.first, b.first); });
        for (const auto &[variantName, variant] : named) {
            QString name = languageName + QStringLiteral(" – ") + variantName;
            // Two variants may carry the same name; the parent must still tell them apart.
            const auto taken = [&modes](const QString &n) {
                return std::any_of(modes.cbegin(), modes.cend(), [&n](const VoiceMode &m) { return m.name == n; });
            };
            if (taken(name))
                name += QStringLiteral(" (") + variant->identifier + QLatin1Char(')');
            modes.append(
                {name, languageVoice + QLatin1Char('+') + variant->identifier, engineName, gender, languageCode});
        }
    }
    return VoiceCatalog(modes);
}

VoiceCatalog VoiceCatalog::withNaturalVoices(const QString &languageName, const QString &languageCode,
                                             const QString &engine, const QList<NaturalVoice> &natural) const
{
    QList<VoiceMode> modes;
    for (const VoiceGender gender : {VoiceGender::Female, VoiceGender::Male}) {
        for (const NaturalVoice &voice : natural) {
            if (voice.gender == gender)
                modes.append(
                    {languageName + QStringLiteral(" – ") + voice.name, voice.voice, engine, gender, languageCode});
        }
        for (const VoiceMode &mode : m_modes) {
            if (mode.gender == gender)
                modes.append(mode);
        }
    }
    return VoiceCatalog(modes);
}

VoiceCatalog VoiceCatalog::followedBy(const VoiceCatalog &other) const
{
    return VoiceCatalog(m_modes + other.m_modes);
}

qint32 VoiceCatalog::numberOf(const QString &voice) const
{
    for (qint32 number = 1; number <= count(); ++number) {
        if (m_modes.at(number - 1).voice == voice)
            return number;
    }
    return 0;
}

qint32 VoiceCatalog::count() const
{
    return qint32(m_modes.size());
}

const VoiceMode *VoiceCatalog::mode(qint32 number) const
{
    if (number < 1 || number > count())
        return nullptr;
    return &m_modes.at(number - 1);
}

qint32 VoiceCatalog::bestMatch(const VoiceQuery &query) const
{
    // A wish written twice counts twice.
    const auto met = [](const QStringList &wishes, const QString &text) {
        return std::count_if(wishes.cbegin(), wishes.cend(),
                             [&text](const QString &wish) { return wish.compare(text, Qt::CaseInsensitive) == 0; });
    };
    const auto wishesMet = [&](const VoiceMode &mode) {
        return met(query.engines, mode.engine) + std::count(query.genders.cbegin(), query.genders.cend(), mode.gender)
               + met(query.languages, mode.language) + met(query.names, mode.name);
    };
    qint32 best = 0;
    qsizetype bestScore = -1;
    for (qint32 number = 1; number <= count(); ++number) {
        if (const qsizetype score = wishesMet(m_modes.at(number - 1)); score > bestScore) {
            best = number;
            bestScore = score;
        }
    }
    return best;
}
