#pragma once

#include "speech/speechresult.h"
#include "speech/speechsystem.h"
#include "speech/voicecatalog.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>

// English voices recorded from people, through the Flite libraries. The
// libraries are loaded when the first phrase needs them, never at start-up,
// and a failure to load them is kept: the engine is not tried again.
class FliteEngine
{
public:
    // The folder that holds the libraries; empty for the one found at build time.
    explicit FliteEngine(QString libraryFolder = {});
    ~FliteEngine();

    // The voices whose libraries are installed, best understood first
    // within each gender. Nothing is loaded.
    QList<NaturalVoice> installedVoices() const;

    bool speaks(const QString &voice) const;
    bool hasFailed() const { return m_failed; }

    // Turns plain text into samples. With letterFirst, the first word is the
    // name of a letter, never the article "a". stretch 1 is the voice's own pace.
    SpeechResult<SpeechSystem::Synthesis> synthesize(const QString &text, bool letterFirst, double stretch,
                                                     const QString &voice);

    static const QString voicePrefix;
    static const QString engineName;

    // The loaded library's entry points.
    struct Library;

private:
    SpeechResult<> start();
    SpeechResult<void *> loadVoice(const QString &name);
    SpeechResult<SpeechSystem::Synthesis> fail(const QString &why);

    QString m_folder;
    std::unique_ptr<Library> m_library;
    QHash<QString, void *> m_voices;
    bool m_failed = false;
};
