// The card store on SQLite card sets in a temporary application folder.

#include "deck/cardstore.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <limits>

using namespace testsupport;
using Kind = StoreError::Kind;
// Makes a card set in an application folder; false if it cannot.
using CardSet = std::function<bool(const QString &folder)>;
Q_DECLARE_METATYPE(CardSet)
Q_DECLARE_METATYPE(StoreError::Kind)

namespace {

QString databaseOf(const QString &folder) { return folder + QStringLiteral("/pomwit.mdb"); }

// Each entry with the hash of a regular file's bytes; a FIFO is never opened.
QStringList snapshot(const QString &folder)
{
    QStringList entries = folderEntries(folder);
    for (QString &name : entries) {
        if (QFileInfo(folder + QLatin1Char('/') + name).isFile())
            name += QLatin1Char(' ') + QString::fromLatin1(fileHash(folder + QLatin1Char('/') + name).toHex());
    }
    return entries;
}

// A card database of these bytes; none for a null array.
CardSet bytes(const QByteArray &content)
{
    return [content](const QString &folder) {
        QFile file(databaseOf(folder));
        return content.isNull() || (file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    };
}

// A card database made by these statements, separated by ";".
CardSet sql(const char *statements)
{
    return [statements](const QString &folder) {
        for (const QString &statement : QString::fromUtf8(statements).split(QLatin1Char(';')))
            if (!editCardDatabase(folder, statement))
                return false;
        return true;
    };
}

// Words written with | between them.
QStringList list(const char *words) { return QString::fromUtf8(words).split(QLatin1Char('|')); }

// A read as text, for comparing: the value, or the error's kind and message.
template <typename T>
QString outcome(const StoreResult<T> &result)
{
    if (!result)
        return QStringLiteral("error %1: %2").arg(int(result.error().kind)).arg(result.error().message);
    if constexpr (std::is_same_v<T, qint32>)
        return QString::number(*result);
    else if constexpr (std::is_same_v<T, QString>)
        return *result;
    else
        return result->value_or(QStringLiteral("(none)"));
}

// Empty when the read failed with kind and a message that names the card
// database and says what to do; otherwise what happened instead.
template <typename T>
QString unexpected(const StoreResult<T> &result, Kind kind, const QString &folder, const QString &toDo)
{
    if (result || result.error().kind != kind)
        return QStringLiteral("gave ") + outcome(result);
    const QString &message = result.error().message;
    const QString named = QLatin1Char('"') + QDir::toNativeSeparators(databaseOf(folder)) + QLatin1Char('"');
    return message.contains(named) && message.contains(toDo) ? QString() : QStringLiteral("says: ") + message;
}

} // namespace

class TestCardStore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ::umask(022); // what is made here must be readable by another user (see below)
        m_dir.emplace();
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("my cards #1 100% ?")));
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::permissions(m_dir->path()) | QFile::ExeOther));
    }
    void cleanup()
    {
        QSqlDatabase::database(QStringLiteral("holder"), false).close();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    }

    void reads_followTheTable_data()
    {
        QTest::addColumn<CardSet>("cardSet");
        QTest::addColumn<QStringList>("words"); // a null word: that card has none

        const auto same = [](const char *name, const QStringList &words) {
            QTest::newRow(name) << CardSet([words](const QString &f) { return writeCardDatabase(f, wordsOf(words)); })
                                << words;
        };
        same("empty table", {});
        same("insertion order, not alphabetical; the same word twice is two cards", list("zebra|apple|moon|zebra"));
        same("words come back unchanged", list("apple | Apple|Äpfel|it's \"big\"|"));
        same("NULL word: only that card fails", {QStringLiteral("apple"), QString(), QStringLiteral("cat")});
        QTest::newRow("numbers and BLOBs read as text")
            << sql("CREATE TABLE tblflashcards (cardname); INSERT INTO tblflashcards VALUES (42), (x'6170706c65')")
            << list("42|apple");
        // A database tool may leave the card set in write-ahead-log mode.
        QTest::newRow("write-ahead-log mode")
            << sql("CREATE TABLE tblflashcards (cardname TEXT); INSERT INTO tblflashcards VALUES ('apple'), ('ball');"
                   "PRAGMA journal_mode=WAL")
            << list("apple|ball");
    }
    void reads_followTheTable()
    {
        QFETCH(CardSet, cardSet);
        QFETCH(QStringList, words);
        QVERIFY(cardSet(folder()));
        const QStringList before = snapshot(folder());
        const CardStore store(folder());

        QCOMPARE(outcome(store.count()), QString::number(words.size()));
        QCOMPARE(outcome(store.firstCard()), words.value(0, QStringLiteral("(none)")));
        for (int position = 0; position < words.size(); ++position) {
            const auto card = store.cardAt(position);
            if (!words[position].isNull())
                QCOMPARE(outcome(card), words[position]);
            else
                QVERIFY2(unexpected(card, Kind::NoWord, folder(), QStringLiteral("Card %1 of").arg(position + 1)).isEmpty(),
                         qPrintable(outcome(card)));
        }
        for (qint32 beyond : {qint32(words.size()), std::numeric_limits<qint32>::max(), -1}) {
            const QString problem = unexpected(store.cardAt(beyond), Kind::NoSuchPosition, folder(),
                                               QStringLiteral("the card set has changed.\n\nTry the next card."));
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
        QCOMPARE(snapshot(folder()), before);
    }

    void picturePath_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("fileName"); // null: the word names no picture

        QTest::newRow("spaces, capitals, accents and dots kept") << QStringLiteral(" Äpfel...x ")
                                                                  << QStringLiteral(" Äpfel...x .bmp");
        QTest::newRow("slash") << QStringLiteral("../../etc/passwd") << QString();
        QTest::newRow("backslash") << QStringLiteral("a\\b") << QString();
        QTest::newRow("NUL") << QStringLiteral("apple") + QChar(0) + QStringLiteral("x") << QString();
        QTest::newRow("dot") << QStringLiteral(".") << QString();
        QTest::newRow("dot dot") << QStringLiteral("..") << QString();
    }
    void picturePath()
    {
        QFETCH(QString, word);
        QFETCH(QString, fileName);
        const StoreResult<QString> picture = CardStore(folder()).picturePath(word);
        const QString rename = QStringLiteral("Rename the card in the table tblflashcards of \"%1\".")
                                   .arg(QDir::toNativeSeparators(databaseOf(folder())));
        QCOMPARE(picture.ok(), !fileName.isNull());
        if (picture)
            QCOMPARE(*picture, folder() + QStringLiteral("/pictures/") + fileName);
        else
            QVERIFY2(picture.error().message.contains(rename), qPrintable(picture.error().message));
    }

    void brokenCardSet_isToldAndLeftUntouched_data()
    {
        QTest::addColumn<CardSet>("cardSet");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("toDo");
        QTest::addColumn<bool>("countFails"); // counting does not read the words

        const auto add = [](const char *name, Kind kind, const char *toDo, const CardSet &cardSet, bool countFails = true) {
            QTest::newRow(name) << cardSet << kind << QString::fromUtf8(toDo) << countFails;
        };
        const char *notOurs = "Replace it with your card set, saved as a SQLite or Access database";
        const char *damaged = "Replace it with a backup copy of your card set.";
        const char *notAFile = "Move it away and put the card database pomwit.mdb in its place.";
        add("missing file", Kind::Missing, "Put the card database pomwit.mdb back in the folder", bytes(nullptr));
        add("0-byte file", Kind::NotADatabase, "is empty (0 bytes)", bytes(""));
        add("text file", Kind::NotADatabase, notOurs, bytes("apple\nball\n"));
        add("SQLite header, then garbage", Kind::NotADatabase, notOurs,
            bytes(QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\x5a')));
        add("Jet header, then zeros", Kind::Damaged, damaged,
            bytes(QByteArray("\0\1\0\0Standard Jet DB\0", 20) + QByteArray(8192, '\0')));
        add("SQLite file of many pages cut in half", Kind::Damaged, damaged, [](const QString &f) {
            return sql("CREATE TABLE tblflashcards (cardname TEXT); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT "
                       "i + 1 FROM n WHERE i < 3000) INSERT INTO tblflashcards SELECT 'card' || i FROM n")(f)
                && QFile::resize(databaseOf(f), QFileInfo(databaseOf(f)).size() / 2);
        });
        add("a folder named pomwit.mdb", Kind::NotADatabase, notAFile,
            [](const QString &f) { return QDir(f).mkdir(QStringLiteral("pomwit.mdb")); });
        add("a FIFO named pomwit.mdb", Kind::NotADatabase, notAFile,
            [](const QString &f) { return ::mkfifo(QFile::encodeName(databaseOf(f)).constData(), 0600) == 0; });
        add("no table tblflashcards", Kind::NoTable, "Add the table tblflashcards, with a text column cardname",
            sql("CREATE TABLE cards (cardname TEXT)"));
        add("no column cardname", Kind::NoColumn, "Add a text column cardname",
            sql("CREATE TABLE tblflashcards (word TEXT); INSERT INTO tblflashcards VALUES ('apple')"), false);
        add("NULL word of the first card", Kind::NoWord, "Type a word in its cardname field",
            sql("CREATE TABLE tblflashcards (cardname TEXT); INSERT INTO tblflashcards VALUES (NULL), ('apple')"), false);
        add("file the user may not read", Kind::NotReadable, "Check that your user may read the file and the folder it is in.",
            [](const QString &f) { return bytes("x")(f) && QFile::setPermissions(databaseOf(f), {}); });
        // Another program in the middle of a change; cleanup() lets go.
        add("locked by another connection", Kind::Locked,
            "Save your changes in that program or close it, then try again.", [](const QString &f) {
                QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
                holder.setDatabaseName(databaseOf(f));
                return sql("CREATE TABLE tblflashcards (cardname TEXT)")(f) && holder.open()
                    && QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE"));
            });
    }
    void brokenCardSet_isToldAndLeftUntouched()
    {
        QFETCH(CardSet, cardSet);
        QFETCH(Kind, kind);
        QFETCH(QString, toDo);
        QFETCH(bool, countFails);
        QVERIFY(cardSet(folder()));
        const QStringList before = snapshot(folder());
        // Permission bits do not stop root: the reads run in a child process
        // that has become the unprivileged user nobody, owning the folder.
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            constexpr uid_t nobody = 65534;
            if (::geteuid() == 0) {
                const QStringList names = folderEntries(folder()) << QStringLiteral(".");
                for (const QString &name : names)
                    if (::lchown(QFile::encodeName(folder() + QLatin1Char('/') + name).constData(), nobody, nobody) != 0)
                        ::_exit(2);
                if (::setgroups(0, nullptr) != 0 || ::setresgid(nobody, nobody, nobody) != 0
                    || ::setresuid(nobody, nobody, nobody) != 0)
                    ::_exit(2);
            }
            const CardStore store(folder());
            QElapsedTimer waited;
            waited.start();
            QStringList problems{unexpected(store.firstCard(), kind, folder(), toDo)};
            // A lock is waited out for a while; nothing else takes long.
            if (waited.elapsed() > 10000 || (kind == Kind::Locked && waited.elapsed() < 1500))
                problems << QStringLiteral("waited %1 ms").arg(waited.elapsed());
            if (const auto count = store.count(); countFails || !count)
                problems << unexpected(count, kind, folder(), toDo);
            problems << unexpected(store.cardAt(0), kind, folder(), toDo);
            problems.removeAll(QString());
            for (const QString &problem : std::as_const(problems))
                std::fprintf(stderr, "%s\n", qPrintable(problem));
            ::_exit(problems.isEmpty() ? 0 : 1);
        }
        int status = 0;
        const bool ended = QTest::qWaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, 30000);
        if (!ended)
            ::kill(child, SIGKILL);
        QVERIFY2(ended && WIFEXITED(status) && WEXITSTATUS(status) == 0,
                 qPrintable(QStringLiteral("wait status %1 (exit status 2: could not become nobody)").arg(status)));
        QCOMPARE(snapshot(folder()), before);
    }

    void bundledCardSet_hasACardAndAPictureForEveryLetter()
    {
        const CardStore store(QStringLiteral(POMWIT_BUNDLED_DIR));
        const auto words = store.words();
        QVERIFY(words);
        QString firstLetters;
        for (const QString &word : *words) {
            firstLetters += word.left(1);
            QCOMPARE(QImageReader(*store.picturePath(word)).read().size(), QSize(273, 217));
        }
        std::sort(firstLetters.begin(), firstLetters.end());
        QCOMPARE(firstLetters, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    }

private:
    // A folder name that must be quoted or escaped wherever it goes.
    QString folder() const { return m_dir->path() + QStringLiteral("/my cards #1 100% ?"); }
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestCardStore)
#include "tst_cardstore.moc"
