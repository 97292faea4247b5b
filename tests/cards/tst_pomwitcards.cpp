// pomwit-cards as a grown-up runs it: a row for each thing it can say.

#include "cardstest.h"
#include "legacyfixtures.h"
#include "soundfiles.h"
#include "speech/speechsystem.h"

#include <QDate>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/file.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using cardstest::names;

// Prepares the card set's folder (apple, ball, cat) and a folder of pictures.
using SetUp = std::function<bool(const QString &folder, const QString &pictures)>;
Q_DECLARE_METATYPE(SetUp)

namespace {

const QByteArray photo = cardstest::cameraJpeg(cardstest::quarters(), 1);

// Picture files, then whatever else the row needs.
SetUp pictures(QList<std::pair<const char *, QByteArray>> files, SetUp then = {})
{
    return [files, then](const QString &folder, const QString &pictures) {
        for (const auto &[name, bytes] : files) {
            QDir(pictures).mkpath(QFileInfo(QString::fromUtf8(name)).path());
            if (!cardstest::writeFile(pictures + u'/' + QString::fromUtf8(name), bytes))
                return false;
        }
        return !then || then(folder, pictures);
    };
}

SetUp sql(const char *statement)
{
    return [statement](const QString &folder, const QString &) {
        return testsupport::editCardDatabase(folder, QString::fromUtf8(statement));
    };
}

const SetUp nothing = [](const QString &, const QString &) { return true; };

SetUp accessFile(const char *inTheWay = nullptr)
{
    return [inTheWay](const QString &folder, const QString &) {
        return QFile::remove(folder + u"/pomwit.mdb"_s)
            && QFile::copy(testsupport::legacyFixture(u"cards-edge-v2000.mdb"_s), folder + u"/pomwit.mdb"_s)
            && (!inTheWay || cardstest::writeFile(folder + u'/' + QLatin1String(inTheWay), "mine"));
    };
}

SetUp moveDatabase(bool chain)
{
    return [chain](const QString &folder, const QString &pictures) {
        const QString real = pictures + (chain ? u"/real.mdb"_s : u"/pomwit.mdb"_s);
        const QString link = pictures + u"/link.mdb"_s;
        return QFile::rename(folder + u"/pomwit.mdb"_s, real) && (!chain || QFile::link(real, link))
            && QFile::link(chain ? link : real, folder + u"/pomwit.mdb"_s);
    };
}

} // namespace

class TestPomwitCards : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(testsupport::haveLegacyFixtures(), testsupport::legacyFixturesMissing()); }
    void says_data();
    void says();
    void lockedByAnotherProcess();
    void throughSudo_decodesWithTheUsersRights();
    void underSudo_decodesWithTheInvokingUsersRights();
};

void TestPomwitCards::says_data()
{
    QTest::addColumn<SetUp>("setUp");
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("status");
    // Standard error, then standard output; %F is the card set's folder, %P
    // the folder of pictures.
    QTest::addColumn<QString>("says");
    // A mistake on the command line ends with a pointer to the help.
    const auto row = [](const char *name, const SetUp &setUp, const char *arguments, int status, const char *says) {
        QTest::newRow(name) << setUp << QString::fromUtf8(arguments) << status
                            << QString::fromUtf8(says) + (status == 2 ? u"Try pomwit-cards --help.\n"_s : QString());
    };
    const SetUp kangaroo = pictures({{"k.jpg", photo}});

    row("add, add --replace, a picture that is not there, a folder for a picture", kangaroo,
        "add|kangaroo|%P/k.jpg;add|--replace|apple|%P/k.jpg;add|emu|%P/emu.jpg;add|emu|%P", 1,
        "pomwit-cards: There is no picture \"%P/emu.jpg\": check the file's name and folder.\n"
        "pomwit-cards: \"%P\" is not a picture file but a folder or a special file: name a picture file.\n"
        "Added the card \"kangaroo\" to \"%F/pomwit.mdb\".\nChanged the pictures of the card \"apple\" in "
        "\"%F/pomwit.mdb\".\n");
    row("a file where the pictures folder should be", pictures({{"k.jpg", photo}}, [](const QString &folder, const QString &) {
            return QDir(folder + u"/pictures"_s).removeRecursively() && cardstest::writeFile(folder + u"/pictures"_s, "");
        }), "add|kangaroo|%P/k.jpg", 1,
        "pomwit-cards: \"%F/pictures\" could not be written (File exists), so nothing was changed: check the free "
        "space and the folder's permissions, then try again.\n");
    row("the database refuses the row",
        pictures({{"k.jpg", photo}}, sql("CREATE TRIGGER no BEFORE INSERT ON tblflashcards BEGIN SELECT RAISE(ABORT, 'full'); END")),
        "add|kangaroo|%P/k.jpg", 1,
        "pomwit-cards: The card database \"%F/pomwit.mdb\" could not be changed (full), so nothing was changed: "
        "check the free space, or check the file with pomwit-cards check.\n");
    row("a word that differs from a card's only in capitals; a picture before its word", kangaroo,
        "add|Apple|%P/k.jpg;add|%P/k.jpg|kangaroo", 2,
        "pomwit-cards: There is already a card \"apple\" in \"%F/pomwit.mdb\", which differs from \"Apple\" only in "
        "capitals, so the child could not tell the two apart: choose another word, or change that card's picture "
        "with pomwit-cards add --replace \"apple\" PICTURE.\n"
        "pomwit-cards: \"%P/k.jpg\" is a picture and \"kangaroo\" is not: give the word first, then the picture, as "
        "in pomwit-cards add WORD PICTURE.\n");
    row("add-folder: what was added, what was skipped and why",
        pictures({{"dog.jpg", photo}, {"dog.png", photo}, {"apple.jpg", photo}, {"emu .jpg", photo},
                  {"IMG_2041.jpg", photo}, {".hidden.jpg", photo}, {"holiday/emu.jpg", photo},
                  {"cut.jpg", photo.left(photo.size() - 200)}, {"notes.jpg", "hello\n"},
                  {"k.heic", QByteArray("\0\0\0\x18" "ftypheic", 12) + QByteArray(64, 'x')}},
                 [](const QString &, const QString &pictures) {
                     return QImage(12000, 9000, QImage::Format_Mono).save(pictures + u"/huge.png"_s);
                 }),
        "add-folder|%P", 1,
        "Added 1 card to \"%F/pomwit.mdb\":\n  dog (dog.jpg)\nSkipped 10 files:\n"
        "  .hidden.jpg: a hidden file, which add-folder leaves alone: add it with pomwit-cards add WORD PICTURE.\n"
        "  IMG_2041.jpg: a camera's file name, which is no word: add it with pomwit-cards add WORD PICTURE.\n"
        "  apple.jpg: There is already a card \"apple\" in \"%F/pomwit.mdb\": add --replace to change its picture, "
        "or choose another word.\n"
        "  cut.jpg: \"%P/cut.jpg\" is damaged or cut short (Corrupt JPEG data: premature end of data segment): copy "
        "the picture again from where it came from.\n"
        "  dog.png: The card \"dog\" is already being added from another picture: give each picture its own word.\n"
        "  emu .jpg: \"emu \" cannot be a card's word: it ends with a space, which would become part of the "
        "picture's file name. Type the word again without it.\n"
        "  holiday: a folder, whose pictures add-folder does not add: add that folder by itself.\n"
        "  huge.png: \"%P/huge.png\" is too large to read (12000 × 9000 pixels): save it smaller, for example 4000 × "
        "3000 pixels, then try again.\n"
        "  k.heic: \"%P/k.heic\" is a HEIC photo, which Pomwit cannot read: convert it to JPEG first, for "
        "example with heif-convert \"%P/k.heic\" photo.jpg (from the package libheif-examples).\n"
        "  notes.jpg: \"%P/notes.jpg\" is not a picture that Pomwit can read (Unsupported image format): save "
        "it as JPEG or PNG, then try again.\n");
    row("add-folder of a folder that is not there, of an empty one", nothing, "add-folder|%P/none;add-folder|%P", 1,
        "pomwit-cards: There is no folder \"%P/none\": name the folder that holds the pictures.\n"
        "pomwit-cards: There are no pictures in \"%P\": copy the pictures into it first.\n");

    row("remove, then remove again", nothing, "remove|ball;remove|ball", 1,
        "pomwit-cards: There is no card \"ball\" in \"%F/pomwit.mdb\": pomwit-cards list shows the cards there are.\n"
        "Removed the card \"ball\" from \"%F/pomwit.mdb\".\n");
    row("remove of a word in two rows, then with --all", sql("INSERT INTO tblflashcards VALUES ('cat')"),
        "remove|cat;remove|--all|cat", 0,
        "pomwit-cards: The card \"cat\" is stored 2 times in \"%F/pomwit.mdb\": add --all to remove every one of "
        "them.\nRemoved all 2 cards \"cat\" from \"%F/pomwit.mdb\".\n");
    row("rename", nothing, "rename|ball|bat", 0, "Renamed the card \"ball\" to \"bat\" in \"%F/pomwit.mdb\".\n");
    row("after --, a word", nothing, "remove|--|--all", 1,
        "pomwit-cards: There is no card \"--all\" in \"%F/pomwit.mdb\": pomwit-cards list shows the cards there are.\n");
    row("list", sql("UPDATE tblflashcards SET cardname = NULL WHERE cardname = 'ball'"), "list", 0,
        "      1  apple\n!     2  (no word)\n      3  cat\n"
        "! marks a card with a problem: pomwit-cards check tells what is wrong.\n");
    row("check, all in order", nothing, "check", 0, "The card set in \"%F\" is in order: 3 cards.\n");
    row("check, what is wrong", [](const QString &folder, const QString &) {
        return QFile::remove(folder + u"/pomwit.mdb"_s)
            && testsupport::writeCardDatabase(folder, {u"apple"_s, QVariant(), u"a/b"_s, u"ball"_s, u"cat"_s})
            && QFile::remove(folder + u"/pictures/ball.bmp"_s)
            && QImage(9, 9, QImage::Format_RGB888).save(folder + u"/pictures/cat.bmp"_s)
            && cardstest::writeFile(folder + u"/pictures/owl.png"_s, "")
            && cardstest::writeFile(folder + u"/pictures/.pomwit-cards-0123456789abcdef.tmp"_s, "");
    }, "check", 1,
        "pomwit-cards: Removed \"%F/pictures/.pomwit-cards-0123456789abcdef.tmp\", left over from an interrupted "
        "run.\n"
        "Card 2 has no word: delete it with sqlite3 \"%F/pomwit.mdb\" \"DELETE FROM tblflashcards WHERE cardname IS "
        "NULL OR cardname = ''\".\n"
        "Card 3, \"a/b\", cannot have a picture: a word may not contain \"/\" or \"\\\". Give it another word with "
        "pomwit-cards rename.\n"
        "Card 4, \"ball\", has no picture \"%F/pictures/ball.bmp\": add one with pomwit-cards add --replace.\n"
        "Card 5, \"cat\": \"%F/pictures/cat.bmp\" is not a readable 273 × 217 24-bit BMP picture (it is 9 × 9 "
        "pixels): replace it with pomwit-cards add --replace.\n"
        "\"%F/pictures/owl.png\" belongs to no card: add its card with pomwit-cards add, or delete it.\n");

    // Refused until converted; then the cards in the Access file's order (only apple has a picture).
    row("convert", accessFile(), "remove|apple;convert;list", 0,
        "pomwit-cards: \"%F/pomwit.mdb\" is an Access card database, which pomwit-cards does not change: run "
        "pomwit-cards convert to turn it into a SQLite one first (the Access file is kept as pomwit.mdb.access).\n"
        "\"%F/pomwit.mdb\" is now a SQLite card set of 5 cards; the Access file is kept as "
        "\"%F/pomwit.mdb.access\".\nLeft out, having no word: row 2, 3.\n      1  apple\n!     2  über\n"
        "!     3  ñandú\n!     4  two words\n!     5  xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\n"
        "! marks a card with a problem: pomwit-cards check tells what is wrong.\n");
    row("convert with pomwit.mdb.access in the way", accessFile("pomwit.mdb.access"), "convert", 1,
        "pomwit-cards: \"%F/pomwit.mdb.access\" is in the way of the Access file's copy: move it elsewhere, then "
        "convert again.\n");
    row("convert a SQLite card set", nothing, "convert", 1,
        "pomwit-cards: \"%F/pomwit.mdb\" is already a SQLite card database: there is nothing to convert.\n");
    row("a link to a link", moveDatabase(true), "check", 1,
        "pomwit-cards: \"%F/pomwit.mdb\" is a link to \"%P/link.mdb\", which is a link again: point "
        "\"%F/pomwit.mdb\" straight at the card set.\n");
    row("pictures not beside the database", moveDatabase(false), "check", 1,
        "pomwit-cards: The pictures folder \"%F/pictures\" is not beside the card database \"%P/pomwit.mdb\": keep "
        "both in one folder (links to that folder are fine).\n");

    // A recording made elsewhere, a recording too long, a phone's memo.
    const SetUp sounds = pictures({{"take.ogg", testsupport::oggTone(600)}, {"k.jpg", photo},
                                   {"long.wav", testsupport::soundFile(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 15.5)},
                                   {"memo.m4a", QByteArray("\0\0\0\x20" "ftypM4A \0\0\0\0", 16) + QByteArray(99, 'x')}});
    row("sound, list, check and --remove", sounds, "sound|apple|%P/take.ogg;list;check;sound|--remove|apple", 0,
        "The card \"apple\" in \"%F/pomwit.mdb\" now says its word in the recording \"%P/take.ogg\".\n"
        " ♪    1  apple\n      2  ball\n      3  cat\n♪ marks a card that says its word in a recording.\n"
        "The card set in \"%F\" is in order: 3 cards.\n"
        "Removed the recording of the card \"apple\" in \"%F/pomwit.mdb\": the voice says its word again.\n");
    row("add --sound", sounds, "add|--sound|%P/take.ogg|kangaroo|%P/k.jpg;list", 0,
        "Added the card \"kangaroo\" to \"%F/pomwit.mdb\".\n      1  apple\n      2  ball\n      3  cat\n"
        " ♪    4  kangaroo\n♪ marks a card that says its word in a recording.\n");
    row("sound refused: no such card, too long, a phone's memo, none to remove", sounds,
        "sound|emu|%P/take.ogg;sound|apple|%P/long.wav;sound|apple|%P/memo.m4a;sound|--remove|apple", 1,
        "pomwit-cards: There is no card \"emu\" in \"%F/pomwit.mdb\": pomwit-cards list shows the cards there are.\n"
        "pomwit-cards: \"%P/long.wav\" cannot be used: it is 15.5 seconds long, and a recording may be at most 15 "
        "seconds. Cut it shorter first.\n"
        "pomwit-cards: \"%P/memo.m4a\" cannot be used: it is an M4A file, a format Pomwit does not read. Convert it "
        "first, with ffmpeg -i %P/memo.m4a %P/memo.ogg, then use that file.\n"
        "pomwit-cards: The card \"apple\" has no recording to remove.\n");
    row("check, a recording that cannot be played", [](const QString &folder, const QString &) {
        return cardstest::writeFile(folder + u"/pictures/ball.mp3"_s, "not sound");
    }, "check", 1,
        "Card 2, \"ball\": the recording \"%F/pictures/ball.mp3\" cannot be played (it is not a sound file): attach "
        "another with pomwit-cards sound, or remove it with pomwit-cards sound --remove.\n");

    row("a word with an invisible mark", kangaroo, "add|kan\u200Fgaroo|%P/k.jpg", 1,
        "pomwit-cards: \"kan\u200Fgaroo\" cannot be a card's word: it holds the invisible formatting character "
        "U+200F. Type the word again without it.\n");
    row("check, one word in two forms", [](const QString &folder, const QString &) {
        return testsupport::writePictures(folder, {u"café"_s, u"cafe\u0301"_s})
            && testsupport::editCardDatabase(folder, u"INSERT INTO tblflashcards VALUES ('café'), ('cafe\u0301')"_s);
    }, "check", 1,
        "Cards 4 and 5, \"café\" and \"cafe\u0301\", are one word written with different characters: remove one of "
        "them with pomwit-cards remove, copying its word from pomwit-cards list.\n");

    row("language: English until set, then the one set", nothing, "language;language|pt_br;language", 0,
        "en (English)\nThe card set in \"%F\" is now in Portuguese (pt-BR).\npt-BR (Portuguese)\n");
    row("language no voice speaks, and no language at all", nothing, "language|zu;language|b@d", 1,
        "pomwit-cards: No voice on this computer speaks \"zu\"; the voices speak these languages: %L.\n"
        "pomwit-cards: \"b@d\" is not a language code: give one such as de, fr, es or pt-BR.\n");
    row("language of an Access card set", accessFile(), "language;language|de", 1,
        "pomwit-cards: \"%F/pomwit.mdb\" is an Access card database, which pomwit-cards does not change: run "
        "pomwit-cards convert to turn it into a SQLite one first (the Access file is kept as pomwit.mdb.access).\n"
        "en (English)\n");
    row("reset without a terminal to ask on", nothing, "reset|--language|de", 1,
        "pomwit-cards: reset replaces the whole card set, so it asks first, and there is no terminal to ask on: add "
        "--yes to replace it without asking.\n");
    row("reset --yes: the bundled German cards, the old ones kept", nothing,
        "reset|--language|de|--yes;language;--folder|%F/cardset-%D|list", 0,
        "The card set in \"%F\" is now the bundled German card set (25 cards); the cards it had are kept in "
        "\"%F/cardset-%D\".\nde (German)\n      1  apple\n      2  ball\n      3  cat\n");
    row("reset to a language without a bundled card set", nothing, "reset|--language|it|--yes", 1,
        "pomwit-cards: There is no bundled card set in \"it\"; there are bundled card sets in de, en, es, fr.\n");
    for (const auto &[language, cards] : {std::pair("en", 26), std::pair("de", 25), std::pair("es", 24), std::pair("fr", 23)})
        QTest::addRow("the bundled card set in %s is in order", language)
            << nothing << u"--folder|%B/%1|check"_s.arg(QLatin1String(language)) << 0
            << u"The card set in \"%B/%1\" is in order: %2 cards.\n"_s.arg(QLatin1String(language)).arg(cards);

    row("no command", nothing, "", 2,
        "pomwit-cards: Name a command: add, add-folder, list, remove, rename, check, convert, sound, language or reset.\n");
    row("reset without --language", nothing, "reset", 2,
        "pomwit-cards: Usage: pomwit-cards [--folder DIR] reset --language LANG [--yes]\n");
    row("no such command", nothing, "delete", 2, "pomwit-cards: There is no command \"delete\".\n");
    row("too few words", nothing, "add|kangaroo", 2,
        "pomwit-cards: Usage: pomwit-cards [--folder DIR] add [--replace] [--sound FILE] WORD PICTURE\n");
    row("no such option", nothing, "list|--force", 2, "pomwit-cards: There is no option --force.\n");
    row("--folder without a folder", nothing, "list|--folder", 2, "pomwit-cards: --folder needs a folder.\n");
}

void TestPomwitCards::says()
{
    QFETCH(SetUp, setUp);
    QFETCH(QString, arguments);
    QFETCH(int, status);
    QFETCH(QString, says);
    QTemporaryDir folder, pictures;
    QVERIFY(testsupport::writeCardSet(folder.path(), names("apple|ball|cat")));
    QVERIFY(setUp(folder.path(), pictures.path()));
    // %D today's date, %B the bundled card sets, %L the languages the voices speak.
    const auto place = [&](QString text) {
        return text.replace(u"%F"_s, folder.path())
            .replace(u"%P"_s, pictures.path())
            .replace(u"%D"_s, QDate::currentDate().toString(Qt::ISODate))
            .replace(u"%B"_s, QStringLiteral(POMWIT_BUNDLED_DIR "/cardsets"))
            .replace(u"%L"_s, SpeechSystem::instance().languages().join(u", "_s));
    };
    // Root's umask under sudo may be 077, and the program reads as another user.
    const mode_t umask = ::umask(077);
    cardstest::Run run{0, {}, {}};
    // Commands one after another, the first failure the last.
    for (const QString &command : place(arguments).split(u';')) {
        const auto next = cardstest::runCards(QStringList{u"--folder"_s, folder.path()} + command.split(u'|', Qt::SkipEmptyParts));
        run = {next.status, run.out + next.out, run.err + next.err};
    }
    ::umask(umask);
    QCOMPARE(run.err + run.out, place(says));
    QCOMPARE(run.status, status);
    for (const QFileInfo &file : QDir(folder.path() + u"/pictures"_s).entryInfoList(QDir::Files))
        QCOMPARE(file.permissions() & 0x7777, QFileDevice::Permissions(0x6644));
}

void TestPomwitCards::lockedByAnotherProcess()
{
    QTemporaryDir folder;
    const QString path = folder.path();
    QVERIFY(testsupport::writeCardSet(path, names("apple")) && cardstest::writeFile(path + u"/k.jpg"_s, photo));
    cardstest::Run run;
    QVERIFY(testsupport::withCardDatabase(path, [&](QSqlQuery &query) {
        if (!query.exec(u"BEGIN EXCLUSIVE"_s))
            return false;
        run = cardstest::runCards({u"--folder"_s, path, u"add"_s, u"kangaroo"_s, path + u"/k.jpg"_s});
        return true;
    }));
    QCOMPARE(run.err, u"pomwit-cards: The card database \"%1/pomwit.mdb\" is locked by another program.\n\nSave your "
                      "changes in that program or close it, then try again.\n"_s.arg(path));
    QCOMPARE(run.status, 1);
    QCOMPARE(testsupport::folderEntries(path + u"/pictures"_s), names("apple.bmp"));

    // Another pomwit-cards holds the card set.
    const int lock = ::open(qPrintable(path), O_RDONLY);
    QCOMPARE(::flock(lock, LOCK_EX), 0);
    const auto busy = cardstest::runCards({u"--folder"_s, path, u"remove"_s, u"apple"_s});
    ::close(lock);
    QCOMPARE(busy.err, u"pomwit-cards: Another pomwit-cards is changing the card set in \"%1\": wait until it has "
                       "finished, then try again.\n"_s.arg(path));
}

void TestPomwitCards::throughSudo_decodesWithTheUsersRights()
{
    if (::geteuid() != 0)
        QSKIP("runs as root, as sudo does");
    QTemporaryDir folder, pictures;
    QVERIFY(testsupport::writeCardSet(folder.path(), names("apple")));
    QVERIFY(::chmod(qPrintable(pictures.path()), 0755) == 0);
    const QString mine = pictures.path() + u"/mine.jpg"_s, roots = pictures.path() + u"/roots.jpg"_s;
    QVERIFY(cardstest::writeFile(mine, photo) && cardstest::writeFile(roots, photo));
    QVERIFY(::chmod(qPrintable(roots), 0600) == 0);
    qputenv("SUDO_UID", "65534");
    qputenv("SUDO_GID", "65534");
    const auto added = cardstest::runCards({u"--folder"_s, folder.path(), u"add"_s, u"mine"_s, mine});
    const auto refused = cardstest::runCards({u"--folder"_s, folder.path(), u"add"_s, u"roots"_s, roots});
    qunsetenv("SUDO_UID");
    qunsetenv("SUDO_GID");
    QCOMPARE(added.err, QString());
    QCOMPARE(refused.err, u"pomwit-cards: \"%1\" cannot be read (Permission denied): check that your user may read "
                          "it.\n"_s.arg(roots));
    QCOMPARE(cardstest::cardWords(folder.path()), names("apple|mine"));
}

void TestPomwitCards::underSudo_decodesWithTheInvokingUsersRights()
{
    if (::geteuid() != 0)
        QSKIP("needs root");
    QTemporaryDir folder;
    const QString take = folder.path() + u"/take.ogg"_s;
    QVERIFY(testsupport::writeCardSet(folder.path(), names("apple")) && cardstest::writeFile(take, testsupport::oggTone(600)));
    QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther));
    // The user "nobody" ran sudo: a file only root may read is not read.
    qputenv("SUDO_UID", "65534");
    qputenv("SUDO_GID", "65534");
    const auto sound = [&] { return cardstest::runCards({u"--folder"_s, folder.path(), u"sound"_s, u"apple"_s, take}); };
    const auto readable = sound();
    QVERIFY(QFile::setPermissions(take, QFile::ReadOwner));
    const auto unreadable = sound();
    qunsetenv("SUDO_UID");
    qunsetenv("SUDO_GID");
    QCOMPARE(readable.status, 0);
    QCOMPARE(unreadable.err, u"pomwit-cards: \"%1\" cannot be read (Permission denied): check the file's permissions.\n"_s.arg(take));
}

QTEST_MAIN(TestPomwitCards)
#include "tst_pomwitcards.moc"
