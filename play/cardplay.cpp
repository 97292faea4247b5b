#include "play/cardplay.h"

#include "base/cardword.h"
#include "deck/storemessages.h"
#include "play/drawsequence.h"
#include "speech/speakingvoice.h"

CardPlay::CardPlay(const QString &applicationFolder, std::shared_ptr<AudioOutput> audio,
                   std::shared_ptr<const VoiceChoice> voice, std::unique_ptr<DrawSequence> draws)
    : m_store(applicationFolder)
    , m_audio(std::move(audio))
    , m_voiceChoice(std::move(voice))
    , m_draws(std::move(draws))
{
}

CardPlay::~CardPlay() = default;

StoreResult<std::optional<QString>> CardPlay::firstCard()
{
    auto first = m_store.firstCard();
    if (first && first.value())
        m_scurrword = *first.value();
    return first;
}

StoreResult<qint32> CardPlay::count()
{
    return m_store.count();
}

StoreResult<CardDraw> CardPlay::nextDraw()
{
    const auto snapshot = m_store.snapshot();
    if (!snapshot)
        return snapshot.error();
    // Play does not deal around a card without a word yet: it stops the draw.
    QStringList words;
    for (const CardRow &row : *snapshot->rows) {
        if (!row)
            return storeMessages::noWord(m_store.databasePath(), words.size());
        words.append(*row);
    }
    const qint32 count = qint32(words.size());
    if (count == 0)
        return storeMessages::noCards(m_store.databasePath());
    const DealtStack::Deal deal = m_stack.deal(words, m_scurrword, *m_draws);
    m_numrandloc = deal.position;
    ++m_allcardsplayed;
    m_scurrword = words.at(deal.position);
    return CardDraw{m_scurrword, deal.position, count, deal.roundOver};
}

void CardPlay::cardShown(const QString &word)
{
    m_cwatchkey = firstCharacter(word);
}

bool CardPlay::isRightKey(const QString &typed) const
{
    return !m_cwatchkey.isEmpty() && typed.compare(m_cwatchkey, Qt::CaseInsensitive) == 0;
}

QString CardPlay::phrase(const QString &word)
{
    return firstCharacter(word) + QStringLiteral(" for ") + word;
}

SpeechResult<> CardPlay::say(const QString &phrase)
{
    if (!m_voice)
        m_voice = std::make_unique<SpeakingVoice>(m_audio, m_voiceChoice);
    if (const SpeechResult<> rate = m_voice->setRate(-1); !rate)
        return rate;
    return m_voice->Speak(phrase, 0);
}

bool CardPlay::takeSoundProblem(SpeechError::Kind kind)
{
    if (m_soundProblemsTold.contains(kind))
        return false;
    m_soundProblemsTold.insert(kind);
    return true;
}
