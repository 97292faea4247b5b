#pragma once

#include "formkit/formregistry.h"
#include "formkit/services.h"

#include <memory>

class frmMain;
class frmCard;
class frmOptions;
class frmAbout;
class frmImportCards;

// The registry of the program's five windows, one instance each.
class ProgramWindows : public FormRegistry
{
    Q_OBJECT

public:
    explicit ProgramWindows(Services services);
    ~ProgramWindows() override;

    Form &form(FormName name) const override;
    const Services &services() const override { return m_services; }

    frmMain &main() const { return *m_main; }
    frmCard &card() const { return *m_card; }
    frmOptions &options() const { return *m_options; }
    frmAbout &about() const { return *m_about; }
    frmImportCards &importCards() const { return *m_import; }

private:
    Services m_services;
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<frmCard> m_card;
    std::unique_ptr<frmOptions> m_options;
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<frmImportCards> m_import;
};
