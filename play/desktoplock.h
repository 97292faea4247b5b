#pragma once

#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>

class QProcessEnvironment;
class QWidget;

// What a session lets a program hold.
enum class SessionKind {
    X11,      // keyboard and pointer grabs hold everything but the server's own keys
    XWayland, // an X program in a Wayland session: the desktop decides
    Wayland,  // no program holds the keyboard
    Other,    // no windowing system to hold (offscreen, a framebuffer)
};

SessionKind sessionKind(const QString &platformName, const QProcessEnvironment &environment);
// The kind of the running session.
SessionKind currentSessionKind();

// What the grown-up is told about what still reaches the desktop while the
// game is full screen; empty when keyboard and pointer are held, or on X11
// while no other program keeps them from being held.
QString lockReport(SessionKind kind, bool held);

// Holds the keyboard and confines the pointer to a window, as far as the
// session allows: on X11 by grabs, taken once the window is mapped and taken
// again while another client holds them or the window was unmapped. It also
// keeps the X server's own screen saver from starting.
class DesktopLock : public QObject
{
    Q_OBJECT

public:
    DesktopLock(QWidget *window, SessionKind kind);
    ~DesktopLock() override;

    SessionKind kind() const { return m_kind; }
    bool isHeld() const { return m_held; }
    // Another client holds what the lock would take.
    bool isRefused() const { return m_refused; }
    void hold();
    void release();

signals:
    void refusedChanged(bool refused);

private:
    void tryGrab();

    QPointer<QWidget> m_window;
    SessionKind m_kind;
    QTimer m_retry;
    int m_ticks = 0;
    bool m_held = false;
    bool m_refused = false;
    bool m_holding = false;
};

// Only one Pomwit at a time plays full screen on a desktop: the claim is a
// lock file in the user's runtime folder, freed when its holder ends.
class FullScreenClaim
{
public:
    static std::unique_ptr<FullScreenClaim> take(const QString &folder);

private:
    explicit FullScreenClaim(const QString &path) : m_file(path) {}
    QLockFile m_file;
};
