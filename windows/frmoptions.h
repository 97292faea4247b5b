#pragma once

#include "formkit/form.h"

struct SpeechError;
class EngineSelector;
class QComboBox;
class QLabel;
class QPushButton;

// The options window: chooses the card window's speech-engine mode and opens
// the import window. It keeps nothing of its own; every load asks the selector.
class frmOptions : public Form
{
    Q_OBJECT

public:
    explicit frmOptions(FormRegistry &registry);

    void cmbvoice_Click();
    void cmdImportCards_Click();
    void cmdclose_Click();
    void mnuclose_Click();

    static constexpr auto attributeText = "Mfg=Microsoft;Gender=1";
    static constexpr auto noVoicesText = QT_TR_NOOP("No voices are installed.");

protected:
    QWidget *createControls() override;
    void releaseControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    EngineSelector *selector() const;
    void showSelectorError(const SpeechError &error);

    QPushButton *cmdImportCards = nullptr;
    QComboBox *cmbvoice = nullptr;
    QLabel *lblspeech = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *cmdclose = nullptr;
};
