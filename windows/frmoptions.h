#pragma once

#include "app/form.h"

class frmOptions : public Form
{
    Q_OBJECT

public:
    explicit frmOptions(Forms &forms);

protected:
    QWidget *createControls() override;
    void releaseControls() override;
};
