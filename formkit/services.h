#pragma once

#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

class EngineSelector;
class MessageBoxes;
class Microphone;
class PhrasePlayer;
class QUrl;
class QWidget;
class VoiceChoice;

// Where the program reads the pointer's position on the screen.
class PointerPosition
{
public:
    virtual ~PointerPosition() = default;
    virtual QPoint globalPosition() const = 0;
};

// Hands an address to the desktop's default handler for it.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const QUrl &url) = 0;
};

// What the windows need from outside the program: the real system in the
// program (assembled at start), with the few that need scripting replaced
// in tests.
struct Services
{
    // The folder of the card database and the pictures folder.
    QString applicationFolder;
    std::shared_ptr<MessageBoxes> messages;
    // The one phrase being said, whichever view asked for it.
    std::shared_ptr<PhrasePlayer> phrases;
    // Where the card workshop records a card's word.
    std::shared_ptr<Microphone> microphone;
    // The voice the child hears: the engine selector sets it, the speaking voice reads it.
    std::shared_ptr<VoiceChoice> voice;
    // Creates the card window's engine selector control.
    std::function<EngineSelector *(std::shared_ptr<VoiceChoice> choice, QWidget *parent)> makeEngineSelector;
    std::shared_ptr<PointerPosition> pointer;
    std::shared_ptr<UrlOpener> urls;
    // A uniform fraction in [0, 1); empty means a generator reseeded from the
    // time of day before every draw.
    std::function<double()> randomFraction;
};
