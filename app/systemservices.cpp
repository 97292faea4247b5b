#include "app/systemservices.h"

#include "formkit/messagebox.h"
#include "speech/audiooutput.h"
#include "speech/engineselector.h"
#include "speech/microphone.h"
#include "speech/phraseplayer.h"
#include "speech/voicechoice.h"

#include <QCursor>
#include <QDesktopServices>
#include <QUrl>

namespace {

class CursorPosition : public PointerPosition
{
public:
    QPoint globalPosition() const override { return QCursor::pos(); }
};

class DesktopUrlOpener : public UrlOpener
{
public:
    bool open(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

} // namespace

Services systemServices(const QString &applicationFolder)
{
    Services services;
    services.applicationFolder = applicationFolder;
    services.messages = std::make_shared<SystemMessageBoxes>();
    services.phrases = std::make_shared<PhrasePlayer>(makeSystemAudioOutput());
    services.microphone = makeSystemMicrophone();
    services.voice = std::make_shared<VoiceChoice>();
    services.makeEngineSelector = makeSystemEngineSelector;
    services.pointer = std::make_shared<CursorPosition>();
    services.urls = std::make_shared<DesktopUrlOpener>();
    return services;
}
