#pragma once

#include <QIcon>
#include <QString>

class QCoreApplication;

// The application object's facts: title, version and icons.
namespace appinfo {

QString title();
int majorVersion();
int minorVersion();
int revision();
QString homepage();

// Sets name, version and desktop id on the running application, once.
void setUp(QCoreApplication &application);

QIcon applicationIcon();
QIcon optionsIcon();
QIcon importIcon();

} // namespace appinfo
