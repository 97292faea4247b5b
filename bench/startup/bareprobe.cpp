// The baseline: a bare Qt Widgets program that shows one window with a
// button, then on a command a second window with one picture.

#include "probe.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QString picture = application.arguments().value(1);

    QWidget window;
    auto *button = new QPushButton(QStringLiteral("&Begin"), &window);
    button->setObjectName(QStringLiteral("button"));
    button->setGeometry(72, 64, 161, 57);
    window.resize(310, 190);

    QWidget second;
    FirstPaintProbe *secondProbe = nullptr;
    FirstPaintProbe firstProbe(
        "main", [](QObject *o) { return o->objectName() == QLatin1String("button"); },
        [&] {
            std::printf("start %lld\n", monotonicNs());
            secondProbe = new FirstPaintProbe(
                "card", [](QObject *o) { return o->objectName() == QLatin1String("picture"); },
                [&] { application.quit(); });
            window.hide();
            auto *label = new QLabel(&second);
            label->setObjectName(QStringLiteral("picture"));
            label->setScaledContents(true);
            label->setPixmap(QPixmap(picture));
            label->setGeometry(0, 8, 273, 217);
            second.resize(277, 360);
            second.show();
        });
    window.show();
    const int result = application.exec();
    delete secondProbe;
    return result;
}
