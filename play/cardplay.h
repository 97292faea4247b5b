#pragma once

#include "deck/cardstore.h"
#include "play/dealtstack.h"
#include "speech/speechresult.h"

#include <QSet>
#include <QString>

#include <memory>
#include <optional>

class AudioOutput;
class DrawSequence;
class SpeakingVoice;
class VoiceChoice;

// What the card window shows after Next Card.
struct CardDraw
{
    QString word;
    qint32 position = 0;
    qint32 count = 0;
    // As many cards have been drawn as the set holds: the notice is due.
    bool reshuffleDue = false;
};

// Card play without its window: the state, the card store, the draws and the
// speaking voice. It belongs to the card window's one instance and outlives
// the window's controls.
class CardPlay
{
public:
    CardPlay(const QString &applicationFolder, std::shared_ptr<AudioOutput> audio,
             std::shared_ptr<const VoiceChoice> voice, std::unique_ptr<DrawSequence> draws);
    ~CardPlay();

    const CardStore &store() const { return m_store; }

    QString scurrword() const { return m_scurrword; }
    // The first character of the shown card's word: the key the child is to press.
    QString cwatchkey() const { return m_cwatchkey; }
    qint32 numrandloc() const { return m_numrandloc; }
    qint32 allcardsplayed() const { return m_allcardsplayed; }
    bool hasVoice() const { return m_voice != nullptr; }
    const SpeakingVoice *voice() const { return m_voice.get(); }

    // The first row becomes the current word; none for an empty table, which
    // leaves the state as it was.
    StoreResult<std::optional<QString>> firstCard();
    StoreResult<qint32> count();
    // Next Card's draw: deals one of the store's snapshot not yet dealt this
    // round. A failed read is not a draw.
    StoreResult<CardDraw> nextDraw();
    // The card's picture is up: its first letter is now the key to watch.
    void cardShown(const QString &word);
    // The reshuffle notice has been closed.
    void reshuffled() { m_allcardsplayed = 0; }

    // The first letter in either case, on Unicode text ("ü" and "Ü" alike).
    bool isRightKey(const QString &typed) const;
    // "a for apple".
    static QString phrase(const QString &word);
    // Creates the voice on first use and keeps it; rate -1 before every phrase.
    SpeechResult<> say(const QString &phrase);
    // True the first time in a run that speech fails this way: each kind of
    // problem (no sound, a voice that could not start) is told once.
    bool takeSoundProblem(SpeechError::Kind kind);

private:
    CardStore m_store;
    std::shared_ptr<AudioOutput> m_audio;
    std::shared_ptr<const VoiceChoice> m_voiceChoice;
    std::unique_ptr<DrawSequence> m_draws;
    DealtStack m_stack;

    QString m_scurrword;
    QString m_cwatchkey;
    qint32 m_numrandloc = 0;
    // Draws since the start or the last notice; the notice resets it when it
    // reaches the count, so it cannot overflow.
    qint32 m_allcardsplayed = 0;
    std::unique_ptr<SpeakingVoice> m_voice;
    QSet<SpeechError::Kind> m_soundProblemsTold;
};
