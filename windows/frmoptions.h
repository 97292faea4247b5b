#pragma once

#include "formkit/form.h"
#include "speech/speechresult.h"

class CardSession;
class CardSetWriter;
class EngineSelector;
class QComboBox;
class QLabel;
class QPushButton;

// The options window: chooses the card window's speech-engine mode and the
// card set's language, and opens the import window. It keeps nothing of its
// own; every load asks the selector and the card set.
class frmOptions : public Form
{
    Q_OBJECT

public:
    explicit frmOptions(FormRegistry &registry);

    void cmbvoice_Click();
    void cmblanguage_Click();
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
    CardSession &cardSession() const;
    void showSelectorError(const SpeechError &error);
    // The selector's mode names, in its order.
    SpeechResult<> listVoices(EngineSelector &DSSSpeech);
    // The languages the voices speak, the card set's shown.
    void listLanguages();
    void showLanguage(const QString &language);
    void languageWritten(bool done, const QString &message);

    QPushButton *cmdImportCards = nullptr;
    QComboBox *cmbvoice = nullptr;
    QLabel *lblspeech = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *cmblanguage = nullptr;
    QPushButton *cmdclose = nullptr;
    CardSetWriter *m_writer = nullptr;
    bool m_refocus = false; // the language list had the keyboard when its change began
};
