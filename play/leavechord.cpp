#include "play/leavechord.h"

#include <QKeyEvent>

namespace {

bool isHeldModifier(int key)
{
    return key == Qt::Key_Control || key == Qt::Key_Shift;
}

bool isChordKey(int key)
{
    return key == LeaveChord::key || isHeldModifier(key);
}

quint32 identity(const QKeyEvent &event)
{
    return event.nativeScanCode() ? event.nativeScanCode() : quint32(event.key());
}

} // namespace

bool KeyRepeats::isRepeat(const QKeyEvent &press) const
{
    // Without time stamps (synthetic events) only the flag tells.
    return press.isAutoRepeat() || (m_time != 0 && identity(press) == m_key && press.timestamp() == m_time);
}

void KeyRepeats::released(const QKeyEvent &release)
{
    m_key = identity(release);
    m_time = release.timestamp();
}

LeaveChord::LeaveChord(std::chrono::milliseconds hold, QObject *parent)
    : QObject(parent)
{
    m_hold.setSingleShot(true);
    m_hold.setInterval(hold);
    connect(&m_hold, &QTimer::timeout, this, [this] {
        if (m_release.isActive())
            return cancel();
        emit holdingChanged(false);
        emit completed();
    });
    m_release.setSingleShot(true);
    m_release.setInterval(60);
    connect(&m_release, &QTimer::timeout, this, &LeaveChord::cancel);
}

void LeaveChord::keyPressed(const QKeyEvent &event, bool repeat)
{
    const int pressed = event.key();
    if (repeat && isChordKey(pressed)) {
        m_release.stop();
        return;
    }
    if (pressed == key && !isHolding()) {
        const auto exact = Qt::ControlModifier | Qt::ShiftModifier;
        const bool palm = m_sinceOtherKey.isValid() && m_sinceOtherKey.elapsed() < palmWindow.count();
        if ((event.modifiers() & ~Qt::KeypadModifier) == exact && !palm) {
            m_hold.start();
            emit holdingChanged(true);
        }
        return;
    }
    if (!isHeldModifier(pressed))
        m_sinceOtherKey.start();
    cancel();
}

void LeaveChord::keyReleased(const QKeyEvent &event)
{
    if (isHolding() && !event.isAutoRepeat() && isChordKey(event.key()))
        m_release.start();
}

void LeaveChord::cancel()
{
    m_release.stop();
    if (!isHolding())
        return;
    m_hold.stop();
    emit holdingChanged(false);
}
