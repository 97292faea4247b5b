// The card store on SQLite card sets in a temporary application folder.

#include "deck/cardstore.h"
#include "deck/picturefile.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <signal.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

using namespace testsupport;
using Kind = StoreError::Kind;
// Makes or changes a card set in an application folder; false if it cannot.
using CardSet = std::function<bool(const QString &folder)>;
Q_DECLARE_METATYPE(CardSet)
Q_DECLARE_METATYPE(StoreError::Kind)

namespace {

QString databaseOf(const QString &folder) { return folder + QStringLiteral("/pomwit.mdb"); }

// Each entry with the hash of a regular file's bytes; a FIFO is never opened.
QStringList contents(const QString &folder)
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

// Statements separated by ";", run by another connection.
CardSet sql(const char *statements)
{
    return [statements](const QString &folder) {
        for (const QString &statement : QString::fromUtf8(statements).split(QLatin1Char(';')))
            if (!editCardDatabase(folder, statement))
                return false;
        return true;
    };
}

// Words written with | between them; "~" stands for a row without a word.
QStringList list(const char *words) { return QString::fromUtf8(words).split(QLatin1Char('|')); }

// The rows as text, for comparing, or the error's message.
QString outcome(const StoreResult<CardSnapshot> &snapshot)
{
    if (!snapshot)
        return snapshot.error().message;
    QStringList words;
    for (const CardRow &row : *snapshot->rows)
        words << row.value_or(QStringLiteral("~"));
    return words.join(QLatin1Char('|'));
}

// Empty when the read failed with kind and a message that names the card
// database and says what to do; otherwise what happened instead.
template <typename T>
QString unexpected(const StoreResult<T> &result, Kind kind, const QString &folder, const QString &toDo)
{
    if (result || result.error().kind != kind)
        return QStringLiteral("gave no error, or another");
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
        QTest::addColumn<QString>("rows");

        const auto same = [](const char *name, const char *rows) {
            QList<QVariant> words;
            for (const QString &word : list(rows))
                words << (word == QLatin1String("~") ? QVariant() : QVariant(word));
            QTest::newRow(name) << CardSet([words](const QString &f) { return writeCardDatabase(f, words); })
                                << QString::fromUtf8(rows);
        };
        QTest::newRow("empty table") << sql("CREATE TABLE tblflashcards (cardname TEXT)") << QString();
        same("insertion order, not alphabetical; the same word twice is two cards", "zebra|apple|moon|zebra");
        same("words come back unchanged", "apple | Apple|Äpfel|it's \"big\"|");
        same("a row without a word is one card of seven", "apple|ball|~|cat|dog|egg|fish");
        QTest::newRow("numbers and BLOBs read as text")
            << sql("CREATE TABLE tblflashcards (cardname); INSERT INTO tblflashcards VALUES (42), (x'6170706c65')")
            << QStringLiteral("42|apple");
        // A database tool may leave the card set in write-ahead-log mode.
        QTest::newRow("write-ahead-log mode")
            << sql("CREATE TABLE tblflashcards (cardname TEXT); INSERT INTO tblflashcards VALUES ('apple'), ('ball');"
                   "PRAGMA journal_mode=WAL")
            << QStringLiteral("apple|ball");
    }
    void reads_followTheTable()
    {
        QFETCH(CardSet, cardSet);
        QFETCH(QString, rows);
        QVERIFY(cardSet(folder()));
        const QStringList before = contents(folder());
        CardStore store(folder());

        QCOMPARE(outcome(store.snapshot()), rows);
        const qint32 count = rows.isEmpty() ? 0 : qint32(rows.count(QLatin1Char('|'))) + 1;
        QCOMPARE(store.count().value(), count);
        QCOMPARE(store.firstCard().value(), count ? std::optional(rows.section(QLatin1Char('|'), 0, 0)) : std::nullopt);
        // Nothing is written beside the database, even while the store holds it open.
        QCOMPARE(contents(folder()), before);
    }

    void changes_areSeenAtTheNextRead_data()
    {
        QTest::addColumn<CardSet>("change");
        QTest::addColumn<QString>("rows"); // or the error's message

        QTest::newRow("nothing changed: not read again") << CardSet([](const QString &) { return true; })
                                                         << QStringLiteral("apple|ball|cat");
        QTest::newRow("a row added by another program") << sql("INSERT INTO tblflashcards VALUES ('dog')")
                                                        << QStringLiteral("apple|ball|cat|dog");
        QTest::newRow("a row deleted by another program") << sql("DELETE FROM tblflashcards WHERE cardname = 'ball'")
                                                          << QStringLiteral("apple|cat");
        // As a conversion or a restored copy puts it there: the open
        // connection would go on reading the file that was replaced.
        QTest::newRow("the file replaced by another card set") << CardSet([](const QString &f) {
            return writeCardDatabase(f + QStringLiteral("/new"), wordsOf(list("apple|bell|cat")))
                && ::rename(QFile::encodeName(f + QStringLiteral("/new/pomwit.mdb")).constData(),
                            QFile::encodeName(databaseOf(f)).constData()) == 0;
        }) << QStringLiteral("apple|bell|cat");
        QTest::newRow("the file deleted") << CardSet([](const QString &f) { return QFile::remove(databaseOf(f)); })
                                          << QStringLiteral("The card set cannot be found: there is no file \"%1\".");
    }
    void changes_areSeenAtTheNextRead()
    {
        QFETCH(CardSet, change);
        QFETCH(QString, rows);
        QVERIFY(writeCardDatabase(folder(), wordsOf(list("apple|ball|cat"))) && QDir(folder()).mkdir(QStringLiteral("new")));
        CardStore store(folder());
        const auto before = store.snapshot();
        QVERIFY(before);

        QVERIFY(change(folder()));
        const auto after = store.snapshot();
        QVERIFY2(outcome(after).startsWith(QString(rows).replace(QStringLiteral("%1"), databaseOf(folder()))),
                 qPrintable(outcome(after)));
        // Read again exactly when the set changed.
        const bool unchanged = rows == outcome(before);
        QCOMPARE(after && after->generation == before->generation, unchanged);
        QCOMPARE(after && after->rows == before->rows, unchanged);
    }

    // Read with the rows, from a table the card words query leaves alone.
    void language_isReadWithTheRows()
    {
        QVERIFY(writeCardDatabase(folder(), wordsOf(list("apple"))));
        CardStore store(folder());
        QCOMPARE(store.snapshot()->language, QStringLiteral("en"));
        QVERIFY(setCardSetLanguage(folder(), QStringLiteral("pt_br")) && store.snapshot());
        QCOMPARE(store.language(), QStringLiteral("pt-BR"));
        QVERIFY(setCardSetLanguage(folder(), QStringLiteral("no language")));
        QCOMPARE(store.snapshot()->language, QStringLiteral("en"));
    }

    void change_underTheSameFileTimes_isSeen()
    {
        // Within one tick of the file system's clock, or with the time set
        // back by a tool that keeps times, a commit leaves the file's time.
        QVERIFY(writeCardDatabase(folder(), wordsOf(list("apple"))));
        struct stat before;
        QCOMPARE(::stat(QFile::encodeName(databaseOf(folder())).constData(), &before), 0);
        CardStore store(folder());
        QCOMPARE(outcome(store.snapshot()), QStringLiteral("apple"));
        QVERIFY(editCardDatabase(folder(), QStringLiteral("UPDATE tblflashcards SET cardname = 'ankle'")));
        const timespec times[] = {before.st_atim, before.st_mtim};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(databaseOf(folder())).constData(), times, 0), 0);
        QCOMPARE(outcome(store.snapshot()), QStringLiteral("ankle"));
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
        const auto picture = CardStore(folder()).picturePath(word);
        if (fileName.isNull())
            QVERIFY2(unexpected(picture, Kind::UnusableWord, folder(), QStringLiteral("Rename the card in the table tblflashcards of")).isEmpty(),
                     qPrintable(picture ? *picture : picture.error().message));
        else
            QCOMPARE(picture.value(), folder() + QStringLiteral("/pictures/") + fileName);
    }

    // What only the editor's check shows; play's loader shows the rest (tst_play).
    void pictureFile_isCheckedBeforeDecoding_data()
    {
        QTest::addColumn<CardSet>("make"); // of folder/pictures/card.bmp
        QTest::addColumn<QString>("found");

        const auto bitmap = [](qint64 cutTo, bool declared) {
            return CardSet([=](const QString &f) {
                const QString path = f + QStringLiteral("/pictures/card.bmp");
                QImage image(273, 217, QImage::Format_RGB888);
                image.fill(0);
                QFile file(path); // a declared size of 0 is allowed: the pixels tell the length then
                return image.save(path, "BMP") && (!cutTo || QFile::resize(path, cutTo))
                    && (declared || (file.open(QIODevice::ReadWrite) && file.seek(2) && file.write("\0\0\0\0", 4) == 4));
            });
        };
        QTest::newRow("a card bitmap") << bitmap(0, true) << QStringLiteral("273x217 24 bits, 177994 of 177994 bytes");
        QTest::newRow("cut short, no size declared") << bitmap(2000, false) << QStringLiteral("273x217 24 bits, 2000 of 177994 bytes");
        QTest::newRow("a PNG") << CardSet([](const QString &f) {
            return QImage(4, 4, QImage::Format_RGB32).save(f + QStringLiteral("/pictures/card.bmp"), "PNG");
        }) << QStringLiteral("not a BMP");
        QTest::newRow("a link to nothing is missing") << CardSet([](const QString &f) {
            return QFile::link(f + QStringLiteral("/pictures/gone.bmp"), f + QStringLiteral("/pictures/card.bmp"));
        }) << QStringLiteral("error 0");
    }
    void pictureFile_isCheckedBeforeDecoding()
    {
        QFETCH(CardSet, make);
        QFETCH(QString, found);
        QVERIFY(QDir(folder()).mkdir(QStringLiteral("pictures")) && make(folder()));
        const auto file = PictureFile::open(folder() + QStringLiteral("/pictures/card.bmp"), folder() + QStringLiteral("/pictures"));
        const QString described = !file ? QStringLiteral("error %1").arg(int(file.error().kind))
            : !file->hasBitmapHeader() ? QStringLiteral("not a BMP")
            : QStringLiteral("%1x%2 %3 bits, %4 of %5 bytes").arg(file->bitmapSize().width()).arg(file->bitmapSize().height())
                  .arg(file->bitsPerPixel()).arg(file->bytes()).arg(file->expectedBytes());
        QCOMPARE(described, found);
        QCOMPARE(file && file->isCutShort(), found.contains(QStringLiteral("2000 of")));
    }

    void brokenCardSet_isToldAndLeftUntouched_data()
    {
        QTest::addColumn<CardSet>("cardSet");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("toDo");

        const auto add = [](const char *name, Kind kind, const char *toDo, const CardSet &cardSet) {
            QTest::newRow(name) << cardSet << kind << QString::fromUtf8(toDo);
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
            sql("CREATE TABLE tblflashcards (word TEXT); INSERT INTO tblflashcards VALUES ('apple')"));
        // Only the first card fails; the set can still be counted and dealt.
        add("NULL word of the first card", Kind::NoWord, "Type a word in its cardname field",
            sql("CREATE TABLE tblflashcards (cardname TEXT); INSERT INTO tblflashcards VALUES (NULL), ('apple')"));
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
        QVERIFY(cardSet(folder()));
        const QStringList before = contents(folder());
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
            CardStore store(folder());
            QElapsedTimer waited;
            waited.start();
            QStringList problems{unexpected(store.firstCard(), kind, folder(), toDo)};
            // A lock is waited out for a while; nothing else takes long.
            if (waited.elapsed() > 10000 || (kind == Kind::Locked && waited.elapsed() < 1500))
                problems << QStringLiteral("waited %1 ms").arg(waited.elapsed());
            const auto count = store.count();
            if (kind == Kind::NoWord)
                problems << (count.value() == 2 ? QString() : QStringLiteral("no count"));
            else
                problems << unexpected(count, kind, folder(), toDo);
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
        QCOMPARE(contents(folder()), before);
    }

    void bundledCardSet_hasACardAndAPictureForEveryLetter()
    {
        CardStore store(QStringLiteral(POMWIT_BUNDLED_DIR));
        const auto cards = store.snapshot();
        QVERIFY(cards);
        QString firstLetters;
        for (const CardRow &word : *cards->rows) {
            firstLetters += word.value().left(1);
            QCOMPARE(QImageReader(store.picturePath(*word).value()).read().size(), QSize(273, 217));
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
