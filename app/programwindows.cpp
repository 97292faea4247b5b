#include "app/programwindows.h"

#include "app/frmmain.h"
#include "formkit/designer.h"
#include "play/frmcard.h"
#include "windows/frmabout.h"
#include "windows/frmimportcards.h"
#include "windows/frmoptions.h"

#include <utility>

ProgramWindows::ProgramWindows(Services services)
    : m_services(std::move(services))
{
    designer::installFontSubstitutions();
    m_main = std::make_unique<frmMain>(*this);
    m_card = std::make_unique<frmCard>(*this);
    m_options = std::make_unique<frmOptions>(*this);
    m_about = std::make_unique<frmAbout>(*this);
    m_import = std::make_unique<frmImportCards>(*this);
    for (FormName name : {FormName::frmMain, FormName::frmCard, FormName::frmOptions, FormName::frmAbout,
                          FormName::frmImportCards})
        watch(&form(name));
}

ProgramWindows::~ProgramWindows()
{
    // The main window's object is released last; its terminate handler runs
    // the exit sequence once more, which finds nothing left to unload.
    m_main->Form_Terminate();
    deleteRetired();
    m_import.reset();
    m_about.reset();
    m_options.reset();
    m_card.reset();
    m_main.reset();
}

Form &ProgramWindows::form(FormName name) const
{
    switch (name) {
    case FormName::frmMain:
        return *m_main;
    case FormName::frmCard:
        return *m_card;
    case FormName::frmOptions:
        return *m_options;
    case FormName::frmAbout:
        return *m_about;
    case FormName::frmImportCards:
        break;
    }
    return *m_import;
}
