#include "play/drawsequence.h"

#include <QRandomGenerator>

#include <chrono>
#include <cmath>

namespace {

double timeOfDayFraction()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto sinceMidnight = std::chrono::duration_cast<std::chrono::nanoseconds>(now % std::chrono::hours(24));
    QRandomGenerator generator(quint64(sinceMidnight.count()));
    return generator.generateDouble();
}

} // namespace

RandomDraw::RandomDraw(std::function<double()> fraction)
    : m_fraction(std::move(fraction))
{
}

qint32 RandomDraw::nextPosition(qint32 count)
{
    const double r = m_fraction ? m_fraction() : timeOfDayFraction();
    return qBound(0, qint32(std::floor(r * count)), count - 1);
}
