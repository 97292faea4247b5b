// The writing half of the card store on real card sets: every change all or
// nothing, and the program's own reading sees the result.

#include "cardstest.h"

#include "deck/cardseteditor.h"
#include "deck/cardwords.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using cardstest::names;

using testsupport::folderEntries;

// Changes the card set in the folder; returns what went wrong, or nothing.
using Change = std::function<QString(const QString &folder)>;
Q_DECLARE_METATYPE(Change)

namespace {

const QList<CardPictureFile> newPictures{{u"bmp"_s, "new bitmap"}, {u"jpg"_s, "new photo"}};

// Opens the card set in the folder for a change, as pomwit-cards does, after
// an edit of the database by another program.
Change edit(std::function<QString(CardSetEditor &)> change, const char *before = nullptr)
{
    return [change, before](const QString &folder) {
        if (before && !testsupport::editCardDatabase(folder, QString::fromUtf8(before)))
            return u"set-up failed"_s;
        auto editor = CardSetEditor::open(folder, CardSetEditor::Mode::Write);
        return editor ? change(*editor.value()) : editor.error().message;
    };
}

template <typename T>
QString outcome(const StoreResult<T> &result)
{
    return result ? QString() : result.error().message;
}

Change add(const QString &word, bool replace = false, const char *before = nullptr)
{
    return edit([word, replace](CardSetEditor &cards) {
        const auto staged = cards.stage(word, newPictures, replace);
        return staged ? outcome(cards.commit()) : staged.error().message;
    }, before);
}

Change remove(const QString &word, bool all, const char *before = nullptr)
{
    return edit([word, all](CardSetEditor &cards) { return outcome(cards.remove(word, all)); }, before);
}

Change rename(const QString &from, const QString &to)
{
    return edit([from, to](CardSetEditor &cards) { return outcome(cards.rename(from, to)); });
}

} // namespace

class TestCardSetEditor : public QObject
{
    Q_OBJECT

private slots:
    void newWords_data();
    void newWords();
    void changes_data();
    void changes();
    void linkedCardSet();
    void cutShortCommit();
};

void TestCardSetEditor::newWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("taken");
    QTest::newRow("spaces inside, Unicode") << u"red ñandú 🐘"_s << true;
    QTest::newRow("251 bytes with its suffix") << QString(251, QLatin1Char('x')) << true;
    QTest::newRow("252 bytes with its suffix") << QString(252, QLatin1Char('x')) << false;
    QTest::newRow("a trailing space") << "apple " << false;
    QTest::newRow("a slash") << "a/b" << false;
    QTest::newRow("a backslash") << "a\\b" << false;
    QTest::newRow("..") << ".." << false;
    QTest::newRow("a leading -") << "-x" << false;
    QTest::newRow("a control character") << "a\tb" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("a right-to-left mark") << u"apple\u200F"_s << false;
    QTest::newRow("a left-to-right override") << u"\u202Dapple"_s << false;
    QTest::newRow("a zero-width space") << u"app\u200Ble"_s << false;
    QTest::newRow("a joiner in an emoji") << u"👩\u200D👧"_s << true;
    QTest::newRow("a non-joiner in a Persian word") << u"می\u200Cخواهم"_s << true;
}

void TestCardSetEditor::newWords()
{
    QFETCH(QString, word);
    QFETCH(bool, taken);
    QCOMPARE(cardWords::checkNewWord(word).ok(), taken);
}

void TestCardSetEditor::changes_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("pictures");

    // Every row starts from apple, ball (with a PNG and an SVG beside its
    // bitmap) and cat, and a PNG of "bat", a card that is not there.
    const QStringList before = names("apple|ball|cat");
    const QStringList beforePictures = names("apple.bmp|ball.bmp|ball.png|ball.svg|bat.png|cat.bmp");
    const char *secondCat = "INSERT INTO tblflashcards VALUES ('cat')";
    const auto row = [](const char *name, const Change &change, bool refused, const QStringList &words,
                        const QStringList &pictures) { QTest::newRow(name) << change << refused << words << pictures; };
    row("a new card", add(u"ñandú grande"_s), false, names("apple|ball|cat|ñandú grande"),
        beforePictures + names("ñandú grande.bmp|ñandú grande.jpg"));
    row("a word that exists, without --replace", add(u"ball"_s), true, before, beforePictures);
    row("--replace: the card's other pictures go", add(u"ball"_s, true), false, before,
        names("apple.bmp|ball.bmp|ball.jpg|bat.png|cat.bmp"));
    row("remove: the row and every picture", remove(u"ball"_s, false), false, names("apple|cat"),
        names("apple.bmp|bat.png|cat.bmp"));
    row("remove of a word in two rows, without --all", remove(u"cat"_s, false, secondCat), true,
        names("apple|ball|cat|cat"), beforePictures);
    row("remove --all of a word in two rows", remove(u"cat"_s, true, secondCat), false, names("apple|ball"),
        names("apple.bmp|ball.bmp|ball.png|ball.svg|bat.png"));
    row("rename: same place, pictures follow, the new word's stale one goes", rename(u"ball"_s, u"bat"_s), false,
        names("apple|bat|cat"), names("apple.bmp|bat.bmp|bat.png|bat.svg|cat.bmp"));
    row("rename to a word that exists", rename(u"ball"_s, u"cat"_s), true, before, beforePictures);
    row("a word typed decomposed is stored composed", add(u"cafe\u0301"_s), false, names("apple|ball|cat|café"),
        names("apple.bmp|ball.bmp|ball.png|ball.svg|bat.png|café.bmp|café.jpg|cat.bmp"));
    row("rename to a decomposed word", rename(u"ball"_s, u"be\u0301be\u0301"_s), false, names("apple|bébé|cat"),
        names("apple.bmp|bat.png|bébé.bmp|bébé.png|bébé.svg|cat.bmp"));
    row("the database refuses the row: the pictures put in place go again",
        add(u"dog"_s, false, "CREATE TRIGGER no BEFORE INSERT ON tblflashcards BEGIN SELECT RAISE(ABORT, 'x'); END"),
        true, before, beforePictures);
}

void TestCardSetEditor::changes()
{
    QFETCH(Change, change);
    QFETCH(bool, refused);
    QFETCH(QStringList, words);
    QFETCH(QStringList, pictures);
    QTemporaryDir dir;
    QVERIFY(testsupport::writeCardSet(dir.path(), names("apple|ball|cat")));
    for (const QString &name : names("ball.png|ball.svg|bat.png"))
        QVERIFY(cardstest::writeFile(dir.path() + u"/pictures/"_s + name, "old"));

    const QString error = change(dir.path());
    QVERIFY2(error.isEmpty() != refused, qPrintable(error));
    // As the program reads it at its next draw.
    QCOMPARE(cardstest::cardWords(dir.path()), words);
    QCOMPARE(folderEntries(dir.path() + u"/pictures"_s), pictures);
    QCOMPARE(folderEntries(dir.path()), names("pictures|pomwit.mdb"));
}

void TestCardSetEditor::linkedCardSet()
{
    // The package's layout: the application folder links into /var/lib.
    QTemporaryDir app, data;
    QVERIFY(testsupport::writeCardSet(data.path(), names("apple")));
    QVERIFY(QFile::link(data.path() + u"/pomwit.mdb"_s, app.path() + u"/pomwit.mdb"_s));
    QVERIFY(QFile::link(data.path() + u"/pictures"_s, app.path() + u"/pictures"_s));
    QCOMPARE(add(u"dog"_s)(app.path()), QString());
    QCOMPARE(folderEntries(data.path() + u"/pictures"_s), names("apple.bmp|dog.bmp|dog.jpg"));
    QVERIFY(QFileInfo(app.path() + u"/pictures"_s).isSymLink());
    QCOMPARE(cardstest::cardWords(data.path()), names("apple|dog"));
}

void TestCardSetEditor::cutShortCommit()
{
    QTemporaryDir dir;
    QVERIFY(testsupport::writeCardSet(dir.path(), names("apple")));
    // A writer killed after its change reached the file (here by spilling
    // its cache) leaves a journal that the next opening must roll back.
    QVERIFY(QProcess::execute(u"sqlite3"_s, {dir.path() + u"/pomwit.mdb"_s, u"PRAGMA cache_size=1"_s, u"BEGIN"_s,
                                             u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                                             "5000) INSERT INTO tblflashcards SELECT 'half' FROM n"_s,
                                             u".system kill -9 $PPID"_s}) != 0);
    QVERIFY(QFile::exists(dir.path() + u"/pomwit.mdb-journal"_s));
    // The program, reading read-only, cannot roll it back.
    const auto halfChanged = CardStore(dir.path()).snapshot();
    QVERIFY(!halfChanged && halfChanged.error().kind == StoreError::Kind::Damaged);
    QCOMPARE(halfChanged.error().message, u"The card database \"%1/pomwit.mdb\" was left half-changed by an interrupted "
                                          "change of the card set.\n\nRun sudo pomwit-cards check to repair it, then try "
                                          "again."_s.arg(dir.path()));

    QCOMPARE(edit([](CardSetEditor &) { return QString(); })(dir.path()), QString());
    QCOMPARE(cardstest::cardWords(dir.path()), names("apple"));
}

QTEST_MAIN(TestCardSetEditor)
#include "tst_cardseteditor.moc"
