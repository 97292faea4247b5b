#pragma once

#include <QList>
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

    int loadedCount() const { return m_loaded; }

    // While a handler waits in a nested loop (speech), closing a window would
    // pull its controls from under that handler: close requests wait until
    // the handler is done.
    bool isBusy() const { return m_busy > 0; }
    void beginBusy() { ++m_busy; }
    void endBusy();
    void deferUnload(Form *form);
    // A window whose controls are going: its message boxes are closed, and
    // it is deleted once no box or phrase waits (a handler of its controls
    // may be below that wait), or at the latest when the registry goes.
    void retire(QWidget *window);

signals:
    void lastWindowUnloaded();

protected:
    // Counts the window's loads and unloads from its own signal.
    void watch(Form *form);
    void deleteRetired();

private:
    void deleteRetiredWhenIdle();
    int m_loaded = 0;
    int m_busy = 0;
    QList<QPointer<Form>> m_deferredUnloads;
    QList<QPointer<QWidget>> m_retired;
};

class BusyScope
{
public:
    explicit BusyScope(FormRegistry &registry) : m_registry(registry) { m_registry.beginBusy(); }
    ~BusyScope() { m_registry.endBusy(); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    FormRegistry &m_registry;
};
