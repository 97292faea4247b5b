#include "deck/cardstore.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <functional>
#include <limits>
#include <memory>

using namespace testsupport;

using CardSetMaker = std::function<bool(const QString &databasePath)>;
using Kinds = QList<StoreError::Kind>;

Q_DECLARE_METATYPE(CardSetMaker)
Q_DECLARE_METATYPE(StoreError::Kind)

namespace {

QString kindName(StoreError::Kind kind)
{
    switch (kind) {
    case StoreError::Kind::Missing: return QStringLiteral("Missing");
    case StoreError::Kind::NotReadable: return QStringLiteral("NotReadable");
    case StoreError::Kind::NotADatabase: return QStringLiteral("NotADatabase");
    case StoreError::Kind::Damaged: return QStringLiteral("Damaged");
    case StoreError::Kind::NoTable: return QStringLiteral("NoTable");
    case StoreError::Kind::NoColumn: return QStringLiteral("NoColumn");
    case StoreError::Kind::Locked: return QStringLiteral("Locked");
    case StoreError::Kind::NoWord: return QStringLiteral("NoWord");
    case StoreError::Kind::NoSuchPosition: return QStringLiteral("NoSuchPosition");
    case StoreError::Kind::Failed: return QStringLiteral("Failed");
    }
    return QStringLiteral("?");
}

// Empty when the read failed with one of the given kinds and a message that
// names the database file; otherwise what went wrong instead.
template <typename T>
QString unexpectedOutcome(const StoreResult<T> &result, const Kinds &kinds, const QString &path)
{
    if (result.ok())
        return QStringLiteral("succeeded");
    const StoreError &error = result.error();
    if (!kinds.contains(error.kind))
        return QStringLiteral("gave %1: %2").arg(kindName(error.kind), error.message);
    if (!error.message.contains(QDir::toNativeSeparators(path)))
        return QStringLiteral("gave a message that does not name the file: %1").arg(error.message);
    return {};
}

template <typename T>
QString messageOf(const StoreResult<T> &result)
{
    return result.ok() ? QString() : kindName(result.error().kind) + QStringLiteral(": ") + result.error().message;
}

// What a folder holds: each entry's name with the hash of a regular file's
// bytes, or its kind. Other entries are never opened: reading a FIFO blocks.
QStringList folderSnapshot(const QString &folder)
{
    QStringList snapshot;
    for (const QString &name : folderEntries(folder)) {
        const QFileInfo info(folder + QLatin1Char('/') + name);
        if (info.isDir())
            snapshot.append(name + QStringLiteral(" (folder)"));
        else if (info.isFile())
            snapshot.append(name + QLatin1Char(' ') + QString::fromLatin1(fileHash(info.filePath()).toHex()));
        else
            snapshot.append(name + QStringLiteral(" (special file)"));
    }
    return snapshot;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

QList<QVariant> numberedWords(int count)
{
    QList<QVariant> words;
    for (int i = 0; i < count; ++i)
        words.append(QStringLiteral("card%1").arg(i));
    return words;
}

QString folderOf(const QString &databasePath)
{
    return QFileInfo(databasePath).absolutePath();
}

} // namespace

class TestCardStore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void reads_followTheTableInItsOrder_data();
    void reads_followTheTableInItsOrder();
    void cardAt_positions_data();
    void cardAt_positions();
    void reads_seeRowsAddedAndDeletedWithoutANewStore();
    void nonTextWord_isReadAsText_data();
    void nonTextWord_isReadAsText();
    void nullWord_onlyThatCardFails();

    void picturePath_keepsTheWordUnchanged_data();
    void picturePath_keepsTheWordUnchanged();
    void picturePath_wordLeavingThePicturesFolder_givesNoPath_data();
    void picturePath_wordLeavingThePicturesFolder_givesNoPath();

    void brokenCardSet_givesItsErrorAndLeavesTheFolderUntouched_data();
    void brokenCardSet_givesItsErrorAndLeavesTheFolderUntouched();
    void unreadableFile_givesNotReadable();
    void lockedDatabase_givesLockedAfterAShortWait();
    void walModeCardSet_isReadWithoutLeavingFilesBehind_data();
    void walModeCardSet_isReadWithoutLeavingFilesBehind();

    void bundledCardSet_hasTwentySixPlayableCards();

private:
    QString folder() const { return m_dir->path(); }
    QString databasePath() const { return m_dir->filePath(QStringLiteral("pomwit.mdb")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCardStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCardStore::reads_followTheTableInItsOrder_data()
{
    QTest::addColumn<QStringList>("words");

    QTest::newRow("one row") << QStringList{QStringLiteral("apple")};
    QTest::newRow("empty table") << QStringList{};
    QTest::newRow("insertion order, not alphabetical")
        << QStringList{QStringLiteral("zebra"), QStringLiteral("apple"), QStringLiteral("moon"), QStringLiteral("ball")};
    QTest::newRow("the same word twice is two cards") << QStringList{QStringLiteral("cat"), QStringLiteral("cat")};
    QTest::newRow("words come back unchanged")
        << QStringList{QStringLiteral("apple "), QStringLiteral(" Apple"), QStringLiteral("\u00c4pfel"),
                       QStringLiteral("ice cream"), QStringLiteral("it's \"big\""), QStringLiteral("")};
}

void TestCardStore::reads_followTheTableInItsOrder()
{
    QFETCH(QStringList, words);
    QVERIFY(writeCardDatabase(folder(), wordsOf(words)));
    const QStringList before = folderSnapshot(folder());
    const CardStore store(folder());

    const auto count = store.count();
    QVERIFY2(count.ok(), qPrintable(messageOf(count)));
    QCOMPARE(count.value(), words.size());

    const auto first = store.firstCard();
    QVERIFY2(first.ok(), qPrintable(messageOf(first)));
    QCOMPARE(first.value().has_value(), !words.isEmpty());
    if (!words.isEmpty())
        QCOMPARE(*first.value(), words.first());

    for (int position = 0; position < words.size(); ++position) {
        const auto word = store.cardAt(position);
        QVERIFY2(word.ok(), qPrintable(messageOf(word)));
        QCOMPARE(word.value(), words.at(position));
    }
    const auto pastTheEnd = store.cardAt(words.size());
    QVERIFY(!pastTheEnd.ok());
    QCOMPARE(kindName(pastTheEnd.error().kind), kindName(StoreError::Kind::NoSuchPosition));

    // Reading never writes: no journal, no change to the file.
    QCOMPARE(folderSnapshot(folder()), before);
}

void TestCardStore::cardAt_positions_data()
{
    QTest::addColumn<qint32>("position");
    QTest::addColumn<QString>("word"); // null: there is no such card

    QTest::newRow("first") << 0 << QStringLiteral("card0");
    QTest::newRow("the 101st card") << 100 << QStringLiteral("card100");
    QTest::newRow("last") << 999 << QStringLiteral("card999");
    QTest::newRow("one past the end") << 1000 << QString();
    QTest::newRow("far past the end") << std::numeric_limits<qint32>::max() << QString();
    QTest::newRow("negative") << -1 << QString();
}

void TestCardStore::cardAt_positions()
{
    QFETCH(qint32, position);
    QFETCH(QString, word);
    QVERIFY(writeCardDatabase(folder(), numberedWords(1000)));
    const CardStore store(folder());

    const auto card = store.cardAt(position);
    if (word.isNull()) {
        const QString problem = unexpectedOutcome(card, {StoreError::Kind::NoSuchPosition}, databasePath());
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    } else {
        QVERIFY2(card.ok(), qPrintable(messageOf(card)));
        QCOMPARE(card.value(), word);
    }
}

void TestCardStore::reads_seeRowsAddedAndDeletedWithoutANewStore()
{
    QVERIFY(writeCardDatabase(folder(), {}));
    const CardStore store(folder());
    QCOMPARE(store.count().value(), 0);
    QVERIFY(!store.firstCard().value().has_value());

    QVERIFY(editCardDatabase(folder(), QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES ('apple'), ('ball')")));
    QCOMPARE(store.count().value(), 2);
    QCOMPARE(store.firstCard().value().value_or(QString()), QStringLiteral("apple"));

    QVERIFY(editCardDatabase(folder(), QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES ('kangaroo')")));
    QCOMPARE(store.count().value(), 3);
    const auto added = store.cardAt(2);
    QVERIFY2(added.ok(), qPrintable(messageOf(added)));
    QCOMPARE(added.value(), QStringLiteral("kangaroo"));

    QVERIFY(editCardDatabase(folder(), QStringLiteral("DELETE FROM tblflashcards WHERE cardname = 'apple'")));
    QCOMPARE(store.count().value(), 2);
    QCOMPARE(store.firstCard().value().value_or(QString()), QStringLiteral("ball"));
    QCOMPARE(store.cardAt(1).value(), QStringLiteral("kangaroo"));
    QVERIFY(!store.cardAt(2).ok());
    QCOMPARE(kindName(store.cardAt(2).error().kind), kindName(StoreError::Kind::NoSuchPosition));
}

void TestCardStore::nonTextWord_isReadAsText_data()
{
    QTest::addColumn<QString>("columnType");
    QTest::addColumn<QString>("value"); // an SQL literal
    QTest::addColumn<QString>("word");  // null: any text will do

    QTest::newRow("INTEGER") << QStringLiteral("INTEGER") << QStringLiteral("42") << QStringLiteral("42");
    QTest::newRow("BLOB of UTF-8 text") << QStringLiteral("TEXT") << QStringLiteral("x'6170706c65'")
                                        << QStringLiteral("apple");
    QTest::newRow("BLOB of stray bytes") << QStringLiteral("TEXT") << QStringLiteral("x'ff00fe80'") << QString();
    QTest::newRow("empty BLOB") << QStringLiteral("BLOB") << QStringLiteral("x''") << QString();
}

void TestCardStore::nonTextWord_isReadAsText()
{
    QFETCH(QString, columnType);
    QFETCH(QString, value);
    QFETCH(QString, word);
    QVERIFY(writeCardDatabase(folder(), {}, columnType));
    QVERIFY(editCardDatabase(folder(), QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES (%1)").arg(value)));
    const CardStore store(folder());

    const auto first = store.firstCard();
    QVERIFY2(first.ok(), qPrintable(messageOf(first)));
    QVERIFY(first.value().has_value());
    const auto atZero = store.cardAt(0);
    QVERIFY2(atZero.ok(), qPrintable(messageOf(atZero)));
    QCOMPARE(atZero.value(), *first.value());
    if (!word.isNull())
        QCOMPARE(atZero.value(), word);
    // Whatever the bytes were, they give a path or a reason, not a crash.
    const PicturePath picture = store.picturePath(atZero.value());
    QVERIFY(picture.ok() != picture.path.isEmpty());
}

void TestCardStore::nullWord_onlyThatCardFails()
{
    QVERIFY(writeCardDatabase(folder(), {QStringLiteral("apple"), QVariant(), QStringLiteral("cat")}));
    const QStringList before = folderSnapshot(folder());
    const CardStore store(folder());

    QCOMPARE(store.count().value(), 3);
    QCOMPARE(store.firstCard().value().value_or(QString()), QStringLiteral("apple"));
    const QString problem = unexpectedOutcome(store.cardAt(1), {StoreError::Kind::NoWord}, databasePath());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(store.cardAt(2).value(), QStringLiteral("cat"));
    QCOMPARE(folderSnapshot(folder()), before);
}

void TestCardStore::picturePath_keepsTheWordUnchanged_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("plain") << QStringLiteral("apple") << QStringLiteral("apple.bmp");
    QTest::newRow("trailing space") << QStringLiteral("apple ") << QStringLiteral("apple .bmp");
    QTest::newRow("leading space and capitals") << QStringLiteral(" Apple") << QStringLiteral(" Apple.bmp");
    QTest::newRow("not ASCII") << QStringLiteral("\u00c4pfel") << QStringLiteral("\u00c4pfel.bmp");
    QTest::newRow("dot inside") << QStringLiteral("x.ray") << QStringLiteral("x.ray.bmp");
    QTest::newRow("three dots") << QStringLiteral("...") << QStringLiteral("....bmp");
    QTest::newRow("characters a file name may not hold elsewhere")
        << QStringLiteral("a:b*c?") << QStringLiteral("a:b*c?.bmp");
}

void TestCardStore::picturePath_keepsTheWordUnchanged()
{
    QFETCH(QString, word);
    QFETCH(QString, fileName);
    const CardStore store(folder());

    const PicturePath picture = store.picturePath(word);
    QVERIFY2(picture.ok(), qPrintable(picture.error));
    QCOMPARE(picture.path, folder() + QStringLiteral("/pictures/") + fileName);
}

void TestCardStore::picturePath_wordLeavingThePicturesFolder_givesNoPath_data()
{
    QTest::addColumn<QString>("word");

    QTest::newRow("slash") << QStringLiteral("a/b");
    QTest::newRow("up and out") << QStringLiteral("../../etc/passwd");
    QTest::newRow("backslash") << QStringLiteral("a\\b");
    QTest::newRow("NUL") << QStringLiteral("apple") + QChar(0) + QStringLiteral("x");
    QTest::newRow("dot") << QStringLiteral(".");
    QTest::newRow("dot dot") << QStringLiteral("..");
}

void TestCardStore::picturePath_wordLeavingThePicturesFolder_givesNoPath()
{
    QFETCH(QString, word);
    const CardStore store(folder());

    const PicturePath picture = store.picturePath(word);
    QVERIFY(!picture.ok());
    QVERIFY(picture.path.isEmpty());
    QVERIFY(!picture.error.isEmpty());
}

void TestCardStore::brokenCardSet_givesItsErrorAndLeavesTheFolderUntouched_data()
{
    QTest::addColumn<CardSetMaker>("make");
    QTest::addColumn<Kinds>("kinds");
    QTest::addColumn<bool>("countFails");

    const Kinds notADatabase{StoreError::Kind::NotADatabase};
    QTest::newRow("missing file") << CardSetMaker([](const QString &) { return true; })
                                  << Kinds{StoreError::Kind::Missing} << true;
    QTest::newRow("0-byte file") << CardSetMaker([](const QString &path) { return writeBytes(path, {}); })
                                 << notADatabase << true;
    QTest::newRow("random bytes")
        << CardSetMaker([](const QString &path) { return writeBytes(path, randomBytes(8192, 1)); })
        << notADatabase << true;
    QTest::newRow("text file")
        << CardSetMaker([](const QString &path) { return writeBytes(path, "apple\nball\ncat\n"); })
        << notADatabase << true;
    QTest::newRow("SQLite header, then garbage")
        << CardSetMaker([](const QString &path) {
               return writeBytes(path, QByteArray("SQLite format 3\0", 16) + randomBytes(4080, 2));
           })
        << Kinds{StoreError::Kind::NotADatabase, StoreError::Kind::Damaged} << true;
    QTest::newRow("Jet header, then zeros")
        << CardSetMaker([](const QString &path) {
               return writeBytes(path, QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(8192, '\0'));
           })
        << Kinds{StoreError::Kind::NotADatabase, StoreError::Kind::Damaged} << true;
    QTest::newRow("a folder named pomwit.mdb")
        << CardSetMaker([](const QString &path) { return QDir().mkdir(path); }) << notADatabase << true;
    QTest::newRow("a FIFO named pomwit.mdb")
        << CardSetMaker([](const QString &path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; })
        << notADatabase << true;
    QTest::newRow("no table tblflashcards")
        << CardSetMaker([](const QString &path) {
               return editCardDatabase(folderOf(path), QStringLiteral("CREATE TABLE cards (cardname TEXT)"));
           })
        << Kinds{StoreError::Kind::NoTable} << true;
    // Counting does not read the column, so it may succeed.
    QTest::newRow("no column cardname")
        << CardSetMaker([](const QString &path) {
               return editCardDatabase(folderOf(path), QStringLiteral("CREATE TABLE tblflashcards (word TEXT)"))
                   && editCardDatabase(folderOf(path), QStringLiteral("INSERT INTO tblflashcards VALUES ('apple')"));
           })
        << Kinds{StoreError::Kind::NoColumn} << false;
    QTest::newRow("NULL word of the first card")
        << CardSetMaker([](const QString &path) {
               return writeCardDatabase(folderOf(path), {QVariant(), QStringLiteral("apple")});
           })
        << Kinds{StoreError::Kind::NoWord} << false;
    QTest::newRow("truncated SQLite file")
        << CardSetMaker([](const QString &path) {
               return writeCardDatabase(folderOf(path), numberedWords(5000))
                   && QFile::resize(path, QFileInfo(path).size() / 2);
           })
        << Kinds{StoreError::Kind::Damaged} << true;
}

void TestCardStore::brokenCardSet_givesItsErrorAndLeavesTheFolderUntouched()
{
    QFETCH(CardSetMaker, make);
    QFETCH(Kinds, kinds);
    QFETCH(bool, countFails);
    QVERIFY(make(databasePath()));
    const QStringList before = folderSnapshot(folder());
    const CardStore store(folder());

    if (countFails) {
        const QString problem = unexpectedOutcome(store.count(), kinds, databasePath());
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("count ") + problem));
    }
    const QString firstProblem = unexpectedOutcome(store.firstCard(), kinds, databasePath());
    QVERIFY2(firstProblem.isEmpty(), qPrintable(QStringLiteral("first card ") + firstProblem));
    const QString atZeroProblem = unexpectedOutcome(store.cardAt(0), kinds, databasePath());
    QVERIFY2(atZeroProblem.isEmpty(), qPrintable(QStringLiteral("card at 0 ") + atZeroProblem));

    QCOMPARE(folderSnapshot(folder()), before);
}

void TestCardStore::unreadableFile_givesNotReadable()
{
    QVERIFY(writeCardDatabase(folder(), {QStringLiteral("apple")}));
    const QStringList before = folderSnapshot(folder());
    const auto permissions = QFile::permissions(databasePath());
    QVERIFY(QFile::setPermissions(databasePath(), {}));
    {
        QFile probe(databasePath());
        if (probe.open(QIODevice::ReadOnly)) {
            QFile::setPermissions(databasePath(), permissions);
            QSKIP("Permission bits do not stop this user (root) from reading.");
        }
    }
    const CardStore store(folder());
    const QString countProblem = unexpectedOutcome(store.count(), {StoreError::Kind::NotReadable}, databasePath());
    const QString wordProblem = unexpectedOutcome(store.cardAt(0), {StoreError::Kind::NotReadable}, databasePath());
    QVERIFY(QFile::setPermissions(databasePath(), permissions));
    QVERIFY2(countProblem.isEmpty(), qPrintable(countProblem));
    QVERIFY2(wordProblem.isEmpty(), qPrintable(wordProblem));
    QCOMPARE(folderSnapshot(folder()), before);
}

void TestCardStore::lockedDatabase_givesLockedAfterAShortWait()
{
    QVERIFY(writeCardDatabase(folder(), {QStringLiteral("apple")}));
    const QStringList before = folderSnapshot(folder());
    const QString holder = QStringLiteral("lock-holder");
    {
        // Another program in the middle of writing: readers must wait.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), holder);
        db.setDatabaseName(databasePath());
        QVERIFY(db.open());
        QSqlQuery lock(db);
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));

        QElapsedTimer waited;
        waited.start();
        const auto count = CardStore(folder()).count();
        const qint64 waitedMs = waited.elapsed();

        QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
        const QString problem = unexpectedOutcome(count, {StoreError::Kind::Locked}, databasePath());
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY2(waitedMs >= 1500 && waitedMs < 20000, qPrintable(QStringLiteral("waited %1 ms").arg(waitedMs)));
        db.close();
    }
    QSqlDatabase::removeDatabase(holder);
    QCOMPARE(folderSnapshot(folder()), before);
}

void TestCardStore::walModeCardSet_isReadWithoutLeavingFilesBehind_data()
{
    QTest::addColumn<QString>("subfolder");

    QTest::newRow("plain folder") << QStringLiteral("cards");
    QTest::newRow("folder name with space, #, % and ?") << QStringLiteral("my cards #1 100% ?");
}

void TestCardStore::walModeCardSet_isReadWithoutLeavingFilesBehind()
{
    QFETCH(QString, subfolder);
    const QString cards = m_dir->filePath(subfolder);
    QVERIFY(QDir().mkpath(cards));
    // A database tool may leave the card set in write-ahead-log mode.
    QVERIFY(writeCardDatabase(cards, {QStringLiteral("apple"), QStringLiteral("ball")}));
    QVERIFY(editCardDatabase(cards, QStringLiteral("PRAGMA journal_mode=WAL")));
    const QStringList before = folderSnapshot(cards);
    QCOMPARE(before.size(), 1);
    const CardStore store(cards);

    QCOMPARE(store.count().value(), 2);
    QCOMPARE(store.cardAt(1).value(), QStringLiteral("ball"));
    QCOMPARE(folderSnapshot(cards), before);

    QVERIFY(editCardDatabase(cards, QStringLiteral("INSERT INTO tblflashcards (cardname) VALUES ('cat')")));
    QCOMPARE(store.count().value(), 3);
    QCOMPARE(store.cardAt(2).value(), QStringLiteral("cat"));
}

void TestCardStore::bundledCardSet_hasTwentySixPlayableCards()
{
    const CardStore store(QStringLiteral(POMWIT_BUNDLED_DIR));
    const auto count = store.count();
    QVERIFY2(count.ok(), qPrintable(messageOf(count)));
    QCOMPARE(count.value(), 26);

    QSet<QChar> firstLetters;
    for (int position = 0; position < count.value(); ++position) {
        const auto word = store.cardAt(position);
        QVERIFY2(word.ok(), qPrintable(messageOf(word)));
        QVERIFY(!word.value().isEmpty());
        firstLetters.insert(word.value().front());

        const PicturePath picture = store.picturePath(word.value());
        QVERIFY2(picture.ok(), qPrintable(picture.error));
        QImageReader reader(picture.path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(picture.path + QStringLiteral(": ") + reader.errorString()));
        QCOMPARE(image.size(), QSize(273, 217));
    }
    // One card for every key a toddler can press.
    QCOMPARE(firstLetters.size(), 26);
    for (char letter = 'a'; letter <= 'z'; ++letter)
        QVERIFY(firstLetters.contains(QLatin1Char(letter)));
}

QTEST_GUILESS_MAIN(TestCardStore)
#include "tst_cardstore.moc"
