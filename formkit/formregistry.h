#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>

class Form;
class QWidget;
struct Services;

// The program's five windows, each reached by its name.
enum class FormName { frmMain, frmCard, frmOptions, frmAbout, frmImportCards };

// The windows reach each other through here. The program ends when the last
// loaded window is unloaded: lastWindowUnloaded() fires then.
class FormRegistry : public QObject
{
    Q_OBJECT

public:
    ~FormRegistry() override;

    virtual Form &form(FormName name) const = 0;
    virtual const Services &services() const = 0;

    // Every message box of the windows, modal, with the program's title;
    // returns once it is closed.
    void showMessage(QWidget *parent, const QString &text, QMessageBox::Icon icon);
    // A window whose controls are going: its message boxes are closed, and it
    // is deleted from the event loop once no message box is open (a handler
    // of its controls may be waiting under one), or at the latest when the
    // registry goes.
    void retire(QWidget *window);

signals:
    void lastWindowUnloaded();

protected:
    // Counts the window's loads and unloads from its own signal.
    void watch(Form *form);
    void deleteRetired();

private:
    void deleteRetiredLater();

    int m_loaded = 0;
    int m_messagesOpen = 0;
    QList<QPointer<QWidget>> m_retired;
};
