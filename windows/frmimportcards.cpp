#include "windows/frmimportcards.h"

#include "deck/cardwords.h"
#include "formkit/appinfo.h"
#include "formkit/designer.h"
#include "formkit/formregistry.h"
#include "formkit/services.h"
#include "play/cardpicture.h"
#include "speech/phrasepatterns.h"
#include "windows/cardlistmodel.h"
#include "windows/cardpreview.h"
#include "windows/cardsetwriter.h"
#include "windows/newpicturesmodel.h"
#include "windows/recordingpanel.h"
#include "windows/thumbnailcache.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QWidget>

namespace {

QPushButton *makeButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    // No default button: Enter in a word's editor must not add or remove cards.
    button->setAutoDefault(false);
    return button;
}

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmImportCards::frmImportCards(FormRegistry &registry)
    : Form(registry, QStringLiteral("frmImportCards"))
{
}

QWidget *frmImportCards::createControls()
{
    const auto form = designer::makeWindow(tr("Import New Card Set"), 4680, 3195, false);
    form.window->setWindowIcon(appinfo::importIcon());
    form.window->setAcceptDrops(true);
    QWidget *client = form.client;
    const QString folder = registry().services().applicationFolder;

    m_cards = new CardListModel(folder, client);
    m_new = new NewPicturesModel(client);
    m_writer = new CardSetWriter(folder, client);
    m_new->setWordCheck([this](const QString &word) { return clashWithCards(word); });

    // Neither default nor cancel button: Esc does not close this window.
    cmdclose = makeButton(QStringLiteral("cmdclose"), tr("Close"), client);
    lblcount = makeLabel(QStringLiteral("lblcount"), QString(), client);
    lstcards = new QListView(client);
    lstcards->setObjectName(QStringLiteral("lstcards"));
    lstcards->setAccessibleName(tr("Cards"));
    lstcards->setModel(m_cards);
    lstcards->setUniformItemSizes(true);
    lstcards->setIconSize(ThumbnailCache::size);
    lstcards->setEditTriggers(QAbstractItemView::EditKeyPressed);
    lstcards->setMinimumSize(240, 260);
    auto *lblcards = makeLabel(QStringLiteral("lblcards"), tr("Car&ds:"), client);
    lblcards->setBuddy(lstcards);
    cmdrename = makeButton(QStringLiteral("cmdrename"), tr("&Rename…"), client);
    cmdremove = makeButton(QStringLiteral("cmdremove"), tr("Re&move…"), client);
    lblproblem = makeLabel(QStringLiteral("lblproblem"), QString(), client);
    lblproblem->setForegroundRole(QPalette::Highlight);

    fraconfirm = new QWidget(client);
    fraconfirm->setObjectName(QStringLiteral("fraconfirm"));
    lblconfirm = makeLabel(QStringLiteral("lblconfirm"), QString(), fraconfirm);
    cmdconfirm = makeButton(QStringLiteral("cmdconfirm"), QString(), fraconfirm);
    cmdkeep = makeButton(QStringLiteral("cmdkeep"), tr("&Keep It"), fraconfirm);
    auto *confirmRow = new QHBoxLayout(fraconfirm);
    confirmRow->setContentsMargins(0, 0, 0, 0);
    confirmRow->addWidget(lblconfirm, 1);
    confirmRow->addWidget(cmdconfirm);
    confirmRow->addWidget(cmdkeep);
    fraconfirm->hide();

    cmdaddpictures = makeButton(QStringLiteral("cmdaddpictures"), tr("&Add Pictures…"), client);
    tblnew = new QTableView(client);
    tblnew->setObjectName(QStringLiteral("tblnew"));
    tblnew->setAccessibleName(tr("New pictures"));
    tblnew->setModel(m_new);
    tblnew->setIconSize(ThumbnailCache::size);
    tblnew->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblnew->setSelectionMode(QAbstractItemView::SingleSelection);
    tblnew->setEditTriggers(QAbstractItemView::AllEditTriggers);
    tblnew->setWordWrap(true);
    // Tab leaves the table, as it does every other control; arrows move in it.
    tblnew->setTabKeyNavigation(false);
    tblnew->verticalHeader()->hide();
    tblnew->verticalHeader()->setDefaultSectionSize(ThumbnailCache::size.height() + 6);
    tblnew->horizontalHeader()->setStretchLastSection(true);
    tblnew->setColumnWidth(NewPicturesModel::WordColumn, 200);
    tblnew->setMinimumSize(420, 160);
    auto *lblnew = makeLabel(QStringLiteral("lblnew"), tr("&New pictures (type each one's word):"), client);
    lblnew->setBuddy(tblnew);
    imgpreview = new CardPreview(client);
    imgpreview->setObjectName(QStringLiteral("imgpreview"));
    imgpreview->setAccessibleName(tr("Preview of the card"));
    prgpictures = new QProgressBar(client);
    prgpictures->setObjectName(QStringLiteral("prgpictures"));
    prgpictures->setAccessibleName(tr("Progress"));
    cmdcancel = makeButton(QStringLiteral("cmdcancel"), tr("Cancel"), client);
    cmdleaveout = makeButton(QStringLiteral("cmdleaveout"), tr("&Leave Out"), client);
    cmdaddcards = makeButton(QStringLiteral("cmdaddcards"), tr("&Save the New Cards"), client);
    m_recording = new RecordingPanel(registry().services().phrases, registry().services().microphone, client);

    auto *grid = new QGridLayout(client);
    grid->addWidget(lblcards, 0, 0);
    grid->addWidget(lblcount, 0, 1, Qt::AlignRight);
    grid->addWidget(lstcards, 1, 0, 4, 2);
    grid->addWidget(cmdrename, 1, 2);
    grid->addWidget(cmdremove, 2, 2);
    grid->addWidget(lblproblem, 5, 0, 1, 3);
    grid->addWidget(fraconfirm, 6, 0, 1, 3);
    grid->addWidget(lblnew, 0, 3, 1, 2);
    grid->addWidget(cmdaddpictures, 0, 5);
    grid->addWidget(tblnew, 1, 3, 3, 2);
    grid->addWidget(imgpreview, 1, 5, 3, 1);
    grid->addWidget(prgpictures, 4, 3);
    grid->addWidget(cmdcancel, 4, 4);
    grid->addWidget(cmdleaveout, 5, 3, Qt::AlignLeft);
    grid->addWidget(cmdaddcards, 5, 4, 1, 2, Qt::AlignRight);
    grid->addWidget(m_recording, 7, 0, 1, 5);
    grid->addWidget(cmdclose, 7, 5, Qt::AlignBottom);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(3, 2);
    // An addition to the designed window: it grows to fit its controls,
    // which the grid lays out again when the window is resized.
    client->setMinimumSize(grid->sizeHint());

    connect(cmdclose, &QPushButton::clicked, this, &frmImportCards::cmdclose_Click);
    connect(cmdaddpictures, &QPushButton::clicked, this, &frmImportCards::cmdaddpictures_Click);
    connect(cmdaddcards, &QPushButton::clicked, this, &frmImportCards::cmdaddcards_Click);
    connect(cmdleaveout, &QPushButton::clicked, this, &frmImportCards::cmdleaveout_Click);
    connect(cmdcancel, &QPushButton::clicked, this, &frmImportCards::cmdcancel_Click);
    connect(cmdrename, &QPushButton::clicked, this, &frmImportCards::cmdrename_Click);
    connect(cmdremove, &QPushButton::clicked, this, &frmImportCards::cmdremove_Click);
    connect(cmdconfirm, &QPushButton::clicked, this, &frmImportCards::cmdconfirm_Click);
    connect(cmdkeep, &QPushButton::clicked, this, &frmImportCards::cmdkeep_Click);
    connect(m_cards, &CardListModel::renameAsked, this, &frmImportCards::renameAsked);
    connect(m_cards, &QAbstractItemModel::modelReset, this, &frmImportCards::updateControls);
    connect(m_new, &NewPicturesModel::stateChanged, this, &frmImportCards::updateControls);
    connect(m_writer, &CardSetWriter::finished, this, &frmImportCards::written);
    connect(m_recording, &RecordingPanel::keepAsked, this, &frmImportCards::submit);
    connect(m_recording, &RecordingPanel::removeAsked, this, [this](const QString &word) {
        m_askedWord = word;
        ask(Asking::RemoveRecording, tr("Remove the recording of the card \"%1\"?").arg(word), tr("Re&move"));
    });
    connect(lstcards->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmImportCards::cardChosen);
    connect(tblnew->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &index) {
        imgpreview->showCard(m_new->preview(index.row()));
        updateControls();
    });
    // The preview follows a picture whose decoding ends while it is chosen.
    connect(m_new, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &from, const QModelIndex &to) {
        const int row = tblnew->currentIndex().row();
        if (row >= from.row() && row <= to.row())
            imgpreview->showCard(m_new->preview(row));
    });

    QWidget::setTabOrder(cmdclose, cmdaddpictures);
    QWidget::setTabOrder(cmdaddpictures, tblnew);
    QWidget::setTabOrder(tblnew, cmdleaveout);
    QWidget::setTabOrder(cmdleaveout, cmdaddcards);
    QWidget::setTabOrder(cmdaddcards, cmdcancel);
    QWidget::setTabOrder(cmdcancel, lstcards);
    QWidget::setTabOrder(lstcards, cmdrename);
    QWidget::setTabOrder(cmdrename, cmdremove);
    QWidget::setTabOrder(cmdremove, cmdconfirm);
    QWidget::setTabOrder(cmdconfirm, cmdkeep);
    QWidget::setTabOrder(cmdkeep, m_recording->firstControl());
    cmdclose->setFocus();
    return form.window;
}

void frmImportCards::releaseControls()
{
    // The models and the writer go with the window's controls.
    m_cards = nullptr;
    m_new = nullptr;
    m_writer = nullptr;
    m_asking = Asking::Nothing;
    m_addingNew = false;
    cmdclose = cmdrename = cmdremove = cmdconfirm = cmdkeep = cmdaddpictures = cmdcancel = cmdleaveout =
        cmdaddcards = nullptr;
    lstcards = nullptr;
    lblcount = lblproblem = lblconfirm = nullptr;
    fraconfirm = nullptr;
    tblnew = nullptr;
    imgpreview = nullptr;
    m_recording = nullptr;
    prgpictures = nullptr;
}

void frmImportCards::Form_Load()
{
    reloadCards();
}

void frmImportCards::Form_Unload()
{
    // Decoding stops; a change being written is still made whole, unwatched.
    // The controls going may still commit an open editor to the models.
    for (QObject *source : std::initializer_list<QObject *>{m_new, m_cards, m_writer, lstcards->selectionModel(),
                                                           tblnew->selectionModel()})
        source->disconnect(this);
    m_new->cancel();
    m_writer->abandon();
    m_recording->release();
}

void frmImportCards::cmdclose_Click()
{
    Unload();
}

void frmImportCards::reloadCards()
{
    const QString chosen = selectedWord();
    const QString problem = m_cards->reload();
    m_cardKeys.clear();
    for (const QString &word : m_cards->words())
        m_cardKeys.insert(cardWords::lookAlikeKey(word), word);
    const int count = m_cards->rowCount();
    lblcount->setText(count == 1 ? tr("1 card") : tr("%1 cards").arg(count));
    if (!problem.isEmpty())
        lblproblem->setText(problem);
    // The new pictures' words are checked against the cards anew.
    m_new->setWordCheck([this](const QString &word) { return clashWithCards(word); });
    if (m_new->rowCount() > 0)
        emit m_new->dataChanged(m_new->index(0, 0), m_new->index(m_new->rowCount() - 1, 1));
    // The card chosen stays chosen, its recording's mark now up to date.
    const auto found = count > 0 ? m_cards->match(m_cards->index(0), CardListModel::WordRole, chosen, 1, Qt::MatchExactly)
                                 : QModelIndexList();
    if (!chosen.isEmpty() && !found.isEmpty())
        lstcards->setCurrentIndex(found.first());
    else
        cardChosen(QModelIndex());
    updateControls();
}

void frmImportCards::cardChosen(const QModelIndex &index)
{
    const QString word = m_cards->data(index, CardListModel::WordRole).toString();
    const QString pictures = registry().services().applicationFolder + QLatin1String("/pictures");
    const auto bitmap = CardPicture::load(pictures + QLatin1Char('/') + word + QLatin1String(".bmp"), pictures);
    imgpreview->showCard(bitmap ? bitmap.value() : QImage());
    m_recording->setCard(word, phrasePatterns::phrase(word, m_cards->language()),
                         m_cards->data(index, CardListModel::RecordedRole).toBool());
    updateControls();
}

QString frmImportCards::clashWithCards(const QString &word, const QString &except) const
{
    const QString existing = m_cardKeys.value(cardWords::lookAlikeKey(word));
    if (existing.isEmpty() || existing == except)
        return {};
    return tr("There is already a card \"%1\": choose another word.").arg(existing);
}

void frmImportCards::cmdaddpictures_Click()
{
    // Qt's own dialog, window-modal and without a loop of its own: the
    // desktop's dialog may not be reachable by a screen reader's keys.
    auto *dialog = new QFileDialog(loadedWindow(), tr("Add Pictures"));
    dialog->setObjectName(QStringLiteral("dlgaddpictures"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setNameFilters({tr("Pictures (*.jpg *.jpeg *.png *.gif *.webp *.bmp *.svg *.JPG *.JPEG *.PNG)"),
                            tr("All files (*)")});
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    dialog->setDirectory(QFileInfo(pictures).isDir() ? pictures : QDir::homePath());
    connect(dialog, &QFileDialog::filesSelected, this, &frmImportCards::addPictures);
    dialog->open();
}

void frmImportCards::addPictures(const QStringList &paths)
{
    if (!m_new)
        return;
    m_new->addFiles(paths);
    if (!tblnew->currentIndex().isValid() && m_new->rowCount() > 0)
        tblnew->setCurrentIndex(m_new->index(0, NewPicturesModel::WordColumn));
}

void frmImportCards::cmdcancel_Click()
{
    m_new->cancel();
}

void frmImportCards::cmdleaveout_Click()
{
    m_new->leaveOut(tblnew->currentIndex().row());
}

void frmImportCards::cmdaddcards_Click()
{
    if (!m_new->canBeAdded() || m_writer->isBusy())
        return;
    m_addingNew = true;
    submit(m_new->change());
}

QString frmImportCards::selectedWord() const
{
    const QModelIndex current = lstcards->currentIndex();
    return current.isValid() ? m_cards->data(current, CardListModel::WordRole).toString() : QString();
}

void frmImportCards::cmdrename_Click()
{
    if (selectedWord().isEmpty())
        return lblproblem->setText(tr("Choose a card in the list first."));
    lstcards->setFocus();
    lstcards->edit(lstcards->currentIndex());
}

void frmImportCards::renameAsked(const QString &from, const QString &to)
{
    if (const auto usable = cardWords::checkNewWord(to); !usable)
        return lblproblem->setText(tr("\"%1\" cannot be a card's word: %2.").arg(to, usable.error()));
    if (const QString clash = clashWithCards(to, from); !clash.isEmpty())
        return lblproblem->setText(clash);
    m_askedWord = from;
    m_askedNewWord = to;
    ask(Asking::Rename, tr("Rename the card \"%1\" to \"%2\"?").arg(from, to), tr("&Rename"));
}

void frmImportCards::cmdremove_Click()
{
    const QString word = selectedWord();
    if (word.isEmpty())
        return lblproblem->setText(tr("Choose a card in the list first."));
    m_askedWord = word;
    ask(Asking::Remove, tr("Remove the card \"%1\" and its pictures?").arg(word), tr("Re&move"));
}

void frmImportCards::ask(Asking what, const QString &question, const QString &button)
{
    m_asking = what;
    lblproblem->clear();
    lblconfirm->setText(question);
    cmdconfirm->setText(button);
    cmdconfirm->setAccessibleDescription(question);
    fraconfirm->show();
    cmdconfirm->setFocus();
}

void frmImportCards::cmdconfirm_Click()
{
    CardSetChange change;
    if (m_asking == Asking::Rename)
        change.steps.append(CardSetChange::RenameCard{m_askedWord, m_askedNewWord});
    else if (m_asking == Asking::Remove)
        change.steps.append(CardSetChange::RemoveCard{m_askedWord, true});
    else if (m_asking == Asking::RemoveRecording)
        change.steps.append(CardSetChange::RemoveRecording{m_askedWord});
    cmdkeep_Click();
    if (!change.steps.isEmpty())
        submit(change);
}

void frmImportCards::cmdkeep_Click()
{
    m_asking = Asking::Nothing;
    fraconfirm->hide();
    lstcards->setFocus();
}

void frmImportCards::submit(const CardSetChange &change)
{
    m_writer->submit(change);
    updateControls();
}

void frmImportCards::written(bool done, const QString &message)
{
    const bool addedNew = std::exchange(m_addingNew, false);
    if (done && addedNew)
        m_new->clear();
    m_recording->written(done);
    reloadCards();
    if (!done)
        registry().showMessage(loadedWindow(), message, QMessageBox::Warning);
}

void frmImportCards::updateControls()
{
    if (!m_writer)
        return;
    const bool busy = m_writer->isBusy();
    const bool decoding = m_new->isDecoding();
    prgpictures->setVisible(busy || decoding);
    cmdcancel->setVisible(decoding);
    if (busy) {
        prgpictures->setRange(0, 0);
        prgpictures->setFormat(tr("Changing the card set…"));
    } else if (decoding) {
        prgpictures->setRange(0, m_new->toDecode());
        prgpictures->setValue(m_new->decoded());
        prgpictures->setFormat(tr("%v of %m pictures read"));
    }
    cmdaddpictures->setEnabled(!busy);
    cmdaddcards->setEnabled(!busy && m_new->canBeAdded());
    cmdleaveout->setEnabled(!busy && tblnew->currentIndex().isValid());
    const bool chosen = lstcards->currentIndex().isValid();
    cmdrename->setEnabled(!busy && chosen);
    cmdremove->setEnabled(!busy && chosen);
    cmdconfirm->setEnabled(!busy);
    m_recording->setBusy(busy);
}

bool frmImportCards::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == loadedWindow() && (event->type() == QEvent::DragEnter || event->type() == QEvent::Drop)) {
        auto *drop = static_cast<QDropEvent *>(event);
        QStringList paths;
        for (const QUrl &url : drop->mimeData()->urls()) {
            if (url.isLocalFile())
                paths.append(url.toLocalFile());
        }
        if (paths.isEmpty())
            return false;
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop)
            addPictures(paths);
        return true;
    }
    return Form::eventFilter(watched, event);
}
