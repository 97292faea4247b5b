#pragma once

#include <QDBusConnection>
#include <QString>

#include <memory>

// Keeps the desktop's screen saver and screen blanking away through its
// org.freedesktop.ScreenSaver service, until released or destroyed. Calls
// never wait: an answer that comes after the release is released at once.
// Should the program end without releasing, the service forgets the request
// with the program's bus connection.
class ScreenSaverInhibitor
{
public:
    explicit ScreenSaverInhibitor(const QDBusConnection &bus);
    ~ScreenSaverInhibitor();
    ScreenSaverInhibitor(const ScreenSaverInhibitor &) = delete;
    ScreenSaverInhibitor &operator=(const ScreenSaverInhibitor &) = delete;

    void inhibit(const QString &application, const QString &reason);
    void release();

    // The session bus if the session has one; never one started for the asking.
    static QDBusConnection sessionBus();

private:
    struct Request;
    std::shared_ptr<Request> m_request;
    QDBusConnection m_bus;
};
