#include "play/cardsession.h"

#include "base/cardword.h"
#include "base/languagetag.h"
#include "deck/recordingfile.h"
#include "deck/storemessages.h"
#include "play/drawsequence.h"
#include "play/playlogging.h"
#include "speech/phrasepatterns.h"
#include "speech/phraseplayer.h"
#include "speech/speakingvoice.h"
#include "speech/voicechoice.h"

namespace {

// What the typed key and the first letter are compared as: composed (a
// dead key and a letter, or a letter and a combining accent, are one
// character) and simply case-folded ("ẞ" is "ß"; "Ö" stays apart from "O").
// Turkish and Azerbaijani pair the dotless I with ı and the dotted İ with i.
QString letterKey(const QString &text, const QString &language)
{
    const bool turkic = languageTag::primary(language) == QLatin1String("tr")
                        || languageTag::primary(language) == QLatin1String("az");
    QString key;
    for (char32_t c : text.normalized(QString::NormalizationForm_C).toUcs4()) {
        if (turkic && c == U'I')
            c = U'ı';
        else if (turkic && c == U'İ')
            c = U'i';
        else
            c = QChar::toCaseFolded(c);
        key += QString::fromUcs4(&c, 1);
    }
    return key;
}

} // namespace

#include <QFileInfo>

CardSession::CardSession(const QString &applicationFolder, std::shared_ptr<PhrasePlayer> phrases,
                         std::shared_ptr<VoiceChoice> voice, std::unique_ptr<DrawSequence> draws)
    : m_store(applicationFolder)
    , m_phrases(std::move(phrases))
    , m_voiceChoice(std::move(voice))
    , m_draws(std::move(draws))
    , m_language(languageTag::fallback())
{
    if (m_phrases)
        connect(m_phrases.get(), &PhrasePlayer::finished, this, &CardSession::phraseFinished);
}

CardSession::~CardSession() = default;

StoreResult<std::optional<QString>> CardSession::loadFirstCard()
{
    auto first = m_store.firstCard();
    if (first)
        languageRead(m_store.language());
    if (first && first.value())
        m_scurrword = *first.value();
    // A load shows the card afresh: hidden word, empty status bar.
    m_revealed = false;
    m_status.clear();
    return first;
}

StoreResult<qint32> CardSession::count()
{
    return m_store.count();
}

StoreResult<CardDraw> CardSession::nextCard()
{
    const StoreResult<CardSnapshot> cards = m_store.snapshot();
    if (!cards)
        return cards.error();
    const CardRows &rows = *cards->rows;
    languageRead(cards->language);
    const qint32 count = qint32(rows.size());
    if (count == 0)
        return storeMessages::noCards(m_store.databasePath());
    const DealtStack::Deal deal = m_stack.deal(*cards, m_scurrword, *m_draws);
    m_numrandloc = deal.position;
    ++m_allcardsplayed;
    const CardRow &word = rows.at(deal.position);
    // A row without a word is no card to show: nothing to find or say.
    m_scurrword = word.value_or(QString());
    if (!word)
        m_cwatchkey.clear();
    m_revealed = false;
    m_status = QStringLiteral("%1/%2").arg(deal.position).arg(count);
    return CardDraw{word, deal.position, count, deal.roundOver};
}

void CardSession::cardShown(const QString &word)
{
    m_cwatchkey = firstCharacter(word);
}

bool CardSession::isRightKey(const QString &typed) const
{
    return !m_cwatchkey.isEmpty() && letterKey(typed, m_language) == letterKey(m_cwatchkey, m_language);
}

void CardSession::readLanguage()
{
    // A card set that cannot be read now keeps the language it had.
    if (const StoreResult<CardSnapshot> cards = m_store.snapshot())
        languageRead(cards->language);
}

QString CardSession::phrase(const QString &word)
{
    readLanguage();
    return phrasePatterns::phrase(word, m_language);
}

void CardSession::languageRead(const QString &language)
{
    m_language = language;
    if (m_voiceChoice)
        m_voiceChoice->setLanguage(language);
}

SpeechResult<> CardSession::say(const QString &phrase)
{
    if (m_speaking)
        return Done{};
    std::optional<QString> recordingProblem;
    if (!m_scurrword.isEmpty() && phrase == phrasePatterns::phrase(m_scurrword, m_language)) {
        recordingProblem = playRecording();
        if (m_speaking)
            return Done{};
    }
    if (!m_voice)
        m_voice = std::make_unique<SpeakingVoice>(m_phrases, m_voiceChoice);
    if (const SpeechResult<> rate = m_voice->setRate(-1); !rate)
        return rate;
    const auto started = m_voice->Speak(phrase, 0);
    if (!started)
        return started.error();
    m_speaking = true;
    m_playingRecording = false;
    m_notice = started->notice;
    m_recordingNotice = recordingProblem;
    return Done{};
}

std::optional<QString> CardSession::playRecording()
{
    const std::optional<QString> path = m_store.recordingPath(m_scurrword);
    if (!path || !m_phrases)
        return std::nullopt;
    const QFileInfo file(*path);
    if (m_decoded.path != *path || m_decoded.modified != file.lastModified() || m_decoded.bytes != file.size()) {
        const auto bytes = recordingFile::read(*path, m_store.picturesFolder());
        const auto sound = bytes ? RecordingCodec::instance().decode(*bytes)
                                 : RecordingResult<RecordedSound>(RecordingError{RecordingError::Kind::Failed, bytes.error()});
        if (!sound) {
            qCInfo(lcPlay).noquote() << "the recording" << *path << "cannot be played:" << sound.error().reason;
            if (m_recordingsTold.contains(m_scurrword))
                return std::nullopt;
            m_recordingsTold.insert(m_scurrword);
            return tr("This card's recording \"%1\" cannot be played (%2), so the voice says the word instead. "
                      "Record the word again, or remove the recording.")
                .arg(*path, sound.error().reason);
        }
        m_decoded = {*path, file.lastModified(), file.size(), sound.value()};
    }
    if (m_phrases->play(m_decoded.sound.pcm, m_decoded.sound.sampleRate)) {
        m_speaking = m_playingRecording = true;
        m_notice.reset();
        m_recordingNotice.reset();
    }
    return std::nullopt;
}

void CardSession::stopSpeaking()
{
    if (m_speaking && m_phrases)
        m_phrases->stop();
}

void CardSession::stopRecording()
{
    if (isPlayingRecording())
        stopSpeaking();
}

void CardSession::phraseFinished(const SpeechResult<> &result)
{
    if (!std::exchange(m_speaking, false))
        return;
    const std::optional<SpeechError> notice = std::exchange(m_notice, std::nullopt);
    const std::optional<QString> recordingNotice = std::exchange(m_recordingNotice, std::nullopt);
    if (!result && result.error().kind != SpeechError::Kind::Stopped) {
        if (takeSoundProblem(result.error().kind))
            emit soundProblem(result.error().message);
    } else if (result && notice && takeSoundProblem(notice->kind)) {
        emit soundProblem(notice->message);
    }
    if (recordingNotice && (result || result.error().kind != SpeechError::Kind::Stopped))
        emit soundProblem(*recordingNotice);
    emit phraseEnded();
}

bool CardSession::takeSoundProblem(SpeechError::Kind kind)
{
    if (m_soundProblemsTold.contains(kind))
        return false;
    m_soundProblemsTold.insert(kind);
    return true;
}
