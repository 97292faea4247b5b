#include "forms/messagebox.h"

void SystemMessageBoxes::show(QWidget *parent, const QString &title, const QString &text,
                              QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}
