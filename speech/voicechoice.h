#pragma once

#include <QString>

#include <utility>

// The voice the child hears. The engine selector writes it when a parent
// chooses a mode; every speaking voice reads it at each phrase. Empty means
// the voice of the system's language.
class VoiceChoice
{
public:
    explicit VoiceChoice(QString voice = {}) : m_voice(std::move(voice)) {}
    QString voice() const { return m_voice; }
    void setVoice(const QString &voice) { m_voice = voice; }

private:
    QString m_voice;
};
