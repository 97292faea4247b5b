#include "formkit/messagebox.h"

#include "formkit/formkitlogging.h"

// Every message a parent sees is also in the log, for support and for the
// end-to-end tests, which cannot read a box's text from outside.
void SystemMessageBoxes::show(QWidget *parent, const QString &title, const QString &text,
                              QMessageBox::Icon icon)
{
    qCInfo(lcMessages).noquote() << "message:" << QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}
