#pragma once

#include "speech/voicequery.h"

#include <QList>
#include <QString>

// One voice variant as the synthesiser lists it.
struct VoiceVariant
{
    QString identifier; // what the synthesiser loads after "+", e.g. "f2"
    QString name;       // e.g. "female2", "Alicia"
    VoiceGender gender = VoiceGender::Unknown;
};

// A voice of another engine that speaks the language, to be listed ahead of
// the synthesiser's own voices of the same gender.
struct NaturalVoice
{
    QString voice; // what the voice choice holds, e.g. "flite:slt"
    QString name;  // e.g. "natural female"
    VoiceGender gender = VoiceGender::Unknown;
};

// One mode of the engine selector: a voice a parent can choose.
struct VoiceMode
{
    QString name;   // e.g. "English – female 2"
    QString voice;  // the synthesiser's voice name, e.g. "gmw/en+f2"
    QString engine; // e.g. "eSpeak NG"
    VoiceGender gender = VoiceGender::Unknown;
    QString language; // e.g. "en"
};

// The selector's modes, numbered from 1, and the lookup among them.
class VoiceCatalog
{
public:
    VoiceCatalog() = default;
    explicit VoiceCatalog(QList<VoiceMode> modes);

    // The female, then the male variants of one language's voice; variants
    // of unknown gender are left out.
    static VoiceCatalog forLanguage(const QString &languageName, const QString &languageCode,
                                    const QString &languageVoice, const QList<VoiceVariant> &variants);

    // The natural voices first within each gender, then these modes.
    VoiceCatalog withNaturalVoices(const QString &languageName, const QString &languageCode, const QString &engine,
                                   const QList<NaturalVoice> &natural) const;

    // These modes, then the other's.
    VoiceCatalog followedBy(const VoiceCatalog &other) const;

    qint32 count() const;
    // nullptr outside 1..count.
    const VoiceMode *mode(qint32 number) const;
    // The mode meeting most of the query's wishes (texts compared without
    // regard to case), the lowest number on a tie, 0 when there are no modes.
    qint32 bestMatch(const VoiceQuery &query) const;
    // The number of the mode with this voice, 0 when none has it.
    qint32 numberOf(const QString &voice) const;

    static const QString engineName;

private:
    QList<VoiceMode> m_modes;
};
