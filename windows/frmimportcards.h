#pragma once

#include "formkit/form.h"

class QPushButton;

// The place reserved for importing a card set; it says that importing is not
// implemented yet.
class frmImportCards : public Form
{
    Q_OBJECT

public:
    explicit frmImportCards(FormRegistry &registry);

    void cmdclose_Click();

protected:
    QWidget *createControls() override;
    void releaseControls() override;
};
