#pragma once

#include "formkit/form.h"

class QAction;
class QLabel;
class QPushButton;

// The main window: a launcher with the start button, and the exit sequence
// through which the program ends.
class frmMain : public Form
{
    Q_OBJECT

public:
    explicit frmMain(FormRegistry &registry);

    void cmdStartFlash_Click();
    void mnustart_Click();
    void MnuOptions_Click();
    void mnuAbout_Click();
    void mnuExit_Click(qint16 Index);
    void Form_Terminate();

    // Unloads options, about, import, card and main, in that order.
    void exitSequence();

protected:
    QWidget *createControls() override;
    void releaseControls() override;
    void Form_Unload() override;

private:
    QPushButton *cmdStartFlash = nullptr;
    QLabel *Label1 = nullptr;
};
