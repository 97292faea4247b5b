#include "speech/espeakengineselector.h"

#include "speech/speechsystem.h"

EngineSelector *makeSystemEngineSelector(QWidget *parent)
{
    return new EspeakEngineSelector(parent);
}

EspeakEngineSelector::EspeakEngineSelector(QWidget *parent)
    : EngineSelector(parent)
    , m_fromSystem(true)
{
    hide(); // a control with no face
}

EspeakEngineSelector::EspeakEngineSelector(VoiceCatalog catalog, QWidget *parent)
    : EngineSelector(parent)
    , m_catalog(std::move(catalog))
{
    hide(); // a control with no face
}

qint32 EspeakEngineSelector::Find(const QString &attributes)
{
    return catalog().bestMatch(attributes);
}

bool EspeakEngineSelector::Select(qint32 mode)
{
    return setCurrentMode(mode);
}

qint32 EspeakEngineSelector::CountEngines()
{
    return catalog().count();
}

QString EspeakEngineSelector::ModeName(qint32 mode)
{
    const VoiceMode *found = modeOrError(mode);
    return found ? found->name : QString();
}

qint32 EspeakEngineSelector::CurrentMode()
{
    return m_current;
}

bool EspeakEngineSelector::setCurrentMode(qint32 mode)
{
    const VoiceMode *found = modeOrError(mode);
    if (!found)
        return false;
    m_current = mode;
    SpeechSystem::instance().setDefaultVoice(found->voice);
    return true;
}

const VoiceMode *EspeakEngineSelector::modeOrError(qint32 mode)
{
    const VoiceMode *found = catalog().mode(mode);
    if (!found) {
        setLastError(catalog().count() == 0
                         ? QStringLiteral("There are no voices to choose from.")
                         : QStringLiteral("There is no voice number %1; the voices are numbered 1 to %2.")
                               .arg(mode)
                               .arg(catalog().count()));
    }
    return found;
}

const VoiceCatalog &EspeakEngineSelector::catalog()
{
    if (!m_catalog)
        m_catalog = m_fromSystem ? SpeechSystem::instance().voiceCatalog() : VoiceCatalog();
    return *m_catalog;
}
