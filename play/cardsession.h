#pragma once

#include "deck/cardstore.h"
#include "play/dealtstack.h"
#include "speech/recordingcodec.h"
#include "speech/speechresult.h"

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>

class DrawSequence;
class PhrasePlayer;
class SpeakingVoice;
class VoiceChoice;

// What a view shows after Next Card.
struct CardDraw
{
    // The card's word; none for a row that has no word, which is dealt
    // (the stack moves on) but cannot be shown.
    CardRow word;
    qint32 position = 0;
    qint32 count = 0;
    // As many cards have been drawn as the set holds: the notice is due.
    bool reshuffleDue = false;
};

// One card session: the card on show, its place in the stack, whether its
// word has been revealed, the phrase being said and the notices due. The
// card window and the full-screen view both render it and keep no copy.
// It belongs to the card window's one instance and outlives its controls.
class CardSession : public QObject
{
    Q_OBJECT

public:
    // The session tells the voice choice the card set's language at every read.
    CardSession(const QString &applicationFolder, std::shared_ptr<PhrasePlayer> phrases,
                std::shared_ptr<VoiceChoice> voice, std::unique_ptr<DrawSequence> draws);
    ~CardSession() override;

    CardStore &store() { return m_store; }

    QString scurrword() const { return m_scurrword; }
    // The first character of the shown card's word: the key the child is to press.
    QString cwatchkey() const { return m_cwatchkey; }
    qint32 numrandloc() const { return m_numrandloc; }
    qint32 allcardsplayed() const { return m_allcardsplayed; }
    // "position/count" of the last draw; empty once the first card is loaded again.
    QString status() const { return m_status; }
    bool revealed() const { return m_revealed; }
    bool isSpeaking() const { return m_speaking; }
    // The phrase under way is the card's recording, which Exit and the close
    // box stop instead of waiting for its end.
    bool isPlayingRecording() const { return m_speaking && m_playingRecording; }
    const SpeakingVoice *voice() const { return m_voice.get(); }

    // The first row becomes the current word, unrevealed, with no status; an
    // empty table leaves the card as it was.
    StoreResult<std::optional<QString>> loadFirstCard();
    StoreResult<qint32> count();
    // Next Card's deal. A failed read is not a draw.
    StoreResult<CardDraw> nextCard();
    // The card's picture is up: its first letter is now the key to watch.
    void cardShown(const QString &word);
    // The reshuffle notice has been closed.
    void reshuffled() { m_allcardsplayed = 0; }

    // The card set's language, as of the card on show ("en" when none is set).
    QString language() const { return m_language; }
    // The first letter in either case and however its characters are
    // encoded ("ü" and "Ü", "e" with a combining acute and "É" alike); a
    // letter with a diacritic is a letter of its own, and in a Turkish set so
    // are the dotted and dotless i.
    bool isRightKey(const QString &typed) const;
    // Reads the card set's language again: one changed since the last draw
    // (the options window, pomwit-cards) is the one the next phrase speaks.
    void readLanguage();
    // "a for apple", "A wie Apfel": in the card set's language as it is now.
    QString phrase(const QString &word);
    // The word is found or shown.
    void reveal() { m_revealed = true; }
    // Starts saying the phrase (the voice is made on first use and kept; rate
    // -1 before every phrase); phraseEnded() follows. The shown card's own
    // phrase is its recording where it has one that plays; one that cannot
    // play is told once a card and a run, and the voice says the phrase. A
    // problem that keeps it from starting comes back at once, and then
    // nothing plays.
    SpeechResult<> say(const QString &phrase);
    // The exit sequence and a logout end the phrase at once.
    void stopSpeaking();
    void stopRecording();
    // True the first time in a run that speech fails this way: each kind of
    // problem (no sound, a voice that could not start) is told once.
    bool takeSoundProblem(SpeechError::Kind kind);

signals:
    // A problem with the phrase just said, to be told once it has ended.
    void soundProblem(const QString &message);
    // The phrase has been said, or has failed, or was stopped.
    void phraseEnded();

private:
    void phraseFinished(const SpeechResult<> &result);
    // Plays the shown card's recording; why not when it has one that cannot play.
    std::optional<QString> playRecording();
    void languageRead(const QString &language);

    CardStore m_store;
    std::shared_ptr<PhrasePlayer> m_phrases;
    std::shared_ptr<VoiceChoice> m_voiceChoice;
    std::unique_ptr<DrawSequence> m_draws;
    DealtStack m_stack;

    QString m_scurrword;
    QString m_cwatchkey;
    qint32 m_numrandloc = 0;
    // Draws since the start or the last notice; the notice resets it when it
    // reaches the count, so it cannot overflow.
    qint32 m_allcardsplayed = 0;
    QString m_status;
    QString m_language;
    bool m_revealed = false;
    bool m_speaking = false;
    std::optional<SpeechError> m_notice; // told once the phrase has ended
    bool m_playingRecording = false;
    std::optional<QString> m_recordingNotice; // told once the phrase has ended
    QSet<QString> m_recordingsTold;           // the cards whose recording cannot play, told
    // The last recording decoded, kept while its file is unchanged.
    struct Decoded
    {
        QString path;
        QDateTime modified;
        qint64 bytes = -1;
        RecordedSound sound;
    };
    Decoded m_decoded;
    std::unique_ptr<SpeakingVoice> m_voice;
    QSet<SpeechError::Kind> m_soundProblemsTold;
};
