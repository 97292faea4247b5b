// The rules by which the five windows load, show, hide and unload, and the
// exit sequence, driven through the real windows offscreen.

#include "app/programwindows.h"
#include "app/frmmain.h"
#include "formkit/messagebox.h"
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
#include <QTimer>

using namespace testsupport;
using State = Form::State;

namespace {

constexpr FormName allNames[] = {FormName::frmMain, FormName::frmCard, FormName::frmOptions, FormName::frmAbout,
                                 FormName::frmImportCards};

struct Program
{
    QTemporaryDir dir;
    std::unique_ptr<TestServices> services;
    std::unique_ptr<ProgramWindows> forms;
    QStringList runs; // every load and unload, as "frmCard loaded"
    std::unique_ptr<QSignalSpy> ended;

    Program()
    {
        writeCardSet(dir.path(), {QStringLiteral("apple"), QStringLiteral("ball"), QStringLiteral("cat")});
        services = std::make_unique<TestServices>(dir.path());
        services->services.randomFraction = [] { return 0.5; };
        forms = std::make_unique<ProgramWindows>(services->services);
        for (FormName name : allNames) {
            Form *form = &forms->form(name);
            QObject::connect(form, &Form::loadedChanged, form, [this, form](bool loaded) {
                runs.append(form->objectName() + (loaded ? QStringLiteral(" loaded") : QStringLiteral(" unloaded")));
            });
        }
        ended = std::make_unique<QSignalSpy>(forms.get(), &FormRegistry::lastWindowUnloaded);
        forms->main().Show();
    }
    ~Program() { forms.reset(); } // the windows go first: their release still reports here
    QList<State> states() const
    {
        QList<State> result;
        for (FormName name : allNames)
            result.append(forms->form(name).state());
        return result;
    }
};

using Step = std::function<void(ProgramWindows &)>;

} // namespace

class WindowRulesTest : public QObject
{
    Q_OBJECT

private slots:
    // The windows shown at the start: the random sequences' first state; the focus: tst_accessibility.
    void mainWindow_isTheDesign()
    {
        Program p;
        QWidget *main = p.forms->main().window();
        QCOMPARE(main->windowTitle(), QStringLiteral("Pomwit"));
        QCOMPARE(main->findChild<QWidget *>(QStringLiteral("client"))->size(), QSize(310, 169));
        QVERIFY(!(main->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }

    void exitSequence_unloadsInOrder_data()
    {
        QTest::addColumn<Step>("before");
        QTest::addColumn<Step>("exit");
        QTest::addColumn<QStringList>("runs");
        const Step menu = [](ProgramWindows &f) { f.main().mnuExit_Click(6); };
        const Step closeBox = [](ProgramWindows &f) { f.main().window()->close(); };
        QTest::newRow("after options opened and closed: the hidden card window goes")
            << Step([](ProgramWindows &f) { f.main().MnuOptions_Click(); f.options().cmdclose_Click(); }) << menu
            << QStringList{QStringLiteral("frmCard unloaded"), QStringLiteral("frmMain unloaded")};
        QTest::newRow("close box with every window open")
            << Step([](ProgramWindows &f) {
                   f.main().MnuOptions_Click();
                   f.main().mnuAbout_Click();
                   f.options().cmdImportCards_Click();
               })
            << closeBox
            << QStringList{QStringLiteral("frmOptions unloaded"), QStringLiteral("frmAbout unloaded"),
                           QStringLiteral("frmImportCards unloaded"), QStringLiteral("frmCard unloaded"),
                           QStringLiteral("frmMain unloaded")};
    }
    void exitSequence_unloadsInOrder()
    {
        QFETCH(Step, before);
        QFETCH(Step, exit);
        QFETCH(QStringList, runs);
        Program p;
        before(*p.forms);
        p.runs.clear();
        exit(*p.forms);
        QCOMPARE(p.runs, runs);
        QCOMPARE(p.states(), QList<State>(5, State::NotLoaded));
        QCOMPARE(p.ended->size(), 1);
        // Releasing the main window's object runs the sequence once more, harmlessly.
        p.forms->main().Form_Terminate();
        QCOMPARE(p.runs, runs);
        QCOMPARE(p.ended->size(), 1);
    }

    // A real message box, with its own loop: what comes while it waits.
    void messageWaiting_data()
    {
        QTest::addColumn<bool>("exitSequence"); // or Exit in the card window
        QTest::newRow("the exit sequence takes the message along") << true;
        QTest::newRow("Exit waits until the message is answered") << false;
    }
    void messageWaiting()
    {
        QFETCH(bool, exitSequence);
        Program p;
        p.services->services.messages = std::make_shared<SystemMessageBoxes>();
        p.forms = std::make_unique<ProgramWindows>(p.services->services);
        p.forms->main().cmdStartFlash_Click();
        frmCard &card = p.forms->card();
        int asked = 0;
        QTimer whileAsked;
        connect(&whileAsked, &QTimer::timeout, &card, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return;
            if (++asked == 1 && exitSequence)
                p.forms->main().exitSequence();
            else if (asked == 1)
                card.cmdExit_Click();
            else if (asked == 3)
                box->close();
        });
        whileAsked.start(20);
        for (int draw = 0; draw < 4 && card.isLoaded(); ++draw)
            card.cmdnextcard_Click();
        QTRY_COMPARE(card.state(), State::NotLoaded);
        QCOMPARE(p.forms->main().state(), exitSequence ? State::NotLoaded : State::LoadedShown);
        QCOMPARE(asked, exitSequence ? 1 : 3);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void import_isClosedByItsButtonButNotByEsc()
    {
        Program p;
        p.forms->importCards().Show();
        QWidget *import = p.forms->importCards().window();
        QCOMPARE(import->windowTitle(), QStringLiteral("Import New Card Set"));
        QVERIFY(!import->findChild<QLabel *>(QStringLiteral("lblnotyet")));
        QVERIFY(QTest::qWaitForWindowActive(import));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(p.forms->importCards().state(), State::LoadedShown);
        import->findChild<QPushButton *>(QStringLiteral("cmdclose"))->click();
        QCOMPARE(p.forms->importCards().state(), State::NotLoaded);
    }

    // Thousands of random sequences of what a user can do, checked against a
    // small model of the five windows.
    void randomSequences_followTheModel()
    {
        enum W { Main, Card, Options, About, Import };
        struct Action
        {
            W from; // the window that must be shown
            Step run;
            std::function<void(QList<State> &)> expect;
        };
        const auto set = [](std::initializer_list<std::pair<W, State>> changes) {
            return [changes = QList<std::pair<W, State>>(changes)](QList<State> &m) {
                for (const auto &[w, s] : changes)
                    m[w] = s;
            };
        };
        const auto ends = [](QList<State> &m) { m = QList<State>(5, State::NotLoaded); };
        const auto backToMain = set({{Card, State::NotLoaded}, {Main, State::LoadedShown}});
        const QList<Action> actions{
            {Main, [](ProgramWindows &f) { f.main().cmdStartFlash_Click(); }, set({{Main, State::LoadedHidden}, {Card, State::LoadedShown}})},
            {Main, [](ProgramWindows &f) { f.main().MnuOptions_Click(); },
             [](QList<State> &m) {
                 if (m[Options] == State::NotLoaded && m[Card] == State::NotLoaded)
                     m[Card] = State::LoadedHidden;
                 m[Options] = State::LoadedShown;
             }},
            {Main, [](ProgramWindows &f) { f.main().mnuAbout_Click(); }, set({{About, State::LoadedShown}})},
            {Main, [](ProgramWindows &f) { f.main().mnuExit_Click(6); }, ends},
            {Main, [](ProgramWindows &f) { f.main().window()->close(); }, ends},
            {Card, [](ProgramWindows &f) { f.card().cmdExit_Click(); }, backToMain},
            {Card, [](ProgramWindows &f) { f.card().Exit_Click(2); }, backToMain},
            {Card, [](ProgramWindows &f) { f.card().window()->close(); }, backToMain},
            {Card, [](ProgramWindows &f) { f.card().mnuAbout_Click(); }, set({{About, State::LoadedShown}})},
            {Card, [](ProgramWindows &f) { f.card().cmdnextcard_Click(); }, set({})},
            {Options, [](ProgramWindows &f) { f.options().cmdImportCards_Click(); }, set({{Import, State::LoadedShown}})},
            {Options, [](ProgramWindows &f) { f.options().cmdclose_Click(); }, set({{Options, State::NotLoaded}, {Main, State::LoadedShown}})},
            {Options, [](ProgramWindows &f) { f.options().window()->close(); }, set({{Options, State::NotLoaded}})},
            {About, [](ProgramWindows &f) { f.about().cmdOK_Click(); }, set({{About, State::NotLoaded}})},
            {About, [](ProgramWindows &f) { f.about().window()->close(); }, set({{About, State::NotLoaded}})},
            {Import, [](ProgramWindows &f) { f.importCards().cmdclose_Click(); }, set({{Import, State::NotLoaded}})},
            {Import, [](ProgramWindows &f) { f.importCards().window()->close(); }, set({{Import, State::NotLoaded}})},
        };
        QRandomGenerator random(20261206);
        for (int sequence = 0; sequence < 400; ++sequence) {
            Program p;
            QList<State> model{State::LoadedShown, State::NotLoaded, State::NotLoaded, State::NotLoaded, State::NotLoaded};
            QList<int> loads{1, 0, 0, 0, 0};
            for (int step = 0; step < 30 && p.ended->isEmpty(); ++step) {
                QList<const Action *> possible;
                for (const Action &action : actions) {
                    if (model[action.from] == State::LoadedShown)
                        possible.append(&action);
                }
                const int chosen = random.bounded(int(possible.size()));
                const QList<State> before = model;
                possible[chosen]->run(*p.forms);
                possible[chosen]->expect(model);
                // A window is loaded only when it was not: showing a loaded one loads nothing.
                for (int w = Main; w <= Import; ++w)
                    loads[w] += before[w] == State::NotLoaded && model[w] != State::NotLoaded;
                const bool ended = model[Main] == State::NotLoaded;
                const auto where = qPrintable(QStringLiteral("sequence %1, step %2, action %3")
                                                  .arg(sequence).arg(step).arg(possible[chosen] - actions.constData()));
                QVERIFY2(p.states() == model, where);
                for (int w = Main; w <= Import; ++w)
                    QVERIFY2(p.runs.count(p.forms->form(allNames[w]).objectName() + QStringLiteral(" loaded")) == loads[w], where);
                // The program ends exactly when no window is loaded, and only through the exit sequence.
                QVERIFY2((p.ended->size() == 1) == ended, where);
            }
        }
    }
};

QTEST_MAIN(WindowRulesTest)
#include "tst_windowrules.moc"
