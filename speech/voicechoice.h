#pragma once

#include <QString>

#include <utility>

// The voice the child hears. The engine selector writes it when a parent
// chooses a mode; every speaking voice reads it at each phrase. Empty means
// the voice of the system's language.
//
// With it goes the language that voice must speak: the card set's, which card
// play writes whenever it reads the card set. A chosen voice of another
// language gives way to one of that language. Empty means the system's.
class VoiceChoice
{
public:
    explicit VoiceChoice(QString voice = {}) : m_voice(std::move(voice)) {}
    QString voice() const { return m_voice; }
    void setVoice(const QString &voice) { m_voice = voice; }
    QString language() const { return m_language; }
    void setLanguage(const QString &language) { m_language = language; }

private:
    QString m_voice;
    QString m_language;
};
