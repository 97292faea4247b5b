#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

class QKeyEvent;

// A held key repeats. X11 repeats it as a release and a press that share one
// time stamp, and Qt flags such a pair only when both have arrived together:
// a press is a repeat too when it follows the same key's release at once.
class KeyRepeats
{
public:
    bool isRepeat(const QKeyEvent &press) const;
    void released(const QKeyEvent &release);

private:
    quint32 m_key = 0;
    quint64 m_time = 0;
};

// How a grown-up leaves full screen: Ctrl and Shift held with F12, all three
// for a while. The keys lie at opposite corners of the keyboard and make no
// chord of any desktop; F12 is the same key on every layout. Any other key
// cancels, as does a key pressed just before F12 (a palm).
class LeaveChord : public QObject
{
    Q_OBJECT

public:
    static constexpr Qt::Key key = Qt::Key_F12;
    static constexpr auto description = "Ctrl+Shift+F12";
    // Keys pressed this shortly before F12 count as pressed with it.
    static constexpr std::chrono::milliseconds palmWindow{400};

    explicit LeaveChord(std::chrono::milliseconds hold, QObject *parent = nullptr);

    // Every key press and release, those the game drops included.
    void keyPressed(const QKeyEvent &event, bool repeat);
    void keyReleased(const QKeyEvent &event);
    void cancel();
    bool isHolding() const { return m_hold.isActive(); }

signals:
    void holdingChanged(bool holding);
    void completed();

private:
    QTimer m_hold;
    // A release of a chord key waits to see whether it was half of a repeat.
    QTimer m_release;
    QElapsedTimer m_sinceOtherKey;
};
