// Card play in the real card window, offscreen, on real SQLite card sets and
// BMP files in a temporary application folder; only sound is captured.

#include "app/forms.h"
#include "app/frmmain.h"
#include "play/frmcard.h"
#include "legacyfixtures.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace testsupport;

namespace {

// Types each character as one key press, any Unicode character included.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        const Qt::Key key = c.isLetter() ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

class CardWindowTest : public QObject
{
    Q_OBJECT

private:
    // One card window on a card set, with scripted draws.
    struct Game
    {
        QTemporaryDir dir;
        std::unique_ptr<TestServices> services;
        std::unique_ptr<Forms> forms;
        QList<double> fractions; // the next random fractions, in order
        QByteArray databaseHash;

        explicit Game(const QStringList &words, bool pictures = true)
        {
            if (pictures)
                writeCardSet(dir.path(), words);
            else
                writeCardDatabase(dir.path(), wordsOf(words));
            start();
        }
        Game(const QList<QVariant> &words, const QStringList &pictures)
        {
            writeCardDatabase(dir.path(), words);
            writePictures(dir.path(), pictures);
            start();
        }
        Game() { start(); }
        // An Access card set from the fixtures, read where it lies.
        void useAccessCardSet(const QString &fixture)
        {
            useLegacyCardSet(dir.path(), fixture, legacyCards26());
            start();
        }

        void start()
        {
            services = std::make_unique<TestServices>(dir.path());
            services->services.randomFraction = [this] {
                return fractions.isEmpty() ? 0.0 : fractions.takeFirst();
            };
            databaseHash = fileHash(database());
        }
        void open()
        {
            if (!forms)
                forms = std::make_unique<Forms>(services->services);
            forms->main().cmdStartFlash_Click();
            QVERIFY(QTest::qWaitForWindowActive(window()));
        }
        frmCard &card() const { return forms->card(); }
        QWidget *window() const { return card().window(); }
        template <typename T>
        T *control(const char *name) const
        {
            return window()->findChild<T *>(QLatin1String(name));
        }
        QString status() const { return control<QLabel>("panel1")->text(); }
        QString answer() const { return control<QLabel>("lblAnswer")->text(); }
        QString box() const { return control<QLineEdit>("txtanswerbox")->text(); }
        QString note() const { return control<QLabel>("note")->toolTip(); }
        QString database() const { return dir.path() + QStringLiteral("/pomwit.mdb"); }
        int notices() const
        {
            int n = 0;
            for (const auto &m : services->messages->messages)
                n += m.text == QLatin1String(frmCard::reshuffleNotice);
            return n;
        }
        QStringList messages() const
        {
            QStringList texts;
            for (const auto &m : services->messages->messages)
                texts << m.text;
            return texts;
        }
        bool databaseUnchanged() const { return fileHash(database()) == databaseHash; }
    };

private slots:
    void load_showsFirstCardWithFocusInAnswerBox()
    {
        Game game({QStringLiteral("apple"), QStringLiteral("ball")});
        game.open();
        QCOMPARE(game.card().play().scurrword, QStringLiteral("apple"));
        QCOMPARE(game.card().play().cwatchkey, QStringLiteral("a"));
        QVERIFY(game.answer().isEmpty());
        QVERIFY(game.status().isEmpty());
        QVERIFY(!game.control<QLabel>("imgcardpic")->pixmap().isNull());
        QCOMPARE(QApplication::focusWidget(), game.control<QLineEdit>("txtanswerbox"));
        QVERIFY(game.note().isEmpty());
        QVERIFY(game.services->messages->messages.isEmpty());
    }

    void nextCard_statusAndNotice_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QList<double>>("fractions");
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<QList<int>>("noticesAfter");

        QTest::newRow("one card: 0/1 and a notice every time")
            << QStringList{QStringLiteral("apple")} << QList<double>{0.0, 0.5, 0.99}
            << QStringList{QStringLiteral("0/1"), QStringLiteral("0/1"), QStringLiteral("0/1")}
            << QList<int>{1, 2, 3};
        QTest::newRow("three cards: notices at the third and sixth draw, repeats or not")
            << QStringList{QStringLiteral("apple"), QStringLiteral("ball"), QStringLiteral("cat")}
            << QList<double>{0.0, 0.0, 0.7, 0.4, 0.9, 0.1}
            << QStringList{QStringLiteral("0/3"), QStringLiteral("0/3"), QStringLiteral("2/3"),
                           QStringLiteral("1/3"), QStringLiteral("2/3"), QStringLiteral("0/3")}
            << QList<int>{0, 0, 1, 1, 1, 2};
        QTest::newRow("twelve cards: the third row is 2/12")
            << QStringList{QStringLiteral("a1"), QStringLiteral("b2"), QStringLiteral("c3"), QStringLiteral("d4"),
                           QStringLiteral("e5"), QStringLiteral("f6"), QStringLiteral("g7"), QStringLiteral("h8"),
                           QStringLiteral("i9"), QStringLiteral("j10"), QStringLiteral("k11"), QStringLiteral("l12")}
            << QList<double>{2.5 / 12} << QStringList{QStringLiteral("2/12")} << QList<int>{0};
    }
    void nextCard_statusAndNotice()
    {
        QFETCH(QStringList, words);
        QFETCH(QList<double>, fractions);
        QFETCH(QStringList, statuses);
        QFETCH(QList<int>, noticesAfter);
        Game game(words);
        game.open();
        game.fractions = fractions;
        for (int i = 0; i < statuses.size(); ++i) {
            game.control<QPushButton>("cmdnextcard")->click();
            QCOMPARE(game.status(), statuses[i]);
            const int position = statuses[i].section(QLatin1Char('/'), 0, 0).toInt();
            QCOMPARE(game.card().play().scurrword, words[position]);
            QCOMPARE(game.card().play().numrandloc, position);
            QCOMPARE(game.notices(), noticesAfter[i]);
            QCOMPARE(QApplication::focusWidget(), game.control<QLineEdit>("txtanswerbox"));
        }
        QVERIFY(game.databaseUnchanged());
    }

    void keyCheck_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("phrases");

        const QString apple = QStringLiteral("apple");
        const QString aForApple = QStringLiteral("a for apple");
        QTest::newRow("A for apple") << apple << QStringLiteral("A") << QStringLiteral("A") << QStringList{aForApple};
        QTest::newRow("a for apple") << apple << QStringLiteral("a") << QStringLiteral("a") << QStringList{aForApple};
        QTest::newRow("b for apple clears the box, then holds b")
            << apple << QStringLiteral("xb") << QStringLiteral("b") << QStringList{};
        QTest::newRow("right key twice speaks twice, the box keeps both")
            << apple << QStringLiteral("aA") << QStringLiteral("aA") << QStringList{aForApple, aForApple};
        QTest::newRow("wrong key after right keys empties the box first")
            << apple << QStringLiteral("aaz") << QStringLiteral("z") << QStringList{aForApple, aForApple};
        QTest::newRow("Apple takes a lower-case a")
            << QStringLiteral("Apple") << QStringLiteral("a") << QStringLiteral("a")
            << QStringList{QStringLiteral("A for Apple")};
        QTest::newRow("Apple does not take !") << QStringLiteral("Apple") << QStringLiteral("!")
                                               << QStringLiteral("!") << QStringList{};
        QTest::newRow("über takes Ü") << QStringLiteral("über") << QStringLiteral("Ü") << QStringLiteral("Ü")
                                      << QStringList{QStringLiteral("ü for über")};
        QTest::newRow("Ñandú takes ñ") << QStringLiteral("Ñandú") << QStringLiteral("ñ") << QStringLiteral("ñ")
                                       << QStringList{QStringLiteral("Ñ for Ñandú")};
        QTest::newRow("a leading space is the first character")
            << QStringLiteral(" owl") << QStringLiteral(" ") << QStringLiteral(" ")
            << QStringList{QStringLiteral("  for  owl")};
    }
    void keyCheck()
    {
        QFETCH(QString, word);
        QFETCH(QString, keys);
        QFETCH(QString, box);
        QFETCH(QStringList, phrases);
        Game game({word});
        game.open();
        QSignalSpy said(&game.card(), &frmCard::phraseSaid);
        auto *answerBox = game.control<QLineEdit>("txtanswerbox");
        typeText(answerBox, keys);
        QCOMPARE(game.box(), box);
        QStringList spoken;
        for (const auto &args : said)
            spoken << args.at(0).toString();
        QCOMPARE(spoken, phrases);
        QCOMPARE(game.answer(), phrases.isEmpty() ? QString() : word);
        QCOMPARE(game.services->audio->played.size(), phrases.size());
    }

    void backspaceAndEnter_reachTheKeyCheck_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Backspace") << int(Qt::Key_Backspace);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }
    void backspaceAndEnter_reachTheKeyCheck()
    {
        QFETCH(int, key);
        Game game({QStringLiteral("apple")});
        game.open();
        auto *answerBox = game.control<QLineEdit>("txtanswerbox");
        typeText(answerBox, QStringLiteral("aa"));
        QTest::keyClick(answerBox, Qt::Key(key));
        QVERIFY(game.box().isEmpty());
        QVERIFY(game.status().isEmpty()); // no Next Card ran
    }

    void showWord_onFreshWindow_revealsSpeaksAndFocusesNextCard()
    {
        Game game({QStringLiteral("apple"), QStringLiteral("ball")});
        game.open();
        QSignalSpy said(&game.card(), &frmCard::phraseSaid);
        game.control<QPushButton>("cmdshowword")->click();
        QCOMPARE(game.answer(), QStringLiteral("apple"));
        QCOMPARE(said.size(), 1);
        QCOMPARE(said.at(0).at(0).toString(), QStringLiteral("a for apple"));
        QCOMPARE(QApplication::focusWidget(), game.control<QPushButton>("cmdnextcard"));
        // The next card hides the word again.
        game.control<QPushButton>("cmdnextcard")->click();
        QVERIFY(game.answer().isEmpty());
    }

    void shortcuts_workFromTheAnswerBox_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("draws");
        QTest::addColumn<bool>("reveals");
        QTest::newRow("Ctrl+N draws") << QKeySequence(Qt::CTRL | Qt::Key_N) << true << false;
        QTest::newRow("Ctrl+S reveals") << QKeySequence(Qt::CTRL | Qt::Key_S) << false << true;
        QTest::newRow("Esc draws") << QKeySequence(Qt::Key_Escape) << true << false;
    }
    void shortcuts_workFromTheAnswerBox()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(bool, draws);
        QFETCH(bool, reveals);
        Game game({QStringLiteral("apple"), QStringLiteral("ball")});
        game.open();
        game.fractions = {0.9};
        auto *answerBox = game.control<QLineEdit>("txtanswerbox");
        typeText(answerBox, QStringLiteral("x"));
        QTest::keySequence(game.window(), keys);
        QCOMPARE(game.status(), draws ? QStringLiteral("1/2") : QString());
        QCOMPARE(game.answer(), reveals ? QStringLiteral("apple") : QString());
        // The key never reached the key check: the box keeps what it held.
        QCOMPARE(game.box(), QStringLiteral("x"));
    }

    void rowsAddedWhileOpen_raiseTheCount()
    {
        Game game({QStringLiteral("apple"), QStringLiteral("ball"), QStringLiteral("cat")});
        game.open();
        game.fractions = {0.0, 0.99};
        game.control<QPushButton>("cmdnextcard")->click();
        QCOMPARE(game.status(), QStringLiteral("0/3"));
        QVERIFY(editCardDatabase(game.dir.path(), QStringLiteral("INSERT INTO tblflashcards VALUES ('dog')")));
        writePictures(game.dir.path(), {QStringLiteral("dog")});
        game.control<QPushButton>("cmdnextcard")->click();
        QCOMPARE(game.status(), QStringLiteral("3/4"));
        QCOMPARE(game.card().play().scurrword, QStringLiteral("dog"));
    }

    void rowsDeletedBetweenCountAndRead_drawAgain()
    {
        Game game({QStringLiteral("apple"), QStringLiteral("ball"), QStringLiteral("cat")});
        // The draw runs between the count and the read: delete rows right then.
        bool deleted = false;
        game.services->services.randomFraction = [&] {
            if (!deleted) {
                deleted = true;
                editCardDatabase(game.dir.path(), QStringLiteral("DELETE FROM tblflashcards WHERE cardname <> 'apple'"));
                return 0.99;
            }
            return 0.5;
        };
        game.open();
        game.forms->card().cmdnextcard_Click();
        QCOMPARE(game.status(), QStringLiteral("0/1"));
        QCOMPARE(game.card().play().scurrword, QStringLiteral("apple"));
        QCOMPARE(game.notices(), 1);
    }

    void playStateOutlivesTheWindow()
    {
        Game game({QStringLiteral("apple"), QStringLiteral("ball"), QStringLiteral("cat")});
        game.open();
        game.fractions = {0.5, 0.9, 0.5};
        game.control<QPushButton>("cmdnextcard")->click();
        game.control<QPushButton>("cmdnextcard")->click();
        game.control<QPushButton>("cmdshowword")->click();
        QCOMPARE(game.services->audio->played.size(), 1);
        QCOMPARE(game.card().play().scurrword, QStringLiteral("cat"));

        game.control<QPushButton>("cmdExit")->click();
        QCOMPARE(game.card().state(), Form::State::NotLoaded);
        QCOMPARE(game.forms->main().state(), Form::State::LoadedShown);
        QCOMPARE(game.card().play().allcardsplayed, 2);

        game.open();
        // The first card again, and the third draw of the run brings the notice.
        QCOMPARE(game.card().play().scurrword, QStringLiteral("apple"));
        QCOMPARE(game.notices(), 0);
        game.control<QPushButton>("cmdnextcard")->click();
        QCOMPARE(game.notices(), 1);
        QCOMPARE(game.card().play().allcardsplayed, 0);
        game.control<QPushButton>("cmdshowword")->click();
        QCOMPARE(game.services->audio->played.size(), 2);
    }

    void resizing_movesOnlyTheStatusBar()
    {
        Game game({QStringLiteral("apple")});
        game.open();
        QHash<QString, QRect> before;
        for (const char *name : {"imgcardpic", "lblAnswer", "cmdshowword", "cmdnextcard", "txtanswerbox", "cmdExit"})
            before.insert(QLatin1String(name), game.control<QWidget>(name)->geometry());
        const QRect bar = game.control<QStatusBar>("StatusBar")->geometry();
        QCOMPARE(game.control<QWidget>("imgcardpic")->geometry(), QRect(0, 8, 273, 217));
        QCOMPARE(game.control<QWidget>("cmdnextcard")->geometry(), QRect(104, 288, 65, 25));
        QCOMPARE(game.control<QWidget>("txtanswerbox")->geometry(), QRect(136, 288, 17, 19));
        QCOMPARE(game.control<QWidget>("client")->size(), QSize(277, 342));
        QCOMPARE(bar, QRect(0, 325, 277, 17));

        game.window()->resize(game.window()->width() + 120, game.window()->height() + 80);
        QTRY_COMPARE(game.control<QStatusBar>("StatusBar")->geometry(), QRect(0, 405, 397, 17));
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(game.control<QWidget>(qPrintable(it.key()))->geometry(), it.value());
    }

    // Faults that must not end the program: each leaves a usable window and an unchanged file.
    void storeFailure_isShownAndPlayGoesOn_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no card database") << QStringLiteral("remove") << QStringLiteral("no file");
        QTest::newRow("garbage") << QStringLiteral("garbage") << QStringLiteral("not a card database");
        QTest::newRow("no table") << QStringLiteral("droptable") << QStringLiteral("no table tblflashcards");
    }
    void storeFailure_isShownAndPlayGoesOn()
    {
        QFETCH(QString, damage);
        QFETCH(QString, expected);
        Game game({QStringLiteral("apple")});
        const QString db = game.database();
        if (damage == QLatin1String("remove")) {
            QFile::remove(db);
        } else if (damage == QLatin1String("garbage")) {
            QFile file(db);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(4096, '\x5a'));
        } else {
            QVERIFY(editCardDatabase(game.dir.path(), QStringLiteral("DROP TABLE tblflashcards")));
        }
        game.databaseHash = fileHash(db);
        const QStringList before = folderEntries(game.dir.path());

        game.open();
        QCOMPARE(game.services->messages->messages.size(), 1);
        QVERIFY2(game.messages().constFirst().contains(expected), qPrintable(game.messages().constFirst()));
        QVERIFY(game.messages().constFirst().contains(QStringLiteral("pomwit.mdb")));
        QVERIFY(game.card().play().scurrword.isEmpty());

        // Next Card tries again and tells again; keys do nothing without a card.
        game.control<QPushButton>("cmdnextcard")->click();
        QCOMPARE(game.services->messages->messages.size(), 2);
        typeText(game.control<QLineEdit>("txtanswerbox"), QStringLiteral("a"));
        QVERIFY(game.services->audio->played.isEmpty());

        // Exit still brings the main window back.
        game.control<QPushButton>("cmdExit")->click();
        QCOMPARE(game.forms->main().state(), Form::State::LoadedShown);
        QCOMPARE(folderEntries(game.dir.path()), before);
        QVERIFY(game.databaseUnchanged());
    }

    void emptyTable_nextCardSaysSo()
    {
        Game game(QStringList{});
        game.open();
        QVERIFY(game.services->messages->messages.isEmpty());
        game.control<QPushButton>("cmdnextcard")->click();
        QCOMPARE(game.services->messages->messages.size(), 1);
        QVERIFY(game.messages().constFirst().contains(QStringLiteral("has no cards")));
        QVERIFY(game.messages().constFirst().contains(game.dir.path()));
        QVERIFY(game.status().isEmpty());
        QVERIFY(game.databaseUnchanged());
    }

    void nullWord_isReportedAndSkipped()
    {
        Game game({QVariant(), QStringLiteral("ball")}, {QStringLiteral("ball")});
        game.open();
        QCOMPARE(game.services->messages->messages.size(), 1);
        QVERIFY(game.messages().constFirst().contains(QStringLiteral("no word")));
        game.fractions = {0.9};
        game.control<QPushButton>("cmdnextcard")->click();
        QCOMPARE(game.card().play().scurrword, QStringLiteral("ball"));
        QCOMPARE(game.status(), QStringLiteral("1/2"));
    }

    void unusablePicture_showsPlaceholderAndStaysPlayable_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << QStringLiteral("missing") << QStringLiteral("missing");
        QTest::newRow("empty file") << QStringLiteral("empty") << QStringLiteral("cannot be read");
        QTest::newRow("not an image") << QStringLiteral("text") << QStringLiteral("cannot be read");
        QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("not a picture file");
        QTest::newRow("fifo") << QStringLiteral("fifo") << QStringLiteral("not a picture file");
        // Refused from its header, or by the image reader's allocation limit.
        QTest::newRow("huge header") << QStringLiteral("huge") << QStringLiteral("apple.bmp");
        QTest::newRow("link outside the folder") << QStringLiteral("link") << QStringLiteral("outside");
        QTest::newRow("word with a slash") << QStringLiteral("slash") << QStringLiteral("may not contain");
    }
    void unusablePicture_showsPlaceholderAndStaysPlayable()
    {
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        const QString word = kind == QLatin1String("slash") ? QStringLiteral("../apple") : QStringLiteral("apple");
        Game game({word}, false);
        QDir(game.dir.path()).mkpath(QStringLiteral("pictures"));
        const QString picture = game.dir.path() + QStringLiteral("/pictures/apple.bmp");
        if (kind == QLatin1String("empty")) {
            QFile(picture).open(QIODevice::WriteOnly);
        } else if (kind == QLatin1String("text")) {
            QFile file(picture);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("this is not a picture\n");
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(picture));
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(mkfifo(QFile::encodeName(picture).constData(), 0600), 0);
        } else if (kind == QLatin1String("huge")) {
            // A BMP header that claims 60,000 x 60,000 pixels.
            QByteArray bmp(54, '\0');
            auto put32 = [&](int at, quint32 v) { for (int i = 0; i < 4; ++i) bmp[at + i] = char((v >> (8 * i)) & 0xff); };
            bmp[0] = 'B';
            bmp[1] = 'M';
            put32(2, 54);
            put32(10, 54);
            put32(14, 40);
            put32(18, 60000);
            put32(22, 60000);
            bmp[26] = 1;
            bmp[28] = 24;
            QFile file(picture);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bmp);
        } else if (kind == QLatin1String("link")) {
            writePictures(game.dir.path(), {QStringLiteral("outside")});
            QVERIFY(QFile::rename(game.dir.path() + QStringLiteral("/pictures/outside.bmp"),
                                  game.dir.path() + QStringLiteral("/outside.bmp")));
            QVERIFY(QFile::link(game.dir.path() + QStringLiteral("/outside.bmp"), picture));
        }
        game.open();
        QVERIFY2(game.note().contains(expected), qPrintable(game.note()));
        QVERIFY(!game.control<QLabel>("imgcardpic")->pixmap().isNull());
        QCOMPARE(game.card().play().scurrword, word);
        QCOMPARE(game.card().play().cwatchkey, word.left(1));
        QVERIFY(game.services->messages->messages.isEmpty());
        typeText(game.control<QLineEdit>("txtanswerbox"), word.left(1));
        QCOMPARE(game.answer(), word);
        QVERIFY(game.databaseUnchanged());
    }

    void manyCards_playLikeAnyOther()
    {
        QStringList words;
        for (int i = 0; i < 250; ++i)
            words << QStringLiteral("w%1").arg(i);
        Game game(words, false);
        game.open();
        game.fractions = {0.999};
        game.control<QPushButton>("cmdnextcard")->click();
        QCOMPARE(game.status(), QStringLiteral("249/250"));
        QCOMPARE(game.card().play().scurrword, QStringLiteral("w249"));
    }

    void accessCardSet_playsEndToEnd_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::newRow("Access 2000") << QStringLiteral("cards26-v2000.mdb");
        QTest::newRow("Access 2003") << QStringLiteral("cards26-v2003.mdb");
    }
    void accessCardSet_playsEndToEnd()
    {
        if (!haveLegacyFixtures())
            QSKIP(legacyFixturesMissing());
        QFETCH(QString, fixture);
        const QByteArray before = fileHash(legacyFixture(fixture));
        Game game;
        game.useAccessCardSet(fixture);
        game.open();
        const QStringList words = legacyCards26();
        QCOMPARE(game.card().play().scurrword, words.first());
        for (int p = 0; p < words.size(); ++p)
            game.fractions.append((p + 0.5) / words.size());
        for (int p = 0; p < words.size(); ++p) {
            game.control<QPushButton>("cmdnextcard")->click();
            QCOMPARE(game.status(), QStringLiteral("%1/26").arg(p));
            QCOMPARE(game.card().play().scurrword, words[p]);
            QVERIFY(game.note().isEmpty());
            typeText(game.control<QLineEdit>("txtanswerbox"), words[p].left(1).toUpper());
            QCOMPARE(game.answer(), words[p]);
        }
        QCOMPARE(game.notices(), 1);
        QCOMPARE(game.services->audio->played.size(), words.size());
        QCOMPARE(game.messages(), QStringList{QString::fromLatin1(frmCard::reshuffleNotice)});
        QCOMPARE(fileHash(legacyFixture(fixture)), before);
    }

    void soundProblem_isToldOnceAndTheWordStillShows()
    {
        Game game({QStringLiteral("apple")});
        game.services->audio->failWith = QStringLiteral("Sound is not available, so the words are shown but not spoken.");
        game.open();
        for (int i = 0; i < 3; ++i)
            game.control<QPushButton>("cmdshowword")->click();
        QCOMPARE(game.answer(), QStringLiteral("apple"));
        QCOMPARE(game.messages(), QStringList{game.services->audio->failWith});
    }
};

QTEST_MAIN(CardWindowTest)
#include "tst_cardwindow.moc"
