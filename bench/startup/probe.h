#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>

// Reports on stdout when a watched widget is first painted, as nanoseconds of
// the monotonic clock, which the launching benchmark shares.
inline long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

class FirstPaintProbe : public QObject
{
public:
    FirstPaintProbe(const char *label, std::function<bool(QObject *)> watches, std::function<void()> then)
        : m_label(label), m_watches(std::move(watches)), m_then(std::move(then))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_done && event->type() == QEvent::Paint && m_watches(watched)) {
            m_done = true;
            // Report after the paint has been handed to the window system.
            QMetaObject::invokeMethod(this, [this] {
                std::printf("%s %lld\n", m_label, monotonicNs());
                std::fflush(stdout);
                QCoreApplication::instance()->removeEventFilter(this);
                m_then();
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    const char *m_label;
    std::function<bool(QObject *)> m_watches;
    std::function<void()> m_then;
    bool m_done = false;
};
