#pragma once

#include "app/services.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>

class Form;
class frmMain;
class frmCard;
class frmOptions;
class frmAbout;
class frmImportCards;

// The program's five windows, one instance each, reached by name. The program
// ends when the last loaded window is unloaded: lastWindowUnloaded() fires then.
class Forms : public QObject
{
    Q_OBJECT

public:
    explicit Forms(Services services);
    ~Forms() override;

    frmMain &main() const { return *m_main; }
    frmCard &card() const { return *m_card; }
    frmOptions &options() const { return *m_options; }
    frmAbout &about() const { return *m_about; }
    frmImportCards &importCards() const { return *m_import; }

    const Services &services() const { return m_services; }
    int loadedCount() const { return m_loaded; }

    void noteLoaded(Form *form);
    void noteUnloaded(Form *form);

    // While a handler waits in a nested loop (speech), closing a window would
    // pull its controls from under that handler: close requests wait until
    // the handler is done.
    bool isBusy() const { return m_busy > 0; }
    void beginBusy() { ++m_busy; }
    void endBusy();
    void deferUnload(Form *form);
    // A window whose controls are going; deleted from the event loop, or at
    // the latest when the program's windows are released.
    void retire(QWidget *window);

signals:
    void formLoaded(Form *form);
    void formUnloaded(Form *form);
    void lastWindowUnloaded();

private:
    Services m_services;
    int m_loaded = 0;
    int m_busy = 0;
    QList<QPointer<Form>> m_deferredUnloads;
    QList<QPointer<QWidget>> m_retired;
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<frmCard> m_card;
    std::unique_ptr<frmOptions> m_options;
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<frmImportCards> m_import;
};

class BusyScope
{
public:
    explicit BusyScope(Forms &forms) : m_forms(forms) { m_forms.beginBusy(); }
    ~BusyScope() { m_forms.endBusy(); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    Forms &m_forms;
};

// Maps the fonts of the window designs to installed look-alikes.
void installFontSubstitutions();
