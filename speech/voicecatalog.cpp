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

QString VoiceMode::attribute(const QString &key) const
{
    for (const auto &[name, value] : attributes) {
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

bool VoiceMode::has(const QString &key, const QString &value) const
{
    return std::any_of(attributes.cbegin(), attributes.cend(), [&](const auto &attribute) {
        return attribute.first.compare(key, Qt::CaseInsensitive) == 0
               && attribute.second.compare(value, Qt::CaseInsensitive) == 0;
    });
}

VoiceCatalog::VoiceCatalog(QList<VoiceMode> modes) : m_modes(std::move(modes)) {}

VoiceCatalog VoiceCatalog::forLanguage(const QString &languageName, const QString &languageCode,
                                       const QString &languageVoice, const QList<VoiceVariant> &variants)
{
    QList<VoiceMode> modes;
    for (const VoiceVariant::Gender gender : {VoiceVariant::Gender::Female, VoiceVariant::Gender::Male}) {
        const bool female = gender == VoiceVariant::Gender::Female;
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
            VoiceMode mode;
            mode.name = name;
            mode.voice = languageVoice + QLatin1Char('+') + variant->identifier;
            mode.attributes = {
                {QStringLiteral("Mfg"), engineName},
                {QStringLiteral("Gender"), female ? QStringLiteral("1") : QStringLiteral("2")},
                {QStringLiteral("Language"), languageCode},
                {QStringLiteral("Name"), name},
            };
            modes.append(mode);
        }
    }
    return VoiceCatalog(modes);
}

VoiceCatalog VoiceCatalog::withNaturalVoices(const QString &languageName, const QString &languageCode,
                                             const QString &engine, const QList<NaturalVoice> &natural) const
{
    QList<VoiceMode> modes;
    for (const QString &gender : {QStringLiteral("1"), QStringLiteral("2")}) {
        for (const NaturalVoice &voice : natural) {
            if (voice.female != (gender == QLatin1String("1")))
                continue;
            VoiceMode mode;
            mode.name = languageName + QStringLiteral(" – ") + voice.name;
            mode.voice = voice.voice;
            mode.attributes = {
                {QStringLiteral("Mfg"), engine},
                {QStringLiteral("Gender"), gender},
                {QStringLiteral("Language"), languageCode},
                {QStringLiteral("Name"), mode.name},
            };
            modes.append(mode);
        }
        for (const VoiceMode &mode : m_modes) {
            if (mode.attribute(QStringLiteral("Gender")) == gender)
                modes.append(mode);
        }
    }
    return VoiceCatalog(modes);
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

qint32 VoiceCatalog::bestMatch(const QString &attributes) const
{
    if (m_modes.isEmpty())
        return 0;
    QList<std::pair<QString, QString>> wanted;
    for (const QString &pair : attributes.split(QLatin1Char(';'))) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        const QString key = pair.left(equals).trimmed();
        if (equals < 0 || key.isEmpty())
            continue;
        wanted.append({key, pair.mid(equals + 1).trimmed()});
    }
    qint32 best = 1;
    int bestScore = -1;
    for (qint32 number = 1; number <= count(); ++number) {
        const VoiceMode &candidate = m_modes.at(number - 1);
        int score = 0;
        for (const auto &[key, value] : wanted) {
            if (candidate.has(key, value))
                ++score;
        }
        if (score > bestScore) {
            best = number;
            bestScore = score;
        }
    }
    return best;
}
