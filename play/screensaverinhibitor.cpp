#include "play/screensaverinhibitor.h"
#include "play/playlogging.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

#include <optional>

namespace {

constexpr auto service = "org.freedesktop.ScreenSaver";
constexpr auto path = "/org/freedesktop/ScreenSaver";

QDBusMessage screenSaverCall(const char *method)
{
    return QDBusMessage::createMethodCall(QLatin1String(service), QLatin1String(path), QLatin1String(service),
                                          QLatin1String(method));
}

void unInhibit(const QDBusConnection &bus, uint cookie)
{
    QDBusMessage call = screenSaverCall("UnInhibit");
    call << cookie;
    bus.asyncCall(call);
}

} // namespace

struct ScreenSaverInhibitor::Request
{
    std::optional<uint> cookie;
    bool released = false;
};

ScreenSaverInhibitor::ScreenSaverInhibitor(const QDBusConnection &bus)
    : m_bus(bus)
{
}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    release();
}

void ScreenSaverInhibitor::inhibit(const QString &application, const QString &reason)
{
    if (m_request || !m_bus.isConnected())
        return;
    auto request = std::make_shared<Request>();
    m_request = request;
    QDBusMessage call = screenSaverCall("Inhibit");
    call << application << reason;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [request, bus = m_bus](QDBusPendingCallWatcher *self) {
                         self->deleteLater();
                         const QDBusPendingReply<uint> reply = *self;
                         if (reply.isError()) {
                             qCInfo(lcPlay) << "the screen saver cannot be held off:" << reply.error().message();
                             return;
                         }
                         if (request->released)
                             unInhibit(bus, reply.value());
                         else
                             request->cookie = reply.value();
                     });
}

void ScreenSaverInhibitor::release()
{
    if (!m_request)
        return;
    m_request->released = true;
    if (m_request->cookie)
        unInhibit(m_bus, *m_request->cookie);
    m_request.reset();
}

QDBusConnection ScreenSaverInhibitor::sessionBus()
{
    // Without an address the bus library would launch a bus of its own.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        && (runtime.isEmpty() || !QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("bus")))))
        return QDBusConnection(QStringLiteral("pomwit-no-session-bus"));
    return QDBusConnection::sessionBus();
}
