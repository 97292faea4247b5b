#include "speech/playbackprogress.h"

namespace {
// The position a stream reports at its end may fall a little short of the length.
constexpr std::chrono::milliseconds endTolerance(20);
}

PlaybackProgress::PlaybackProgress(std::chrono::microseconds length, std::chrono::milliseconds stallLimit)
    : m_length(length)
    , m_stallLimit(stallLimit)
{
}

PlaybackProgress::State PlaybackProgress::update(std::chrono::milliseconds now, std::chrono::microseconds played,
                                                 bool allWritten)
{
    if (allWritten && played >= m_length - endTolerance)
        return State::Played;
    if (played > m_lastPosition) {
        m_lastPosition = played;
        m_lastMoved = now;
    }
    return now - m_lastMoved >= m_stallLimit ? State::Stalled : State::Playing;
}
