#pragma once

#include <QList>
#include <QString>

#include <utility>

// One voice variant as the synthesiser lists it.
struct VoiceVariant
{
    enum class Gender { Unknown, Female, Male };

    QString identifier; // what the synthesiser loads after "+", e.g. "f2"
    QString name;       // e.g. "female2", "Alicia"
    Gender gender = Gender::Unknown;
};

// One mode of the engine selector: a voice a parent can choose.
struct VoiceMode
{
    QString name;  // e.g. "English – female 2"
    QString voice; // the synthesiser's voice name, e.g. "gmw/en+f2"
    QList<std::pair<QString, QString>> attributes;

    QString attribute(const QString &key) const;
    // Keys and values compare without regard to case.
    bool has(const QString &key, const QString &value) const;
};

// The selector's modes, numbered from 1, and the lookup by attribute text.
class VoiceCatalog
{
public:
    VoiceCatalog() = default;
    explicit VoiceCatalog(QList<VoiceMode> modes);

    // The female, then the male variants of one language's voice; variants
    // of unknown gender are left out.
    static VoiceCatalog forLanguage(const QString &languageName, const QString &languageCode,
                                    const QString &languageVoice, const QList<VoiceVariant> &variants);

    qint32 count() const;
    // nullptr outside 1..count.
    const VoiceMode *mode(qint32 number) const;
    // The mode matching most "key=value" pairs of "key=value;key=value" (keys
    // and values compared without regard to case), the lowest number on a tie,
    // 0 when there are no modes. Pairs without a key and "=" are ignored.
    qint32 bestMatch(const QString &attributes) const;

    static const QString engineName;

private:
    QList<VoiceMode> m_modes;
};
