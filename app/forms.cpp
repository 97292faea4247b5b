#include "app/forms.h"

#include "app/frmmain.h"
#include "play/frmcard.h"
#include "windows/frmabout.h"
#include "windows/frmimportcards.h"
#include "windows/frmoptions.h"

#include <QFont>

Forms::Forms(Services services)
    : m_services(std::move(services))
{
    installFontSubstitutions();
    m_main = std::make_unique<frmMain>(*this);
    m_card = std::make_unique<frmCard>(*this);
    m_options = std::make_unique<frmOptions>(*this);
    m_about = std::make_unique<frmAbout>(*this);
    m_import = std::make_unique<frmImportCards>(*this);
}

Forms::~Forms()
{
    // The main window's object is released last; its terminate handler runs
    // the exit sequence once more, which finds nothing left to unload.
    m_main->Form_Terminate();
    m_import.reset();
    m_about.reset();
    m_options.reset();
    m_card.reset();
    m_main.reset();
}

void Forms::noteLoaded(Form *form)
{
    ++m_loaded;
    emit formLoaded(form);
}

void Forms::noteUnloaded(Form *form)
{
    --m_loaded;
    emit formUnloaded(form);
    if (m_loaded == 0)
        emit lastWindowUnloaded();
}

void installFontSubstitutions()
{
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                                   {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
        return true;
    }();
    Q_UNUSED(done);
}
