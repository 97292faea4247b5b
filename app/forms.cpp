#include "app/forms.h"

#include "app/frmmain.h"
#include "play/frmcard.h"
#include "windows/frmabout.h"
#include "windows/frmimportcards.h"
#include "windows/frmoptions.h"

#include <QFont>
#include <QTimer>

#include <utility>

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
    for (const QPointer<QWidget> &window : std::as_const(m_retired))
        delete window.data();
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

void Forms::endBusy()
{
    if (--m_busy > 0)
        return;
    const auto pending = std::exchange(m_deferredUnloads, {});
    for (const QPointer<Form> &form : pending) {
        // Run once the waiting handler has returned to the event loop.
        QTimer::singleShot(0, this, [form] {
            if (form)
                form->Unload();
        });
    }
}

void Forms::retire(QWidget *window)
{
    m_retired.removeAll(nullptr);
    m_retired.append(window);
    window->deleteLater();
}

void Forms::deferUnload(Form *form)
{
    if (!m_deferredUnloads.contains(form))
        m_deferredUnloads.append(form);
}

void installFontSubstitutions()
{
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                                   {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
        // Liberation Sans keeps the narrow metrics that the designed captions fit in.
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(done);
}
