#include "speech/espeakengineselector.h"

#include "speech/voicechoice.h"
#include "speech/voices.h"

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
    const qint32 heard = catalog().numberOf(m_voices->heardVoice(current->voice));
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
                           ? QStringLiteral("There are no voices to choose from.")
                           : QStringLiteral("There is no voice number %1; the voices are numbered 1 to %2.")
                                 .arg(mode)
                                 .arg(catalog().count())};
}

const VoiceCatalog &EspeakEngineSelector::catalog()
{
    if (!m_catalog)
        m_catalog = m_voices ? m_voices->catalog() : VoiceCatalog();
    return *m_catalog;
}
