// The rules by which the five windows load, show, hide and unload, and the
// exit sequence, driven through the real windows offscreen.

#include "app/forms.h"
#include "app/frmmain.h"
#include "play/frmcard.h"
#include "testsupport.h"
#include "windows/frmabout.h"
#include "windows/frmimportcards.h"
#include "windows/frmoptions.h"

#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;
using State = Form::State;

namespace {

// Records every Form_Load and Form_Unload, by window.
class HandlerRecorder
{
public:
    explicit HandlerRecorder(Forms &forms)
    {
        for (Form *form : allForms(forms))
            QObject::connect(form, &Form::handlerCalled, form, [this, form](const QString &handler) {
                runs.append(form->objectName() + QLatin1Char('.') + handler);
            });
    }
    static QList<Form *> allForms(Forms &forms)
    {
        return {&forms.main(), &forms.card(), &forms.options(), &forms.about(), &forms.importCards()};
    }
    int count(const QString &run) const { return int(runs.count(run)); }
    QStringList runs;
};

struct Program
{
    QTemporaryDir dir;
    std::unique_ptr<TestServices> services;
    std::unique_ptr<Forms> forms;
    std::unique_ptr<HandlerRecorder> recorder;
    std::unique_ptr<QSignalSpy> ended;

    Program()
    {
        writeCardSet(dir.path(), {QStringLiteral("apple"), QStringLiteral("ball"), QStringLiteral("cat")});
        services = std::make_unique<TestServices>(dir.path());
        services->services.randomFraction = [] { return 0.5; };
        forms = std::make_unique<Forms>(services->services);
        recorder = std::make_unique<HandlerRecorder>(*forms);
        ended = std::make_unique<QSignalSpy>(forms.get(), &Forms::lastWindowUnloaded);
        forms->main().Show();
    }
    ~Program()
    {
        // The windows go first: their release still reports to the recorder.
        forms.reset();
    }
    QList<State> states() const
    {
        QList<State> result;
        for (Form *form : HandlerRecorder::allForms(*forms))
            result.append(form->state());
        return result;
    }
    static QList<State> allUnloaded() { return QList<State>(5, State::NotLoaded); }
};

} // namespace

class WindowRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void start_showsOnlyTheMainWindowWithFocusOnBegin()
    {
        Program p;
        QCOMPARE(p.states(), (QList<State>{State::LoadedShown, State::NotLoaded, State::NotLoaded,
                                           State::NotLoaded, State::NotLoaded}));
        QWidget *main = p.forms->main().window();
        QCOMPARE(main->windowTitle(), QStringLiteral("Pomwit"));
        QVERIFY(QTest::qWaitForWindowActive(main));
        QCOMPARE(QApplication::focusWidget(), main->findChild<QPushButton *>(QStringLiteral("cmdStartFlash")));
        QCOMPARE(main->findChild<QWidget *>(QStringLiteral("client"))->size(), QSize(310, 169));
        QVERIFY(!(main->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }

    void exit_withOnlyTheMainWindow_runsNoOtherHandler_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("File, Exit") << QStringLiteral("menu");
        QTest::newRow("close box") << QStringLiteral("close");
    }
    void exit_withOnlyTheMainWindow_runsNoOtherHandler()
    {
        QFETCH(QString, how);
        Program p;
        p.recorder->runs.clear();
        if (how == QLatin1String("menu"))
            p.forms->main().mnuExit_Click(6);
        else
            p.forms->main().window()->close();
        QCOMPARE(p.recorder->runs, QStringList{QStringLiteral("frmMain.Form_Unload")});
        QCOMPARE(p.states(), Program::allUnloaded());
        QCOMPARE(p.ended->size(), 1);
        // Releasing the main window's object runs the sequence once more, harmlessly.
        p.forms->main().Form_Terminate();
        QCOMPARE(p.recorder->runs.size(), 1);
        QCOMPARE(p.ended->size(), 1);
    }

    void exit_afterOptionsOpenedAndClosed_unloadsTheHiddenCardWindow()
    {
        Program p;
        p.forms->main().MnuOptions_Click();
        QCOMPARE(p.forms->card().state(), State::LoadedHidden);
        QCOMPARE(p.recorder->count(QStringLiteral("frmCard.Form_Load")), 1);
        p.forms->options().cmdclose_Click();
        QCOMPARE(p.forms->options().state(), State::NotLoaded);
        QCOMPARE(p.forms->main().state(), State::LoadedShown);
        p.recorder->runs.clear();
        p.forms->main().mnuExit_Click(6);
        QCOMPARE(p.recorder->runs, (QStringList{QStringLiteral("frmCard.Form_Unload"),
                                                QStringLiteral("frmMain.Form_Unload")}));
        QCOMPARE(p.states(), Program::allUnloaded());
        QCOMPARE(p.ended->size(), 1);
    }

    void closeBox_withAboutAndOptionsOpen_closesBothThenEnds()
    {
        Program p;
        p.forms->main().MnuOptions_Click();
        p.forms->main().mnuAbout_Click();
        p.forms->options().cmdImportCards_Click();
        QCOMPARE(p.states(), (QList<State>{State::LoadedShown, State::LoadedHidden, State::LoadedShown,
                                           State::LoadedShown, State::LoadedShown}));
        p.recorder->runs.clear();
        p.forms->main().window()->close();
        QCOMPARE(p.recorder->runs, (QStringList{QStringLiteral("frmMain.Form_Unload"),
                                                QStringLiteral("frmOptions.Form_Unload"),
                                                QStringLiteral("frmAbout.Form_Unload"),
                                                QStringLiteral("frmImportCards.Form_Unload"),
                                                QStringLiteral("frmCard.Form_Unload")}));
        QCOMPARE(p.states(), Program::allUnloaded());
        QCOMPARE(p.ended->size(), 1);
    }

    void startExitStart_showsTheFirstCardAgainAndKeepsPlayState()
    {
        Program p;
        p.forms->main().cmdStartFlash_Click();
        QCOMPARE(p.forms->main().state(), State::LoadedHidden);
        QCOMPARE(p.forms->card().state(), State::LoadedShown);
        p.forms->card().cmdnextcard_Click();
        QCOMPARE(p.forms->card().play().scurrword, QStringLiteral("ball"));
        p.forms->card().cmdExit_Click();
        QCOMPARE(p.forms->main().state(), State::LoadedShown);
        QCOMPARE(p.forms->card().state(), State::NotLoaded);
        p.forms->main().mnustart_Click();
        QCOMPARE(p.recorder->count(QStringLiteral("frmCard.Form_Load")), 2);
        QCOMPARE(p.forms->card().play().scurrword, QStringLiteral("apple"));
        QCOMPARE(p.forms->card().play().allcardsplayed, 1);
        QCOMPARE(p.ended->size(), 0);
    }

    void everyWayOutOfTheCardWindow_showsTheMainWindow_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Exit button") << QStringLiteral("button");
        QTest::newRow("File, Exit to Main Menu") << QStringLiteral("menu");
        QTest::newRow("close box") << QStringLiteral("close");
    }
    void everyWayOutOfTheCardWindow_showsTheMainWindow()
    {
        QFETCH(QString, way);
        Program p;
        p.forms->main().cmdStartFlash_Click();
        QWidget *card = p.forms->card().window();
        if (way == QLatin1String("button"))
            card->findChild<QPushButton *>(QStringLiteral("cmdExit"))->click();
        else if (way == QLatin1String("menu"))
            card->findChild<QAction *>(QStringLiteral("Exit"))->trigger();
        else
            card->close();
        QCOMPARE(p.forms->card().state(), State::NotLoaded);
        QCOMPARE(p.forms->main().state(), State::LoadedShown);
        QCOMPARE(p.recorder->count(QStringLiteral("frmCard.Form_Unload")), 1);
    }

    void start_afterOptionsLoadedTheCardWindow_showsItWithoutANewLoad()
    {
        Program p;
        p.forms->main().MnuOptions_Click();
        p.forms->main().cmdStartFlash_Click();
        QCOMPARE(p.forms->card().state(), State::LoadedShown);
        QCOMPARE(p.recorder->count(QStringLiteral("frmCard.Form_Load")), 1);
        QCOMPARE(p.forms->card().play().scurrword, QStringLiteral("apple"));
    }

    void start_whileTheCardWindowIsShown_keepsItsPlay()
    {
        Program p;
        p.forms->main().cmdStartFlash_Click();
        p.forms->card().cmdnextcard_Click();
        p.forms->main().MnuOptions_Click();
        p.forms->options().cmdclose_Click(); // shows the main window beside the card window
        QCOMPARE(p.forms->main().state(), State::LoadedShown);
        QCOMPARE(p.forms->card().state(), State::LoadedShown);
        p.forms->main().cmdStartFlash_Click();
        QCOMPARE(p.forms->main().state(), State::LoadedHidden);
        QCOMPARE(p.forms->card().state(), State::LoadedShown);
        QCOMPARE(p.recorder->count(QStringLiteral("frmCard.Form_Load")), 1);
        QCOMPARE(p.forms->card().play().scurrword, QStringLiteral("ball"));
    }

    void optionsOrAboutTwice_isOneWindowLoadedOnce_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("Options") << QStringLiteral("frmOptions");
        QTest::newRow("About") << QStringLiteral("frmAbout");
        QTest::newRow("Import") << QStringLiteral("frmImportCards");
    }
    void optionsOrAboutTwice_isOneWindowLoadedOnce()
    {
        QFETCH(QString, which);
        Program p;
        for (int i = 0; i < 2; ++i) {
            if (which == QLatin1String("frmOptions"))
                p.forms->main().MnuOptions_Click();
            else if (which == QLatin1String("frmAbout"))
                p.forms->main().mnuAbout_Click();
            else
                p.forms->importCards().Show();
        }
        QCOMPARE(p.recorder->count(which + QStringLiteral(".Form_Load")), 1);
        int windows = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            windows += w->objectName() == which && w->isVisible();
        QCOMPARE(windows, 1);
    }

    void import_isClosedByItsButtonButNotByEsc()
    {
        Program p;
        p.forms->importCards().Show();
        QWidget *import = p.forms->importCards().window();
        QCOMPARE(import->windowTitle(), QStringLiteral("Import New Card Set"));
        QVERIFY(import->findChild<QLabel *>(QStringLiteral("lblnotyet"))->text() == QStringLiteral("Not implemented yet."));
        QVERIFY(QTest::qWaitForWindowActive(import));
        QCOMPARE(QApplication::focusWidget(), import->findChild<QPushButton *>(QStringLiteral("cmdclose")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(p.forms->importCards().state(), State::LoadedShown);
        import->findChild<QPushButton *>(QStringLiteral("cmdclose"))->click();
        QCOMPARE(p.forms->importCards().state(), State::NotLoaded);
    }

    void resizing_movesNoControl_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("main") << QStringLiteral("main");
        QTest::newRow("import") << QStringLiteral("import");
    }
    void resizing_movesNoControl()
    {
        QFETCH(QString, which);
        Program p;
        Form &form = which == QLatin1String("main") ? static_cast<Form &>(p.forms->main())
                                                    : static_cast<Form &>(p.forms->importCards());
        form.Show();
        QWidget *window = form.window();
        QHash<QWidget *, QRect> before;
        for (QWidget *child : window->findChild<QWidget *>(QStringLiteral("client"))->findChildren<QWidget *>(
                 QString(), Qt::FindDirectChildrenOnly))
            before.insert(child, child->geometry());
        QVERIFY(!before.isEmpty());
        window->resize(window->width() + 200, window->height() + 150);
        QTest::qWait(0);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(it.key()->geometry(), it.value());
    }

    // Thousands of random sequences of what a user can do, checked against a
    // small model of the five windows.
    void randomSequences_followTheModel()
    {
        enum W { Main, Card, Options, About, Import };
        QRandomGenerator random(20261206);
        int steps = 0;
        for (int sequence = 0; sequence < 2000; ++sequence) {
            Program p;
            QList<State> model{State::LoadedShown, State::NotLoaded, State::NotLoaded, State::NotLoaded,
                               State::NotLoaded};
            bool ended = false;
            for (int step = 0; step < 30 && !ended; ++step, ++steps) {
                QStringList actions;
                if (model[Main] == State::LoadedShown)
                    actions << QStringLiteral("start") << QStringLiteral("options") << QStringLiteral("about")
                            << QStringLiteral("exit") << QStringLiteral("main close box");
                if (model[Card] == State::LoadedShown)
                    actions << QStringLiteral("card exit") << QStringLiteral("card menu exit")
                            << QStringLiteral("card close box") << QStringLiteral("card about")
                            << QStringLiteral("next card");
                if (model[Options] == State::LoadedShown)
                    actions << QStringLiteral("import") << QStringLiteral("options close")
                            << QStringLiteral("options close box");
                if (model[About] == State::LoadedShown)
                    actions << QStringLiteral("about ok") << QStringLiteral("about close box");
                if (model[Import] == State::LoadedShown)
                    actions << QStringLiteral("import close") << QStringLiteral("import close box");
                QVERIFY(!actions.isEmpty());
                const QString action = actions[random.bounded(int(actions.size()))];

                if (action == QLatin1String("start")) {
                    p.forms->main().cmdStartFlash_Click();
                    model[Main] = State::LoadedHidden;
                    model[Card] = State::LoadedShown;
                } else if (action == QLatin1String("options")) {
                    p.forms->main().MnuOptions_Click();
                    if (model[Options] == State::NotLoaded && model[Card] == State::NotLoaded)
                        model[Card] = State::LoadedHidden;
                    model[Options] = State::LoadedShown;
                } else if (action == QLatin1String("about") || action == QLatin1String("card about")) {
                    if (action == QLatin1String("about"))
                        p.forms->main().mnuAbout_Click();
                    else
                        p.forms->card().mnuAbout_Click();
                    model[About] = State::LoadedShown;
                } else if (action == QLatin1String("exit") || action == QLatin1String("main close box")) {
                    if (action == QLatin1String("exit"))
                        p.forms->main().mnuExit_Click(6);
                    else
                        p.forms->main().window()->close();
                    model = Program::allUnloaded();
                    ended = true;
                } else if (action.startsWith(QLatin1String("card"))) {
                    if (action == QLatin1String("card exit"))
                        p.forms->card().cmdExit_Click();
                    else if (action == QLatin1String("card menu exit"))
                        p.forms->card().Exit_Click(2);
                    else
                        p.forms->card().window()->close();
                    model[Card] = State::NotLoaded;
                    model[Main] = State::LoadedShown;
                } else if (action == QLatin1String("next card")) {
                    p.forms->card().cmdnextcard_Click();
                } else if (action == QLatin1String("import")) {
                    p.forms->options().cmdImportCards_Click();
                    model[Import] = State::LoadedShown;
                } else if (action == QLatin1String("options close")) {
                    p.forms->options().cmdclose_Click();
                    model[Options] = State::NotLoaded;
                    model[Main] = State::LoadedShown;
                } else if (action == QLatin1String("options close box")) {
                    p.forms->options().window()->close();
                    model[Options] = State::NotLoaded;
                } else if (action == QLatin1String("about ok")) {
                    p.forms->about().cmdOK_Click();
                    model[About] = State::NotLoaded;
                } else if (action == QLatin1String("about close box")) {
                    p.forms->about().window()->close();
                    model[About] = State::NotLoaded;
                } else if (action == QLatin1String("import close")) {
                    p.forms->importCards().cmdclose_Click();
                    model[Import] = State::NotLoaded;
                } else if (action == QLatin1String("import close box")) {
                    p.forms->importCards().window()->close();
                    model[Import] = State::NotLoaded;
                }

                const auto where = qPrintable(QStringLiteral("sequence %1, step %2: %3").arg(sequence).arg(step).arg(action));
                QVERIFY2(p.states() == model, where);
                // The program ends exactly when no window is loaded, and only through the exit sequence.
                QVERIFY2((p.ended->size() == 1) == ended, where);
                QVERIFY2((p.forms->loadedCount() == 0) == ended, where);
                QVERIFY2(ended || p.forms->main().isLoaded(), where);
            }
        }
        qInfo("%d random steps checked", steps);
    }
};

QTEST_MAIN(WindowRulesTest)
#include "tst_windowrules.moc"
