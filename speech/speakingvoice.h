#pragma once

#include <QString>

#include <memory>

class AudioOutput;

// The voice that says the card window's phrases. It always speaks with the
// speech system's current default voice.
class SpeakingVoice
{
public:
    explicit SpeakingVoice(std::shared_ptr<AudioOutput> output);
    ~SpeakingVoice();

    // Rate on a scale of -10 to 10, 0 normal; each step is a factor 3^(1/10) in speed.
    bool setRate(int rate);
    int rate() const;

    // Speaks the text and returns when it has been played (flags 0: synchronous).
    bool Speak(const QString &text, quint32 flags = 0);

    QString lastError() const;
    // The phonemes of the last phrase spoken, each word starting with "|".
    QString lastPhonemes() const;

    static constexpr int minimumRate = -10;
    static constexpr int maximumRate = 10;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
