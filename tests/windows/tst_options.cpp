// The options window against a scripted engine selector where the exact modes
// matter, and once against the real one; the card set is real.

#include "app/forms.h"
#include "app/frmmain.h"
#include "play/frmcard.h"
#include "speech/engineselector.h"
#include "testsupport.h"
#include "windows/frmimportcards.h"
#include "windows/frmoptions.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

// What a scripted selector offers, and the log of every call made to it.
struct SelectorScript
{
    QStringList modes;
    qint32 lookup = 0;
    qint32 current = 0;
    QString failing; // the call that fails, by name
    QStringList calls;
};

class ScriptedSelector : public EngineSelector
{
public:
    ScriptedSelector(QWidget *parent, SelectorScript &script)
        : EngineSelector(parent), m_script(script), m_current(script.current)
    {
    }

    qint32 Find(const QString &attributes) override { return call(u"Find", attributes) ? m_script.lookup : 0; }
    bool Select(qint32 mode) override { return call(u"Select", mode) && makeCurrent(mode); }
    qint32 CountEngines() override { return call(u"CountEngines") ? qint32(m_script.modes.size()) : 0; }
    QString ModeName(qint32 mode) override { return call(u"ModeName", mode) ? m_script.modes.value(mode - 1) : QString(); }
    qint32 CurrentMode() override { return call(u"CurrentMode") ? m_current : 0; }
    bool setCurrentMode(qint32 mode) override { return call(u"setCurrentMode", mode) && makeCurrent(mode); }

    qint32 current() const { return m_current; }

private:
    // Logs "Name(argument)" and fails the call when the script says so.
    bool call(QStringView name, const QVariant &argument = {})
    {
        m_script.calls.append(argument.isValid() ? QStringLiteral("%1(%2)").arg(name, argument.toString())
                                                 : name.toString());
        if (m_script.failing != name)
            return true;
        setLastError(name + QStringLiteral(" failed"));
        return false;
    }
    bool makeCurrent(qint32 mode)
    {
        if (mode < 1 || mode > m_script.modes.size()) {
            setLastError(QStringLiteral("There is no mode %1.").arg(mode));
            return false;
        }
        m_current = mode;
        return true;
    }

    SelectorScript &m_script;
    qint32 m_current;
};

const QString lookupCall = QStringLiteral("Find(Mfg=Microsoft;Gender=1)");

// A program on a small card set whose card window gets a scripted selector.
struct Program
{
    QTemporaryDir dir;
    SelectorScript script;
    std::unique_ptr<TestServices> services;
    std::unique_ptr<Forms> forms;

    explicit Program(bool scripted = true, bool cardSet = true)
    {
        if (cardSet)
            writeCardSet(dir.path(), {QStringLiteral("apple"), QStringLiteral("ball")});
        services = std::make_unique<TestServices>(dir.path());
        if (scripted) {
            services->services.makeEngineSelector = [this](QWidget *parent) {
                return new ScriptedSelector(parent, script);
            };
        }
        forms = std::make_unique<Forms>(services->services);
    }

    frmOptions &options() { return forms->options(); }
    QComboBox *list() { return options().window()->findChild<QComboBox *>(QStringLiteral("cmbvoice")); }
    ScriptedSelector *selector() { return static_cast<ScriptedSelector *>(forms->card().DSSSpeech()); }
    QStringList entries()
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names.append(list()->itemText(i));
        return names;
    }
};

int countOf(const QSignalSpy &spy, const QString &handler)
{
    int n = 0;
    for (const QList<QVariant> &args : spy)
        n += args.at(0).toString() == handler ? 1 : 0;
    return n;
}

} // namespace

class OptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void load_fillsListAndMarksCurrent_data()
    {
        QTest::addColumn<QStringList>("modes");
        QTest::addColumn<qint32>("lookup");
        QTest::addColumn<qint32>("current");
        QTest::addColumn<int>("marked");
        QTest::addColumn<QStringList>("callsAfterCount");
        QTest::addColumn<bool>("noVoicesNote");

        const QStringList three{QStringLiteral("Alto"), QStringLiteral("Bass"), QStringLiteral("Contralto")};
        const QStringList names{QStringLiteral("ModeName(1)"), QStringLiteral("ModeName(2)"),
                                QStringLiteral("ModeName(3)"), QStringLiteral("CurrentMode")};
        QTest::newRow("three modes, lookup finds 2: second marked, 2 written back once")
            << three << 2 << 0 << 1 << (names + QStringList{QStringLiteral("setCurrentMode(2)")}) << false;
        QTest::newRow("lookup finds nothing, current 3: third marked")
            << three << 0 << 3 << 2 << (names + QStringList{QStringLiteral("setCurrentMode(3)")}) << false;
        QTest::newRow("no mode current: nothing marked, nothing written")
            << three << 0 << 0 << -1 << names << false;
        QTest::newRow("current above the count marks nothing") << three << 0 << 4 << -1 << names << false;
        QTest::newRow("current below zero marks nothing") << three << 0 << -2 << -1 << names << false;
        QTest::newRow("current beyond a list position marks nothing") << three << 0 << 40000 << -1 << names << false;
        QTest::newRow("no modes, current 0") << QStringList() << 0 << 0 << -1
                                             << QStringList{QStringLiteral("CurrentMode")} << true;
        QTest::newRow("no modes, current 1: nothing marked, program goes on")
            << QStringList() << 0 << 1 << -1 << QStringList{QStringLiteral("CurrentMode")} << true;
    }

    void load_fillsListAndMarksCurrent()
    {
        QFETCH(QStringList, modes);
        QFETCH(qint32, lookup);
        QFETCH(qint32, current);
        QFETCH(int, marked);
        QFETCH(QStringList, callsAfterCount);
        QFETCH(bool, noVoicesNote);

        Program program;
        program.script.modes = modes;
        program.script.lookup = lookup;
        program.script.current = current;
        program.options().Show();

        QVERIFY(program.options().isShown());
        const QStringList expected = QStringList{lookupCall, QStringLiteral("Select(%1)").arg(lookup),
                                                 QStringLiteral("CountEngines")}
                                     + callsAfterCount;
        QCOMPARE(program.script.calls, expected);
        QCOMPARE(program.entries(), modes);
        QCOMPARE(program.list()->currentIndex(), marked);
        QCOMPARE(program.list()->lineEdit()->placeholderText().isEmpty(), !noVoicesNote);
        if (noVoicesNote)
            QCOMPARE(program.list()->lineEdit()->placeholderText(), QStringLiteral("No voices are installed."));
        QVERIFY(program.services->messages->messages.isEmpty());
    }

    void choosingEntry_makesModeCurrent_untilNextOpening()
    {
        Program program;
        program.script.modes = {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")};
        program.script.lookup = 2;
        program.options().Show();
        program.script.calls.clear();

        QTest::keyClick(program.list(), Qt::Key_Down); // from the second entry to the third
        QCOMPARE(program.script.calls, QStringList{QStringLiteral("setCurrentMode(3)")});
        QCOMPARE(program.selector()->current(), 3);

        program.options().window()->findChild<QPushButton *>(QStringLiteral("cmdclose"))->click();
        QVERIFY(!program.options().isLoaded());
        QCOMPARE(program.selector()->current(), 3); // the card window keeps its selector

        program.options().Show();
        QCOMPARE(program.list()->currentIndex(), 1);
        QCOMPARE(program.selector()->current(), 2);
    }

    void typingInEditField_changesNothing()
    {
        Program program;
        program.script.modes = {QStringLiteral("one"), QStringLiteral("two")};
        program.script.lookup = 1;
        program.options().Show();
        program.script.calls.clear();

        QLineEdit *edit = program.list()->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("two"));
        QTest::keyClick(edit, Qt::Key_Return);

        QCOMPARE(program.script.calls, QStringList());
        QCOMPARE(program.selector()->current(), 1);
        QCOMPARE(program.list()->count(), 2);
    }

    void failingSelector_showsOneMessage_andWindowOpens_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("entries");
        QTest::newRow("lookup fails") << QStringLiteral("Find") << 0;
        QTest::newRow("select refuses the lookup's mode") << QStringLiteral("Select") << 0;
        QTest::newRow("count fails") << QStringLiteral("CountEngines") << 0;
        QTest::newRow("a mode's name fails") << QStringLiteral("ModeName") << 0;
        QTest::newRow("current mode fails") << QStringLiteral("CurrentMode") << 2;
        QTest::newRow("writing the current mode fails") << QStringLiteral("setCurrentMode") << 2;
    }

    void failingSelector_showsOneMessage_andWindowOpens()
    {
        QFETCH(QString, failing);
        QFETCH(int, entries);
        Program program;
        program.script.modes = {QStringLiteral("one"), QStringLiteral("two")};
        program.script.lookup = 1;
        program.script.failing = failing;

        program.options().Show();

        QVERIFY(program.options().isShown());
        QCOMPARE(program.list()->count(), entries);
        QCOMPARE(program.services->messages->messages.size(), 1);
        QVERIFY(program.services->messages->messages.first().text.contains(failing + QStringLiteral(" failed")));
    }

    void opening_beforeAnyCard_loadsCardWindowHidden()
    {
        Program program;
        QSignalSpy cardHandlers(&program.forms->card(), &Form::handlerCalled);
        program.forms->main().Show();

        program.forms->main().MnuOptions_Click();

        QCOMPARE(program.forms->card().state(), Form::State::LoadedHidden);
        QCOMPARE(countOf(cardHandlers, QStringLiteral("Form_Load")), 1);
        QVERIFY(program.options().isShown());
        QVERIFY(program.forms->main().isShown());

        // Closing leaves the card window loaded and hidden.
        program.options().window()->close();
        QCOMPARE(program.forms->card().state(), Form::State::LoadedHidden);
    }

    void opening_withoutCardDatabase_saysSoOnce_andOpens()
    {
        Program program(true, false);
        program.script.modes = {QStringLiteral("one")};
        program.script.lookup = 1;

        program.options().Show();

        QVERIFY(program.options().isShown());
        QCOMPARE(program.list()->currentIndex(), 0);
        QCOMPARE(program.services->messages->messages.size(), 1);
    }

    void closing_showsMainWindowOnlyThroughClose_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("mainShown");
        QTest::newRow("close box leaves the main window hidden") << QStringLiteral("box") << false;
        QTest::newRow("Close button shows the main window") << QStringLiteral("cmdclose") << true;
        QTest::newRow("File, Close shows the main window") << QStringLiteral("mnuclose") << true;
    }

    void closing_showsMainWindowOnlyThroughClose()
    {
        QFETCH(QString, how);
        QFETCH(bool, mainShown);
        Program program;
        program.forms->main().Show();
        program.forms->main().cmdStartFlash_Click(); // main hidden, cards in play
        program.options().Show();
        QWidget *window = program.options().window();

        if (how == QLatin1String("box"))
            window->close();
        else if (how == QLatin1String("cmdclose"))
            window->findChild<QPushButton *>(how)->click();
        else
            window->findChild<QAction *>(how)->trigger();

        QVERIFY(!program.options().isLoaded());
        QCOMPARE(program.forms->main().isShown(), mainShown);
        QVERIFY(program.forms->card().isShown());
    }

    void importTwice_givesOneWindow()
    {
        Program program;
        QSignalSpy importHandlers(&program.forms->importCards(), &Form::handlerCalled);
        program.options().Show();
        auto *import = program.options().window()->findChild<QPushButton *>(QStringLiteral("cmdImportCards"));

        import->click();
        import->click();

        QVERIFY(program.forms->importCards().isShown());
        QCOMPARE(countOf(importHandlers, QStringLiteral("Form_Load")), 1);
        QVERIFY(program.options().isShown());
    }

    void realSelector_listMatchesSelector()
    {
        Program program(false);
        program.options().Show();

        EngineSelector *selector = program.forms->card().DSSSpeech();
        const QStringList names = program.entries();
        QCOMPARE(names.size(), qMax(0, selector->CountEngines()));
        for (const QString &name : names)
            QVERIFY2(!name.isEmpty(), "every mode has a name");
        QCOMPARE(program.list()->currentIndex(), selector->CurrentMode() - 1);
        QCOMPARE(program.list()->lineEdit()->placeholderText().isEmpty(), !names.isEmpty());
        QVERIFY(program.services->messages->messages.isEmpty());
    }
};

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
