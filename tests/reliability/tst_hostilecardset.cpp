// Bad card sets of every kind a parent's editing can produce, played through
// the real windows offscreen: the program must tell what is wrong with which
// file, stay usable, end through the exit sequence and never touch the files.

#include "app/forms.h"
#include "app/frmmain.h"
#include "hostile.h"
#include "play/frmcard.h"
#include "testsupport.h"
#include "windows/frmoptions.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace testsupport;

namespace {

constexpr qint64 stepLimitMs = 8000; // the longest step waits out a lock twice

QByteArray imageBytes(const char *format, QColor colour, int width = 273, int height = 217)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(7);
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

// A BMP header that claims width x height pixels, with no pixels behind it.
QByteArray bmpHeaderClaiming(quint32 width, quint32 height)
{
    QByteArray bmp(54, '\0');
    auto put32 = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = char((v >> (8 * i)) & 0xff);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    bmp[26] = 1;
    bmp[28] = 24;
    return bmp;
}

// A FIFO must not be opened: reading it would wait for a writer.
QByteArray contentHash(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() ? fileHash(path) : QByteArray(info.isDir() ? "folder" : "special");
}

// A PNG whose header claims width x height pixels: the reader knows the size
// before decoding anything.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray png = imageBytes("PNG", Qt::red, 4, 4);
    auto put32 = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            png[at + i] = char((v >> (8 * (3 - i))) & 0xff);
    };
    put32(16, width); // IHDR data starts at 16, after the signature and chunk head
    put32(20, height);
    quint32 crc = 0xffffffffu;
    for (int i = 12; i < 29; ++i) {
        crc ^= quint8(png[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    put32(29, ~crc);
    return png;
}

QString folderListing(const QString &folder)
{
    return folderEntries(folder).join(QLatin1Char('|'));
}

} // namespace

class HostileCardSetTest : public QObject
{
    Q_OBJECT

private:
    // Builds the bad card set named by kind in folder. Returns false if the
    // set cannot be made on this machine.
    bool prepare(const QString &kind, const QString &folder, reliability::LockHolder &lock)
    {
        const QString db = folder + QStringLiteral("/pomwit.mdb");
        const QString apple = folder + QStringLiteral("/pictures/apple.bmp");
        const QStringList normal{QStringLiteral("apple"), QStringLiteral("ball")};
        auto words = [&](const QStringList &list) { return writeCardSet(folder, list + normal); };

        if (kind == QLatin1String("missing database"))
            return writePictures(folder, normal);
        if (kind == QLatin1String("empty database"))
            return writeFile(db, {});
        if (kind == QLatin1String("random bytes"))
            return writeFile(db, randomBytes(8192));
        if (kind == QLatin1String("sqlite header then random bytes"))
            return writeFile(db, QByteArray("SQLite format 3\0", 16) + randomBytes(8192 - 16));
        if (kind == QLatin1String("text file"))
            return writeFile(db, "cardname\napple\nball\n");
        if (kind == QLatin1String("folder"))
            return QDir(folder).mkpath(QStringLiteral("pomwit.mdb/tblflashcards"));
        if (kind == QLatin1String("fifo"))
            return mkfifo(QFile::encodeName(db).constData(), 0600) == 0;
        if (kind == QLatin1String("no table"))
            return words({}) && editCardDatabase(folder, QStringLiteral("ALTER TABLE tblflashcards RENAME TO cards"));
        if (kind == QLatin1String("no cardname column"))
            return words({}) && editCardDatabase(folder, QStringLiteral("ALTER TABLE tblflashcards RENAME COLUMN cardname TO word"));
        if (kind == QLatin1String("integer cardname"))
            return writeCardDatabase(folder, {QVariant(1), QVariant(22)}, QStringLiteral("INTEGER"))
                   && writePictures(folder, {QStringLiteral("1"), QStringLiteral("22")});
        if (kind == QLatin1String("text blob cardname"))
            return writeCardDatabase(folder, {QVariant(QByteArray("apple")), QVariant(QByteArray("ball"))},
                                     QStringLiteral("BLOB"))
                   && writePictures(folder, normal);
        if (kind == QLatin1String("binary blob cardname"))
            return writeCardDatabase(folder, {QVariant(QByteArray("\xff\x00/\xfe", 4)), QVariant(QByteArray("ball"))},
                                     QStringLiteral("BLOB"))
                   && writePictures(folder, normal);
        if (kind == QLatin1String("null word"))
            return writeCardDatabase(folder, {QVariant(), QStringLiteral("apple"), QStringLiteral("ball")})
                   && writePictures(folder, normal);
        if (kind == QLatin1String("empty word"))
            return writeCardDatabase(folder, {QString(), QStringLiteral("apple"), QStringLiteral("ball")})
                   && writePictures(folder, normal);
        if (kind == QLatin1String("10,000-character word"))
            return writeCardDatabase(folder, wordsOf(QStringList{QString(10000, QLatin1Char('z'))} + normal))
                   && writePictures(folder, normal);
        if (kind == QLatin1String("control characters"))
            return words({QStringLiteral("a\x01\x07\x1b[2Jb")});
        if (kind == QLatin1String("newline and tab"))
            return words({QStringLiteral("ap\npl\te")});
        if (kind == QLatin1String("markup"))
            return words({QStringLiteral("<b>&amp;\"'<say-as>")});
        if (kind == QLatin1String("right-to-left"))
            return words({QStringLiteral("\u062a\u0641\u0627\u062d\u0629\u202e")});
        if (kind == QLatin1String("emoji"))
            return words({QStringLiteral("\U0001F34Eapple\U0001F468\u200D\U0001F469")});
        if (kind == QLatin1String("slash"))
            return writeCardDatabase(folder, wordsOf(QStringList{QStringLiteral("../apple")} + normal))
                   && writePictures(folder, normal);
        if (kind == QLatin1String("backslash"))
            return writeCardDatabase(folder, wordsOf(QStringList{QStringLiteral("..\\..\\apple")} + normal))
                   && writePictures(folder, normal);
        if (kind == QLatin1String("dot dot"))
            return writeCardDatabase(folder, wordsOf(QStringList{QStringLiteral("..")} + normal))
                   && writePictures(folder, normal);
        if (kind == QLatin1String("absolute path"))
            return writeCardDatabase(folder, wordsOf(QStringList{folder + QStringLiteral("/apple")} + normal))
                   && writePictures(folder, normal);
        if (kind == QLatin1String("truncated database")) {
            QStringList many;
            for (int i = 0; i < 3000; ++i)
                many << QStringLiteral("word%1").arg(i);
            if (!writeCardDatabase(folder, wordsOf(normal + many)) || !writePictures(folder, normal))
                return false;
            QFile file(db);
            return file.resize(4096 + 1000);
        }
        if (kind == QLatin1String("percent signs, picture claims 60,000 x 60,000"))
            return writeCardDatabase(folder, wordsOf(QStringList{QStringLiteral("%1%2%3")} + normal))
                   && writePictures(folder, normal)
                   && writeFile(folder + QStringLiteral("/pictures/%1%2%3.bmp"), pngClaiming(60000, 60000));
        if (kind == QLatin1String("locked by another process"))
            return words({}) && lock.acquire(db);

        // The pictures: apple's is bad, ball's is fine.
        if (!writeCardDatabase(folder, wordsOf(normal)) || !writePictures(folder, {QStringLiteral("ball")}))
            return false;
        if (kind == QLatin1String("picture missing"))
            return true;
        if (kind == QLatin1String("picture empty"))
            return writeFile(apple, {});
        if (kind == QLatin1String("picture truncated"))
            return writeFile(apple, imageBytes("BMP", Qt::red).left(2000));
        if (kind == QLatin1String("picture is a PNG"))
            return writeFile(apple, imageBytes("PNG", Qt::red));
        if (kind == QLatin1String("picture is a JPEG"))
            return writeFile(apple, imageBytes("JPEG", Qt::red));
        if (kind == QLatin1String("picture claims 60,000 x 60,000"))
            return writeFile(apple, bmpHeaderClaiming(60000, 60000));
        if (kind == QLatin1String("picture header hides a huge size")) {
            // Found by fuzzing: a reader that cannot tell the size up front
            // decoded 33 million pixels.
            static const unsigned char bmp[] = {0x42, 0x4d, 0x00, 0x00, 0x00, 0x00, 0x36, 0x20, 0x00,
                                                0x00, 0x28, 0x00, 0x00, 0x05, 0xd8, 0xff, 0xff, 0x00,
                                                0x08, 0x20, 0x00, 0xf7, 0x01, 0x00, 0x18, 0x00, 0xff};
            return writeFile(apple, QByteArray(reinterpret_cast<const char *>(bmp), sizeof bmp));
        }
        if (kind == QLatin1String("picture is a folder"))
            return QDir().mkpath(apple);
        if (kind == QLatin1String("picture is a fifo"))
            return mkfifo(QFile::encodeName(apple).constData(), 0600) == 0;
        if (kind == QLatin1String("picture links outside"))
            return writeFile(folder + QStringLiteral("/secret.bmp"), imageBytes("BMP", Qt::red))
                   && QFile::link(folder + QStringLiteral("/secret.bmp"), apple);
        return false;
    }

private slots:
    void badCardSet_isToldAndPlayGoesOn_data()
    {
        QTest::addColumn<QString>("expected"); // in some message; empty: no message at all
        QTest::addColumn<QString>("named");    // the file the message names

        const QString db = QStringLiteral("pomwit.mdb");
        const QString apple = QStringLiteral("pictures/apple.bmp");
        auto row = [](const char *kind, const QString &expected, const QString &named) {
            QTest::newRow(kind) << expected << named;
        };
        row("missing database", QStringLiteral("cannot be found"), db);
        row("empty database", QStringLiteral("is empty (0 bytes)"), db);
        row("random bytes", QStringLiteral("not a card database"), db);
        row("sqlite header then random bytes", QStringLiteral("pomwit.mdb"), db);
        row("text file", QStringLiteral("not a card database"), db);
        row("folder", QStringLiteral("is not a file"), db);
        row("fifo", QStringLiteral("is not a file"), db);
        row("no table", QStringLiteral("has no table tblflashcards"), db);
        row("no cardname column", QStringLiteral("has no column cardname"), db);
        row("integer cardname", QString(), QString());
        row("text blob cardname", QString(), QString());
        row("binary blob cardname", QStringLiteral("has no picture"), db);
        row("null word", QStringLiteral("has no word"), db);
        row("empty word", QStringLiteral("has no word"), db);
        row("10,000-character word", QStringLiteral("is missing"), QStringLiteral("zzzz.bmp"));
        row("control characters", QString(), QString());
        row("newline and tab", QString(), QString());
        row("markup", QString(), QString());
        row("right-to-left", QString(), QString());
        row("emoji", QString(), QString());
        row("slash", QStringLiteral("has no picture"), db);
        row("backslash", QStringLiteral("has no picture"), db);
        row("dot dot", QStringLiteral("has no picture"), db);
        row("absolute path", QStringLiteral("has no picture"), db);
        row("truncated database", QStringLiteral("pomwit.mdb"), db);
        row("locked by another process", QStringLiteral("locked by another program"), db);
        row("picture missing", QStringLiteral("is missing"), apple);
        row("picture empty", QStringLiteral("cannot be read"), apple);
        row("picture truncated", QStringLiteral("cut short"), apple);
        row("picture is a PNG", QString(), QString());
        row("picture is a JPEG", QString(), QString());
        row("picture claims 60,000 x 60,000", QStringLiteral("apple.bmp"), apple);
        row("percent signs, picture claims 60,000 x 60,000", QStringLiteral("too large (60000 × 60000"),
            QStringLiteral("pictures/%1%2%3.bmp"));
        row("picture header hides a huge size", QStringLiteral("apple.bmp"), apple);
        row("picture is a folder", QStringLiteral("not a picture file"), apple);
        row("picture is a fifo", QStringLiteral("not a picture file"), apple);
        row("picture links outside", QStringLiteral("outside the pictures folder"), apple);
    }
    void badCardSet_isToldAndPlayGoesOn()
    {
        QFETCH(QString, expected);
        QFETCH(QString, named);
        const QString kind = QString::fromLatin1(QTest::currentDataTag());

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.path();
        reliability::LockHolder lock;
        if (!prepare(kind, folder, lock)) {
            if (kind == QLatin1String("locked by another process")
                && QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
                QSKIP("the sqlite3 command-line tool is not installed");
            QFAIL("could not make the card set");
        }
        const QString db = folder + QStringLiteral("/pomwit.mdb");
        const QByteArray hashBefore = contentHash(db);
        const QString listingBefore = folderListing(folder);
        const QString picturesBefore = folderListing(folder + QStringLiteral("/pictures"));

        TestServices services(folder);
        // Each draw takes the next card in turn.
        int draw = 0;
        services.services.randomFraction = [&draw] { return (draw++ % 4) / 4.0 + 0.01; };
        Forms forms(services.services);
        QSignalSpy ended(&forms, &Forms::lastWindowUnloaded);
        frmCard &card = forms.card();

        QStringList notes;
        auto noteNow = [&] {
            if (!card.isLoaded())
                return;
            const QString note = card.window()->findChild<QLabel *>(QStringLiteral("note"))->toolTip();
            if (!note.isEmpty() && !notes.contains(note))
                notes << note;
        };
        QStringList slowSteps;
        auto step = [&](const char *name, const std::function<void()> &action) {
            QElapsedTimer timer;
            timer.start();
            action();
            if (timer.elapsed() > stepLimitMs)
                slowSteps << QStringLiteral("%1 took %2 ms").arg(QLatin1String(name)).arg(timer.elapsed());
            noteNow();
        };

        step("start", [&] { forms.main().cmdStartFlash_Click(); });
        QVERIFY(card.isShown());
        QVERIFY(!forms.main().isShown());
        const bool renamedPicture = kind == QLatin1String("picture is a PNG") || kind == QLatin1String("picture is a JPEG");
        bool redPictureShown = false;
        if (renamedPicture) {
            const QImage shown = card.window()->findChild<QLabel *>(QStringLiteral("imgcardpic"))->pixmap().toImage();
            const QColor pixel = shown.pixelColor(shown.width() / 2, shown.height() / 2);
            redPictureShown = pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60;
        }
        for (int i = 0; i < 5; ++i)
            step("next card", [&] { card.cmdnextcard_Click(); });
        step("right key", [&] {
            const QString key = card.play().cwatchkey;
            if (key.isEmpty() || !card.isLoaded())
                return;
            auto *box = card.window()->findChild<QLineEdit *>(QStringLiteral("txtanswerbox"));
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
            QApplication::sendEvent(box, &press);
        });
        step("show word", [&] { card.cmdshowword_Click(); });
        step("options", [&] {
            forms.options().Show();
            forms.options().cmdclose_Click();
        });

        // Whatever went wrong, the card window still works once the file is fixed.
        if (kind == QLatin1String("locked by another process")) {
            QVERIFY(lock.release());
            const int before = services.messages->messages.size();
            step("next card after the lock", [&] { card.cmdnextcard_Click(); });
            QCOMPARE(services.messages->messages.size(), before);
            const QString status = card.window()->findChild<QLabel *>(QStringLiteral("panel1"))->text();
            QVERIFY2(status.endsWith(QLatin1String("/2")), qPrintable(status));
        }
        step("card window exit", [&] { card.cmdExit_Click(); });
        QVERIFY(!card.isLoaded());
        QCOMPARE(forms.main().state(), Form::State::LoadedShown);
        step("start again", [&] { forms.main().cmdStartFlash_Click(); });
        QVERIFY(card.isShown());
        step("file exit", [&] { forms.main().mnuExit_Click(0); });
        QCOMPARE(forms.loadedCount(), 0);
        QCOMPARE(ended.size(), 1);
        QVERIFY2(slowSteps.isEmpty(), qPrintable(slowSteps.join(QLatin1String("; "))));

        QStringList told = notes;
        for (const auto &m : services.messages->messages)
            if (m.text != QLatin1String(frmCard::reshuffleNotice))
                told << m.text;
        if (expected.isEmpty()) {
            QVERIFY2(told.isEmpty(), qPrintable(told.join(QLatin1String("\n---\n"))));
        } else {
            QStringList matching;
            for (const QString &text : told)
                if (text.contains(expected))
                    matching << text;
            QVERIFY2(!matching.isEmpty(), qPrintable(told.join(QLatin1String("\n---\n"))));
            for (const QString &text : matching) {
                QVERIFY2(text.contains(named), qPrintable(text));
                QVERIFY2(reliability::saysWhatToDo(text), qPrintable(text));
            }
        }
        if (renamedPicture)
            QVERIFY(redPictureShown);

        // Nothing written: not the database, not beside it, not among the pictures.
        QCOMPARE(contentHash(db), hashBefore);
        QCOMPARE(folderListing(folder), listingBefore);
        QCOMPARE(folderListing(folder + QStringLiteral("/pictures")), picturesBefore);
    }
};

QTEST_MAIN(HostileCardSetTest)
#include "tst_hostilecardset.moc"
