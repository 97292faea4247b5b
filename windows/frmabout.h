#pragma once

#include "formkit/form.h"

class QLabel;
class QPushButton;
class QTimer;

// The about window: title, version, a word on the program and how to add
// cards, and a link to the maker's web site that lights up under the pointer.
class frmAbout : public Form
{
    Q_OBJECT

public:
    explicit frmAbout(FormRegistry &registry);

    void lbhyperlink_MouseMove();
    void Timer1_Timer();
    void lbhyperlink_MouseDown();
    void lbhyperlink_MouseUp();
    void lbhyperlink_Click();
    void cmdOK_Click();

    // The link's text colour, 0xBBGGRR, is its whole state.
    static constexpr quint32 idleColour = 0x000000;
    static constexpr quint32 highlightColour = 0xFF0000;
    static constexpr quint32 pressedColour = 0x0000FF;
    static constexpr int leaveCheckInterval = 100;

    static constexpr auto disclaimer = QT_TR_NOOP(
        "NOTE: Until Import is implemented, you can add more cards by: 1) Copying the file into the "
        "pictures directory, and 2) Open the MDB file and add the picture's name to the table.");

protected:
    QWidget *createControls() override;
    void releaseControls() override;
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShellOpen(const QString &operation, const QString &file);
    quint32 linkColour() const;
    void setLinkColour(quint32 colour);
    void setLinkUnderlined(bool underlined);

    QPushButton *cmdOK = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QWidget *picHyperlink = nullptr;
    QLabel *lbhyperlink = nullptr;
    QTimer *Timer1 = nullptr;
    bool m_pressedOnLink = false;
};
