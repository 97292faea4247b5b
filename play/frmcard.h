#pragma once

#include "app/form.h"

class EngineSelector;

class frmCard : public Form
{
    Q_OBJECT

public:
    explicit frmCard(Forms &forms);
    ~frmCard() override;

    // The speech-engine selector control; reaching it loads the window, hidden.
    EngineSelector *DSSSpeech();

protected:
    QWidget *createControls() override;
    void releaseControls() override;

private:
    EngineSelector *m_selector = nullptr;
};
