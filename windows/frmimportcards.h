#pragma once

#include "formkit/form.h"

#include <QHash>

struct CardSetChange;
class CardListModel;
class CardPreview;
class CardSetWriter;
class NewPicturesModel;
class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class QTableView;
class QWidget;
class RecordingPanel;

// The card workshop: the card set's cards with their pictures, where a
// grown-up adds a family's pictures as new cards, renames and removes cards
// and records a card's word (RecordingPanel).
// Every change is written whole through CardSetWriter, which asks for a
// grown-up's permission where the card set is not this user's.
class frmImportCards : public Form
{
    Q_OBJECT

public:
    explicit frmImportCards(FormRegistry &registry);

    void cmdclose_Click();
    void cmdaddpictures_Click();
    void cmdaddcards_Click();
    void cmdleaveout_Click();
    void cmdcancel_Click();
    void cmdrename_Click();
    void cmdremove_Click();
    void cmdconfirm_Click();
    void cmdkeep_Click();
    // Pictures chosen in the file dialog or dropped on the window.
    void addPictures(const QStringList &paths);

protected:
    QWidget *createControls() override;
    void releaseControls() override;
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Asking { Nothing, Rename, Remove, RemoveRecording };

    void reloadCards();
    void cardChosen(const QModelIndex &index);
    void renameAsked(const QString &from, const QString &to);
    void ask(Asking what, const QString &question, const QString &button);
    void submit(const CardSetChange &change);
    void written(bool done, const QString &message);
    void updateControls();
    QString selectedWord() const;
    // Why the word cannot be a new card's beside the cards there are.
    QString clashWithCards(const QString &word, const QString &except = QString()) const;

    CardListModel *m_cards = nullptr;
    NewPicturesModel *m_new = nullptr;
    CardSetWriter *m_writer = nullptr;
    Asking m_asking = Asking::Nothing;
    QString m_askedWord, m_askedNewWord;
    bool m_addingNew = false;
    // The cards there are, by cardWords::lookAlikeKey().
    QHash<QString, QString> m_cardKeys;

    QPushButton *cmdclose = nullptr;
    QListView *lstcards = nullptr;
    QLabel *lblcount = nullptr;
    QLabel *lblproblem = nullptr;
    QPushButton *cmdrename = nullptr;
    QPushButton *cmdremove = nullptr;
    QWidget *fraconfirm = nullptr;
    QLabel *lblconfirm = nullptr;
    QPushButton *cmdconfirm = nullptr;
    QPushButton *cmdkeep = nullptr;
    QPushButton *cmdaddpictures = nullptr;
    QTableView *tblnew = nullptr;
    CardPreview *imgpreview = nullptr;
    QProgressBar *prgpictures = nullptr;
    QPushButton *cmdcancel = nullptr;
    QPushButton *cmdleaveout = nullptr;
    QPushButton *cmdaddcards = nullptr;
    RecordingPanel *m_recording = nullptr;
};
