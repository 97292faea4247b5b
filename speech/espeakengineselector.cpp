#include "speech/espeakengineselector.h"

#include "speech/voicechoice.h"
#include "speech/voices.h"

#include <QCoreApplication>

EngineSelector *makeSystemEngineSelector(std::shared_ptr<VoiceChoice> choice, QWidget *parent)
{
    return new EspeakEngineSelector(std::move(choice), parent);
}

EspeakEngineSelector::EspeakEngineSelector(std::shared_ptr<VoiceChoice> choice, QWidget *parent)
    : EspeakEngineSelector(Voices::system(), std::move(choice), parent)
{
}

EspeakEngineSelector::EspeakEngineSelector(std::shared_ptr<Voices> voices, std::shared_ptr<VoiceChoice> choice,
                                           QWidget *parent)
    : EngineSelector(parent)
    , m_choice(std::move(choice))
    , m_voices(std::move(voices))
{
    hide(); // a control with no face
}

EspeakEngineSelector::EspeakEngineSelector(VoiceCatalog catalog, std::shared_ptr<VoiceChoice> choice, QWidget *parent)
    : EspeakEngineSelector(nullptr, std::move(choice), parent)
{
    m_catalog = std::move(catalog);
}

SpeechResult<qint32> EspeakEngineSelector::Find(const QString &attributes)
{
    return catalog().bestMatch(VoiceQuery::parse(attributes));
}

SpeechResult<> EspeakEngineSelector::Select(qint32 mode)
{
    return setCurrentMode(mode);
}

SpeechResult<qint32> EspeakEngineSelector::CountEngines()
{
    return catalog().count();
}

SpeechResult<QString> EspeakEngineSelector::ModeName(qint32 mode)
{
    const auto found = modeAt(mode);
    if (!found)
        return found.error();
    return found.value()->name;
}

SpeechResult<qint32> EspeakEngineSelector::CurrentMode()
{
    const VoiceMode *current = catalog().mode(m_current);
    if (!current || !m_voices)
        return m_current;
    const qint32 heard = catalog().numberOf(m_voices->heardVoice(current->voice, language()));
    return heard > 0 ? heard : m_current;
}

SpeechResult<> EspeakEngineSelector::setCurrentMode(qint32 mode)
{
    const auto found = modeAt(mode);
    if (!found)
        return found.error();
    m_current = mode;
    if (m_choice)
        m_choice->setVoice(found.value()->voice);
    return Done{};
}

SpeechResult<const VoiceMode *> EspeakEngineSelector::modeAt(qint32 mode)
{
    if (const VoiceMode *found = catalog().mode(mode))
        return found;
    return SpeechError{SpeechError::Kind::NoSuchMode,
                       catalog().count() == 0
                           ? QCoreApplication::translate("Speech", "There are no voices to choose from.")
                           : QCoreApplication::translate("Speech",
                                                         "There is no voice number %1; the voices are numbered 1 to %2.")
                                 .arg(mode)
                                 .arg(catalog().count())};
}

QString EspeakEngineSelector::language() const
{
    return m_choice ? m_choice->language() : QString();
}

const VoiceCatalog &EspeakEngineSelector::catalog()
{
    // Listed again when the card set's language has changed; the current
    // mode stays on its voice.
    if (!m_catalog || (m_voices && m_listedFor != language())) {
        const VoiceMode *current = m_catalog ? m_catalog->mode(m_current) : nullptr;
        const QString voice = current ? current->voice : QString();
        m_listedFor = language();
        m_catalog = m_voices ? m_voices->catalog(m_listedFor) : VoiceCatalog();
        m_current = voice.isEmpty() ? 0 : m_catalog->numberOf(voice);
    }
    return *m_catalog;
}
