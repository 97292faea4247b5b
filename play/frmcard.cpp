#include "play/frmcard.h"

#include "app/designer.h"
#include "app/forms.h"
#include "speech/engineselector.h"

#include <QWidget>

frmCard::frmCard(Forms &forms)
    : Form(forms, QStringLiteral("frmCard"))
{
}

frmCard::~frmCard() = default;

EngineSelector *frmCard::DSSSpeech()
{
    window();
    return m_selector;
}

QWidget *frmCard::createControls()
{
    const auto form = designer::makeWindow(QStringLiteral("FlashCard"), 4155, 5130, true);
    m_selector = forms().services().makeEngineSelector(form.client);
    return form.window;
}

void frmCard::releaseControls()
{
    m_selector = nullptr;
}
