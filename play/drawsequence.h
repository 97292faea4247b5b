#pragma once

#include <QtGlobal>

#include <functional>

// Chooses which card Next Card shows.
class DrawSequence
{
public:
    virtual ~DrawSequence() = default;
    // A position from 0 to count - 1; count is at least 1.
    virtual qint32 nextPosition(qint32 count) = 0;
};

// Independent uniform draws. Without a fraction source the generator is
// reseeded from the time of day before every draw.
class RandomDraw : public DrawSequence
{
public:
    explicit RandomDraw(std::function<double()> fraction = {});
    qint32 nextPosition(qint32 count) override;

private:
    std::function<double()> m_fraction;
};
