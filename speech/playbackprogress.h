#pragma once

#include <chrono>

// Whether a phrase handed to the sound server has been played, is still
// playing or has stalled, from the position the stream reports as time goes
// by. Late is not stalled: under load a phrase may end well after its length,
// and only a stream whose position stops moving for the stall limit has failed.
class PlaybackProgress
{
public:
    enum class State { Playing, Played, Stalled };

    PlaybackProgress(std::chrono::microseconds length, std::chrono::milliseconds stallLimit);

    // now: time since the phrase was handed over; played: the stream's
    // position; allWritten: the stream holds every sample.
    State update(std::chrono::milliseconds now, std::chrono::microseconds played, bool allWritten);

private:
    std::chrono::microseconds m_length;
    std::chrono::milliseconds m_stallLimit;
    std::chrono::microseconds m_lastPosition{-1};
    std::chrono::milliseconds m_lastMoved{0};
};
