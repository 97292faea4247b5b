// The card store on card sets kept in Access files, read where they lie.

#include "deck/cardstore.h"
#include "legacyfixtures.h"

#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;
using Kind = StoreError::Kind;
// Damages the bytes of a card database.
using Damage = std::function<QByteArray(QByteArray)>;
Q_DECLARE_METATYPE(StoreError::Kind)
Q_DECLARE_METATYPE(Damage)

class TestJetCardStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(haveLegacyFixtures(), legacyFixturesMissing()); }

    void reads_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("words"); // a null word: that card has none

        QTest::newRow("Access 2000") << QStringLiteral("cards26-v2000.mdb") << legacyCards26();
        QTest::newRow("Access 2002-2003") << QStringLiteral("cards26-v2003.mdb") << legacyCards26();
        QTest::newRow("10,000 rows over many pages") << QStringLiteral("cards10000-v2000.mdb") << legacyCards10000();
        QTest::newRow("empty table") << QStringLiteral("cards-empty-v2000.mdb") << QStringList();
        // Access stores an empty text and an empty field alike: neither is a word.
        QTest::newRow("key column first; empty, NULL, accented and 50-character words")
            << QStringLiteral("cards-edge-v2000.mdb")
            << QStringList{QStringLiteral("apple"), QString(), QString(), QStringLiteral("über"), QStringLiteral("ñandú"),
                           QStringLiteral("two words"), QString(50, QLatin1Char('x'))};
    }
    void reads()
    {
        QFETCH(QString, fixture);
        QFETCH(QStringList, words);
        QTemporaryDir folder;
        QVERIFY(useLegacyCardDatabase(folder.path(), fixture));
        CardStore store(folder.path());

        const auto cards = store.snapshot();
        QVERIFY2(cards, qPrintable(cards ? QString() : cards.error().message));
        CardRows expected;
        for (const QString &word : words)
            expected << (word.isNull() ? CardRow() : CardRow(word));
        QCOMPARE(*cards->rows, expected);
    }

    void replacedFile_isReadAgain()
    {
        QTemporaryDir folder;
        QVERIFY(useLegacyCardDatabase(folder.path(), QStringLiteral("cards26-v2000.mdb")));
        CardStore store(folder.path());
        const auto before = store.snapshot();
        QCOMPARE(store.snapshot()->generation, before->generation);
        QVERIFY(useLegacyCardDatabase(folder.path(), QStringLiteral("cards-edge-v2000.mdb")));
        QCOMPARE(store.count().value(), 7);
    }

    void brokenFile_givesItsError_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<Kind>("kind");

        const auto add = [](const char *name, const char *fixture, const Damage &damage, Kind kind = Kind::Damaged) {
            QTest::newRow(name) << QString::fromLatin1(fixture) << damage << kind;
        };
        const char *small = "cards26-v2000.mdb"; // 28 pages of 4096 bytes
        const qint64 page = 4096;
        const auto cut = [](qint64 size) { return Damage([size](const QByteArray &bytes) { return bytes.left(size); }); };
        add("no table tblflashcards", "no-cardtable-v2000.mdb", [](QByteArray bytes) { return bytes; }, Kind::NoTable);
        add("the format's name only", small, cut(20));
        add("half a page", small, cut(page / 2));
        add("two pages, no list of tables", small, cut(2 * page));
        add("list of tables cut", small, cut(6 * page));
        add("card table's definition cut", small, cut(15 * page));
        add("card rows cut", small, cut(25 * page));
        add("last page missing", small, cut(27 * page));
        add("unknown format version", small, [](QByteArray bytes) { return bytes.replace(0x14, 1, "\x07"); },
            Kind::NotADatabase);
        add("list of tables overwritten", small,
            [page](QByteArray bytes) { return bytes.replace(2 * page, page, QByteArray(page, '\xff')); });
    }
    void brokenFile_givesItsError()
    {
        QFETCH(QString, fixture);
        QFETCH(Damage, damage);
        QFETCH(Kind, kind);
        QTemporaryDir folder;
        QFile source(legacyFixture(fixture));
        QFile damaged(folder.filePath(QStringLiteral("pomwit.mdb")));
        QVERIFY(source.open(QIODevice::ReadOnly) && damaged.open(QIODevice::WriteOnly));
        QVERIFY(damaged.write(damage(source.readAll())) >= 0 && damaged.flush());
        CardStore store(folder.path());
        const QString named = QLatin1Char('"') + store.databasePath() + QLatin1Char('"');

        const auto cards = store.snapshot();
        QVERIFY2(!cards && cards.error().kind == kind && cards.error().message.contains(named),
                 qPrintable(cards ? QStringLiteral("read") : cards.error().message));
    }
};

QTEST_GUILESS_MAIN(TestJetCardStore)
#include "tst_jetcardstore.moc"
