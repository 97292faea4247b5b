#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Every message the program shows goes through here, so that tests can
// answer message boxes without a modal loop.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Shows the message with an OK button and returns once it is closed.
    virtual void show(QWidget *parent, const QString &title, const QString &text,
                      QMessageBox::Icon icon) = 0;
};

class SystemMessageBoxes : public MessageBoxes
{
public:
    void show(QWidget *parent, const QString &title, const QString &text,
              QMessageBox::Icon icon) override;
};
