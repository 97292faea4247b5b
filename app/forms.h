#pragma once

#include "app/services.h"

#include <QObject>

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

signals:
    void formLoaded(Form *form);
    void formUnloaded(Form *form);
    void lastWindowUnloaded();

private:
    Services m_services;
    int m_loaded = 0;
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<frmCard> m_card;
    std::unique_ptr<frmOptions> m_options;
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<frmImportCards> m_import;
};

// Maps the fonts of the window designs to installed look-alikes.
void installFontSubstitutions();
