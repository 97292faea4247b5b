#include "formkit/messagebox.h"

#include <QLoggingCategory>

// Every message a parent sees is also in the log, for support and for the
// end-to-end tests, which cannot read a box's text from outside.
Q_LOGGING_CATEGORY(lcMessages, "pomwit.messages", QtInfoMsg)

void SystemMessageBoxes::show(QWidget *parent, const QString &title, const QString &text,
                              QMessageBox::Icon icon)
{
    qCInfo(lcMessages).noquote() << "message:" << QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}
