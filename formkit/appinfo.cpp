#include "formkit/appinfo.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace appinfo {

QString title()
{
    return QStringLiteral("Pomwit");
}

int majorVersion()
{
    return POMWIT_VERSION_MAJOR;
}

int minorVersion()
{
    return POMWIT_VERSION_MINOR;
}

int revision()
{
    return POMWIT_VERSION_PATCH;
}

QString homepage()
{
    return QStringLiteral(POMWIT_HOMEPAGE);
}

void setUp(QCoreApplication &application)
{
    application.setApplicationName(title());
    application.setApplicationVersion(QStringLiteral("%1.%2.%3").arg(majorVersion()).arg(minorVersion()).arg(revision()));
    application.setOrganizationDomain(QStringLiteral("pomwit.org"));
    // The menus are in the windows, as designed. Asking the desktop for a
    // global menu bar costs a blocking D-Bus call when the first window is made.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    if (auto *gui = qobject_cast<QGuiApplication *>(&application)) {
        gui->setDesktopFileName(QStringLiteral(POMWIT_APP_ID));
        gui->setWindowIcon(applicationIcon());
        gui->setQuitOnLastWindowClosed(false);
    }
}

namespace {

QIcon iconFrom(const QString &stem)
{
    QIcon icon;
    for (const char *size : {"16", "32"}) {
        // Named as PNG and read as PNG only: guessing the format would load
        // every image plugin at start.
        QImageReader reader(QStringLiteral(":/icons/%1-%2.png").arg(stem, QLatin1String(size)), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace

QIcon applicationIcon()
{
    return iconFrom(QStringLiteral("pomwit"));
}

QIcon optionsIcon()
{
    return iconFrom(QStringLiteral("options"));
}

QIcon importIcon()
{
    return iconFrom(QStringLiteral("import"));
}

} // namespace appinfo
