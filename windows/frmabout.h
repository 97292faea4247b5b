#pragma once

#include "app/form.h"

class frmAbout : public Form
{
    Q_OBJECT

public:
    explicit frmAbout(Forms &forms);

protected:
    QWidget *createControls() override;
    void releaseControls() override;
};
