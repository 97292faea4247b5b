#include "play/desktoplock.h"
#include "play/playlogging.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QProcessEnvironment>
#include <QWidget>

#include <xcb/xcb.h>

namespace {

xcb_connection_t *xcbConnection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The grabs are taken again at this pace, quickly while they fail.
constexpr int retryMs = 250;
constexpr int keepMs = 2000;
// The X server's screen saver is pushed back every so many keeps.
constexpr int screenSaverTicks = 15;

} // namespace

SessionKind sessionKind(const QString &platformName, const QProcessEnvironment &environment)
{
    if (platformName.startsWith(QLatin1String("wayland")))
        return SessionKind::Wayland;
    if (platformName != QLatin1String("xcb"))
        return SessionKind::Other;
    const bool wayland = environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland")
        || !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    return wayland ? SessionKind::XWayland : SessionKind::X11;
}

SessionKind currentSessionKind()
{
    return sessionKind(QGuiApplication::platformName(), QProcessEnvironment::systemEnvironment());
}

QString lockReport(SessionKind kind, bool held)
{
    switch (kind) {
    case SessionKind::X11:
        if (held)
            return QString();
        return DesktopLock::tr("Another program holds the keyboard or the pointer, so Pomwit cannot hold them yet and keeps "
                  "trying. Until then the desktop's shortcuts, such as Alt+Tab and the Super key, still work.");
    case SessionKind::XWayland:
        return DesktopLock::tr("In this Wayland session Pomwit holds the keyboard only if the desktop allows it (GNOME asks once). "
                  "Otherwise the desktop's shortcuts, such as the Super key and Alt+Tab, still work, and "
                  "Super+Esc gives them back. The pointer can leave this screen.");
    case SessionKind::Wayland:
        return DesktopLock::tr("In this Wayland session no program can hold the keyboard: the desktop's shortcuts, such as the "
                  "Super key and Alt+Tab, still work, and the pointer can leave this screen.");
    case SessionKind::Other:
        break;
    }
    return DesktopLock::tr("On this display Pomwit cannot hold the keyboard or the pointer: the shortcuts of the desktop and "
              "of other programs, such as Alt+Tab, still work.");
}

DesktopLock::DesktopLock(QWidget *window, SessionKind kind)
    : m_window(window)
    , m_kind(kind)
{
    connect(&m_retry, &QTimer::timeout, this, &DesktopLock::tryGrab);
}

DesktopLock::~DesktopLock()
{
    release();
}

void DesktopLock::hold()
{
    if (m_holding || !m_window)
        return;
    m_holding = true;
    xcb_connection_t *connection = xcbConnection();
    if (!connection)
        return;
    if (m_kind == SessionKind::XWayland) {
        // XWayland passes a grab on to the desktop only for windows that ask.
        static constexpr char name[] = "_XWAYLAND_MAY_GRAB_KEYBOARD";
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
        if (atom) {
            const quint32 yes = 1;
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(m_window->winId()), atom->atom,
                                XCB_ATOM_CARDINAL, 32, 1, &yes);
            free(atom);
        }
    }
    m_retry.start(retryMs);
    tryGrab();
}

void DesktopLock::tryGrab()
{
    xcb_connection_t *connection = xcbConnection();
    if (!connection || !m_window)
        return;
    const auto window = xcb_window_t(m_window->winId());
    // Owner events: the game's own windows get their events as usual.
    const auto keyboardCookie = xcb_grab_keyboard(connection, 1, window, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC,
                                                  XCB_GRAB_MODE_ASYNC);
    const auto pointerCookie = xcb_grab_pointer(
        connection, 1, window,
        XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION,
        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, window, XCB_NONE, XCB_CURRENT_TIME);
    auto status = [](auto *reply) {
        const int result = reply ? reply->status : -1;
        free(reply);
        return result;
    };
    const int keyboard = status(xcb_grab_keyboard_reply(connection, keyboardCookie, nullptr));
    const int pointer = status(xcb_grab_pointer_reply(connection, pointerCookie, nullptr));
    m_held = keyboard == XCB_GRAB_STATUS_SUCCESS && pointer == XCB_GRAB_STATUS_SUCCESS;
    if (!m_held)
        qCInfo(lcPlay) << "full screen: keyboard grab" << keyboard << "pointer grab" << pointer << "; trying again";
    if (++m_ticks % screenSaverTicks == 0)
        xcb_force_screen_saver(connection, XCB_SCREEN_SAVER_RESET);
    xcb_flush(connection);
    m_retry.setInterval(m_held ? keepMs : retryMs);
    // A window not yet mapped is no refusal: it is only early.
    auto taken = [](int status) { return status == XCB_GRAB_STATUS_ALREADY_GRABBED || status == XCB_GRAB_STATUS_FROZEN; };
    const bool refused = taken(keyboard) || taken(pointer);
    if (refused != m_refused && (m_held || refused)) {
        m_refused = refused;
        emit refusedChanged(refused);
    }
}

void DesktopLock::release()
{
    if (!m_holding)
        return;
    m_holding = false;
    m_retry.stop();
    if (xcb_connection_t *connection = xcbConnection()) {
        xcb_ungrab_keyboard(connection, XCB_CURRENT_TIME);
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
        xcb_flush(connection);
    }
    m_held = false;
    if (std::exchange(m_refused, false))
        emit refusedChanged(false);
}

std::unique_ptr<FullScreenClaim> FullScreenClaim::take(const QString &folder)
{
    std::unique_ptr<FullScreenClaim> claim(new FullScreenClaim(QDir(folder).filePath(QStringLiteral("pomwit-fullscreen.lock"))));
    // Only a holder that has ended frees the claim, however long it plays.
    claim->m_file.setStaleLockTime(0);
    if (!claim->m_file.tryLock(0))
        return nullptr;
    return claim;
}
