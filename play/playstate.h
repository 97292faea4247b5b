#pragma once

#include "speech/speakingvoice.h"

#include <QString>

#include <memory>

// Card play's state. It belongs to the card window's one instance and lives
// on when the window's controls are destroyed.
struct PlayState
{
    QString scurrword;
    // The first character of the current word: the key the child is to press.
    QString cwatchkey;
    qint32 numrandloc = 0;
    // Draws since the start or the last reshuffle notice. The notice resets it
    // whenever it reaches the card count, so it never overflows.
    qint32 allcardsplayed = 0;
    // Created by the first phrase and kept until the program ends.
    std::unique_ptr<SpeakingVoice> voice;
    // Sound problems are told once a run, not at every phrase.
    bool soundProblemShown = false;
};
