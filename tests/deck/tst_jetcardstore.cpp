// The card store on card sets kept in Access (Jet 4) files.

#include "deck/cardstore.h"

#include "legacyfixtures.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

using Kind = StoreError::Kind;

// Writes the first size bytes of a fixture as folder/pomwit.mdb, with an
// optional run of bytes overwritten at an offset.
bool writeDamagedCopy(const QString &folder, const QString &fixture, qint64 size, qint64 patchAt = -1,
                      const QByteArray &patch = {})
{
    QFile source(legacyFixture(fixture));
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = source.read(size);
    if (patchAt >= 0)
        bytes.replace(patchAt, patch.size(), patch);
    QFile target(folder + QStringLiteral("/pomwit.mdb"));
    return target.open(QIODevice::WriteOnly) && target.write(bytes) == bytes.size();
}

} // namespace

class TestJetCardStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void fixture_givesItsRowsInTableOrder_data();
    void fixture_givesItsRowsInTableOrder();
    void emptyTable_countsNoneAndHasNoFirstCard();
    void fileWithoutCardTable_saysTheTableIsMissing();
    void edgeRows_emptyAndNullAreCardsWithoutAWord_data();
    void edgeRows_emptyAndNullAreCardsWithoutAWord();
    void damagedFile_givesAClearError_data();
    void damagedFile_givesAClearError();
    void reading_leavesTheFileUnchanged_data();
    void reading_leavesTheFileUnchanged();
};

void TestJetCardStore::initTestCase()
{
    if (!haveLegacyFixtures())
        QSKIP(legacyFixturesMissing());
}

void TestJetCardStore::fixture_givesItsRowsInTableOrder_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QList<int>>("positions");

    QList<int> all26;
    for (int p = 0; p < 26; ++p)
        all26.append(p);
    // Every row of the large set would read 50 million rows; its ends, the
    // seam between the named words and the numbered ones, and a stride do.
    QList<int> sample10000 = all26;
    sample10000 << 26 << 27 << 4999 << 5000 << 9998 << 9999;
    for (int p = 113; p < 10000; p += 997)
        sample10000.append(p);

    QTest::newRow("Access 2000, 26 cards") << QStringLiteral("cards26-v2000.mdb") << legacyCards26() << all26;
    QTest::newRow("Access 2002-2003, 26 cards") << QStringLiteral("cards26-v2003.mdb") << legacyCards26() << all26;
    QTest::newRow("Access 2000, 10000 cards")
        << QStringLiteral("cards10000-v2000.mdb") << legacyCards10000() << sample10000;
}

void TestJetCardStore::fixture_givesItsRowsInTableOrder()
{
    QFETCH(QString, fixture);
    QFETCH(QStringList, words);
    QFETCH(QList<int>, positions);
    QTemporaryDir folder;
    QVERIFY(useLegacyCardDatabase(folder.path(), fixture));
    const CardStore store(folder.path());

    const auto count = store.count();
    QVERIFY2(count.ok(), qPrintable(count.ok() ? QString() : count.error().message));
    QCOMPARE(count.value(), words.size());

    const auto first = store.firstCard();
    QVERIFY(first.ok());
    QCOMPARE(first.value(), std::optional<QString>(words.first()));

    for (int position : positions) {
        const auto word = store.cardAt(position);
        QVERIFY2(word.ok(), qPrintable(QStringLiteral("position %1").arg(position)));
        QCOMPARE(word.value(), words.at(position));
    }

    for (int beyond : {int(words.size()), int(words.size()) + 1000, -1}) {
        const auto word = store.cardAt(beyond);
        QVERIFY(!word.ok());
        QCOMPARE(word.error().kind, Kind::NoSuchPosition);
    }
}

void TestJetCardStore::emptyTable_countsNoneAndHasNoFirstCard()
{
    QTemporaryDir folder;
    QVERIFY(useLegacyCardDatabase(folder.path(), QStringLiteral("cards-empty-v2000.mdb")));
    const CardStore store(folder.path());

    const auto count = store.count();
    QVERIFY(count.ok());
    QCOMPARE(count.value(), 0);
    const auto first = store.firstCard();
    QVERIFY(first.ok());
    QVERIFY(!first.value().has_value());
    const auto word = store.cardAt(0);
    QVERIFY(!word.ok());
    QCOMPARE(word.error().kind, Kind::NoSuchPosition);
}

void TestJetCardStore::fileWithoutCardTable_saysTheTableIsMissing()
{
    QTemporaryDir folder;
    QVERIFY(useLegacyCardDatabase(folder.path(), QStringLiteral("no-cardtable-v2000.mdb")));
    const CardStore store(folder.path());

    const QList<StoreError> errors{store.count().error(), store.firstCard().error(), store.cardAt(0).error()};
    for (const StoreError &error : errors) {
        QCOMPARE(error.kind, Kind::NoTable);
        QVERIFY(error.message.contains(QDir::toNativeSeparators(store.databasePath())));
        QVERIFY(error.message.contains(QLatin1String("tblflashcards")));
    }
}

void TestJetCardStore::edgeRows_emptyAndNullAreCardsWithoutAWord_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("word"); // a null word: the card cannot be shown

    QTest::newRow("plain word after an AutoNumber key") << 0 << QStringLiteral("apple");
    QTest::newRow("empty text") << 1 << QString();
    QTest::newRow("NULL") << 2 << QString();
    QTest::newRow("umlaut") << 3 << QStringLiteral("\u00fcber");
    QTest::newRow("tilde and accent") << 4 << QStringLiteral("\u00f1and\u00fa");
    QTest::newRow("inner space") << 5 << QStringLiteral("two words");
    QTest::newRow("50 characters, the column's width") << 6 << QString(50, QLatin1Char('x'));
}

void TestJetCardStore::edgeRows_emptyAndNullAreCardsWithoutAWord()
{
    QFETCH(int, position);
    QFETCH(QString, word);
    QTemporaryDir folder;
    QVERIFY(useLegacyCardDatabase(folder.path(), QStringLiteral("cards-edge-v2000.mdb")));
    const CardStore store(folder.path());

    QCOMPARE(store.count().value(), 7);
    QCOMPARE(store.firstCard().value(), std::optional<QString>(QStringLiteral("apple")));
    const auto read = store.cardAt(position);
    if (word.isNull()) {
        QVERIFY(!read.ok());
        QCOMPARE(read.error().kind, Kind::NoWord);
        QVERIFY(read.error().message.contains(QStringLiteral("Card %1 ").arg(position + 1)));
    } else {
        QVERIFY(read.ok());
        QCOMPARE(read.value(), word);
    }
}

void TestJetCardStore::damagedFile_givesAClearError_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("patchAt");
    QTest::addColumn<QByteArray>("patch");

    const QString small = QStringLiteral("cards26-v2000.mdb"); // 28 pages of 4096 bytes
    const QString large = QStringLiteral("cards10000-v2000.mdb"); // 93 pages
    const qint64 page = 4096;
    const qint64 whole = -1;
    QTest::newRow("magic only") << small << qint64(20) << whole << QByteArray();
    QTest::newRow("half a page") << small << page / 2 << whole << QByteArray();
    QTest::newRow("one page") << small << page << whole << QByteArray();
    QTest::newRow("two pages, no list of tables") << small << 2 * page << whole << QByteArray();
    QTest::newRow("mid-page") << small << 9 * page + 1000 << whole << QByteArray();
    QTest::newRow("list of tables cut") << small << 6 * page << whole << QByteArray();
    QTest::newRow("card table definition cut") << small << 15 * page << whole << QByteArray();
    QTest::newRow("card rows cut") << small << 25 * page << whole << QByteArray();
    QTest::newRow("last page missing") << small << 27 * page << whole << QByteArray();
    QTest::newRow("last byte missing") << small << 28 * page - 1 << whole << QByteArray();
    QTest::newRow("large set, half its rows") << large << 50 * page << whole << QByteArray();
    QTest::newRow("large set, last page missing") << large << 92 * page << whole << QByteArray();
    QTest::newRow("unknown format version") << small << 28 * page << qint64(0x14) << QByteArray(1, '\x07');
    QTest::newRow("list of tables overwritten")
        << small << 28 * page << 2 * page << QByteArray(int(page), '\xff');
}

void TestJetCardStore::damagedFile_givesAClearError()
{
    QFETCH(QString, fixture);
    QFETCH(qint64, size);
    QFETCH(qint64, patchAt);
    QFETCH(QByteArray, patch);
    QTemporaryDir folder;
    QVERIFY(writeDamagedCopy(folder.path(), fixture, size, patchAt, patch));
    const CardStore store(folder.path());
    const QString shownPath = QDir::toNativeSeparators(store.databasePath());

    const auto count = store.count();
    QVERIFY(!count.ok());
    QVERIFY2(count.error().kind == Kind::Damaged || count.error().kind == Kind::NotADatabase,
             qPrintable(count.error().message));
    QVERIFY(count.error().message.contains(shownPath));

    // The rows before the damage may still be read; what is read is right.
    const auto first = store.firstCard();
    if (first.ok())
        QCOMPARE(first.value(), std::optional<QString>(QStringLiteral("apple")));
    else
        QVERIFY(first.error().message.contains(shownPath));
    const auto last = store.cardAt(25);
    if (last.ok())
        QCOMPARE(last.value(), QStringLiteral("zebra"));
    else
        QVERIFY(last.error().message.contains(shownPath));
}

void TestJetCardStore::reading_leavesTheFileUnchanged_data()
{
    QTest::addColumn<QString>("fixture");
    for (const char *name : {"cards26-v2000.mdb", "cards26-v2003.mdb", "cards-edge-v2000.mdb",
                             "cards-empty-v2000.mdb", "no-cardtable-v2000.mdb", "cards10000-v2000.mdb"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestJetCardStore::reading_leavesTheFileUnchanged()
{
    QFETCH(QString, fixture);
    const QByteArray before = fileHash(legacyFixture(fixture));
    QVERIFY(!before.isEmpty());
    QTemporaryDir folder;
    QVERIFY(useLegacyCardDatabase(folder.path(), fixture));
    const CardStore store(folder.path());

    (void)store.count();
    (void)store.firstCard();
    for (int position : {0, 1, 2, 6, 25, 9999})
        (void)store.cardAt(position);

    QCOMPARE(fileHash(legacyFixture(fixture)), before);
    QCOMPARE(folderEntries(folder.path()), QStringList{QStringLiteral("pomwit.mdb")});
}

QTEST_GUILESS_MAIN(TestJetCardStore)
#include "tst_jetcardstore.moc"
