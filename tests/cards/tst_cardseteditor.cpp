// The writing half of the card store on real card sets: every change all or
// nothing, and the program's own reading sees the result.

#include "cardstest.h"
#include "soundfiles.h"

#include "deck/cardseteditor.h"
#include "deck/cardwords.h"
#include "deck/oggrecording.h"

#include <QBuffer>

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using cardstest::names;

using testsupport::folderEntries;

// Changes the card set in the folder; returns what went wrong, or nothing.
using Change = std::function<QString(const QString &folder)>;
Q_DECLARE_METATYPE(Change)

namespace {

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

Change remove(const QString &word, bool all, const char *before = nullptr)
{
    return edit([word, all](CardSetEditor &cards) { return outcome(cards.remove(word, all)); }, before);
}

Change rename(const QString &from, const QString &to)
{
    return edit([from, to](CardSetEditor &cards) { return outcome(cards.rename(from, to)); });
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A card's finished pictures, as the workshop hands them over.
CardSetChange::AddCard card(const QString &word, QSize bitmapSize = {273, 217}, QSize largeSize = {400, 300})
{
    QImage bitmap(bitmapSize, QImage::Format_RGB888), large(largeSize, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    large.fill(Qt::red);
    return {word, encoded(bitmap, "BMP"), u"jpg"_s, encoded(large, "JPEG"), false};
}

Change add(const QString &word, bool replace = false, const char *before = nullptr)
{
    CardSetChange::AddCard step = card(word);
    step.replace = replace;
    return edit([step](CardSetEditor &cards) { return outcome(cards.apply(CardSetChange{{step}})); }, before);
}

Change apply(const QList<CardSetChange::Step> &steps)
{
    return edit([steps](CardSetEditor &cards) { return outcome(cards.apply(CardSetChange{steps})); });
}

// The change made the whole set; the set it replaced, kept beside it, goes
// again so that the folder can be compared.
Change replaceAll(const QList<CardSetChange::Step> &steps)
{
    return edit([steps](CardSetEditor &cards) {
        const auto kept = cards.replaceAll(CardSetChange{steps});
        if (!kept || !QDir(kept.value()).removeRecursively())
            return kept ? u"not kept"_s : kept.error().message;
        const auto language = cards.language();
        return language && language.value() == u"de"_s ? QString() : u"language not set"_s;
    });
}

Change record(const QString &word, const QByteArray &ogg)
{
    return edit([word, ogg](CardSetEditor &cards) { return outcome(cards.apply(CardSetChange{{CardSetChange::SetRecording{word, ogg}}})); });
}

Change unrecord(const QString &word)
{
    return edit([word](CardSetEditor &cards) { return outcome(cards.apply(CardSetChange{{CardSetChange::RemoveRecording{word}}})); });
}

} // namespace

class TestCardSetEditor : public QObject
{
    Q_OBJECT

private slots:
    void newWords_data();
    void newWords();
    void recordingCheck_data();
    void recordingCheck();
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

// What the writer takes as a card's recording, decoding nothing.
void TestCardSetEditor::recordingCheck_data()
{
    using namespace testsupport;
    QTest::addColumn<QByteArray>("ogg");
    QTest::addColumn<QString>("refused"); // empty: taken, 1 s long
    const QByteArray vorbis = oggTone(1000);
    QTest::newRow("Vorbis as recorded") << vorbis << QString();
    QTest::newRow("Opus") << soundFile(oggOpus) << QString();
    QTest::newRow("cut short inside a page") << vorbis.left(vorbis.size() - 10) << u"it is cut short"_s;
    QTest::newRow("its last page gone") << vorbis.left(vorbis.lastIndexOf("OggS")) << u"it is cut short"_s;
    QByteArray changed = vorbis;
    changed[changed.size() / 2] = char(changed[changed.size() / 2] ^ 0x10);
    QTest::newRow("a byte changed") << changed << u"it is damaged"_s;
    QTest::newRow("two streams") << vorbis + vorbis << u"it holds more than one stream"_s;
    const qsizetype second = vorbis.indexOf("OggS", 1), third = vorbis.indexOf("OggS", second + 1);
    QTest::newRow("a page missing") << vorbis.left(second) + vorbis.mid(third) << u"it is damaged"_s;
    QTest::newRow("a WAV") << soundFile(SF_FORMAT_WAV | SF_FORMAT_PCM_16) << u"it is not an Ogg Vorbis or Opus file"_s;
    QTest::newRow("Opus of 15.5 s") << soundFile(oggOpus, 1, 15.5)
                                    << u"it is 15.5 seconds long, and a recording may be at most 15 seconds"_s;
    QTest::newRow("Vorbis of 15.5 s") << soundFile(oggVorbis, 1, 15.5)
                                      << u"it is 15.5 seconds long, and a recording may be at most 15 seconds"_s;
    QTest::newRow("larger than 2 MB") << vorbis + QByteArray(2 << 20, '\0') << u"it is larger than 2 MB"_s;
}

void TestCardSetEditor::recordingCheck()
{
    QFETCH(QByteArray, ogg);
    QFETCH(QString, refused);
    const auto recording = OggRecording::check(ogg);
    QCOMPARE(recording ? QString() : recording.error(), refused);
    QVERIFY(!recording || qAbs(recording->seconds() - 1.0) < 0.02);
}

void TestCardSetEditor::changes_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("pictures");

    // Every row starts from apple, ball (with a PNG, an SVG and a recording
    // beside its bitmap) and cat, and a PNG of "bat", a card that is not there.
    const QStringList before = names("apple|ball|cat");
    const QStringList beforePictures = names("apple.bmp|ball.bmp|ball.png|ball.svg|ball.wav|bat.png|cat.bmp");
    const char *secondCat = "INSERT INTO tblflashcards VALUES ('cat')";
    const auto row = [](const char *name, const Change &change, bool refused, const QStringList &words,
                        const QStringList &pictures) { QTest::newRow(name) << change << refused << words << pictures; };
    row("a new card", add(u"ñandú grande"_s), false, names("apple|ball|cat|ñandú grande"),
        beforePictures + names("ñandú grande.bmp|ñandú grande.jpg"));
    row("a word that exists, without --replace", add(u"ball"_s), true, before, beforePictures);
    row("--replace: the card's other pictures go, its recording stays", add(u"ball"_s, true), false, before,
        names("apple.bmp|ball.bmp|ball.jpg|ball.wav|bat.png|cat.bmp"));
    row("remove: the row, every picture and the recording", remove(u"ball"_s, false), false, names("apple|cat"),
        names("apple.bmp|bat.png|cat.bmp"));
    row("remove of a word in two rows, without --all", remove(u"cat"_s, false, secondCat), true,
        names("apple|ball|cat|cat"), beforePictures);
    row("remove --all of a word in two rows", remove(u"cat"_s, true, secondCat), false, names("apple|ball"),
        names("apple.bmp|ball.bmp|ball.png|ball.svg|ball.wav|bat.png"));
    row("rename: same place, pictures and recording follow, the new word's stale one goes",
        rename(u"ball"_s, u"bat"_s), false, names("apple|bat|cat"),
        names("apple.bmp|bat.bmp|bat.png|bat.svg|bat.wav|cat.bmp"));
    const QByteArray ogg = testsupport::oggTone(500);
    row("a recording: WORD.ogg, and the card's other recording goes", record(u"ball"_s, ogg), false, before,
        names("apple.bmp|ball.bmp|ball.ogg|ball.png|ball.svg|bat.png|cat.bmp"));
    row("a recording of a word that is no card", record(u"bat"_s, ogg), true, before, beforePictures);
    row("a recording that is cut short", record(u"cat"_s, ogg.left(ogg.size() / 2)), true, before, beforePictures);
    row("the recording removed", unrecord(u"ball"_s), false, before,
        names("apple.bmp|ball.bmp|ball.png|ball.svg|bat.png|cat.bmp"));
    row("a recording removed from a card that has none", unrecord(u"cat"_s), true, before, beforePictures);
    row("rename to a word that exists", rename(u"ball"_s, u"cat"_s), true, before, beforePictures);
    using Rename = CardSetChange::RenameCard;
    using Remove = CardSetChange::RemoveCard;
    row("one change: two added, one renamed, one removed", apply({card(u"dog"_s), card(u"emu"_s),
        Rename{u"ball"_s, u"bat"_s}, Remove{u"cat"_s, false}}), false, names("apple|bat|dog|emu"),
        names("apple.bmp|bat.bmp|bat.png|bat.svg|bat.wav|dog.bmp|dog.jpg|emu.bmp|emu.jpg"));
    row("one change: a card added, renamed, then another removed", apply({card(u"dog"_s), Rename{u"dog"_s, u"emu"_s},
        Remove{u"apple"_s, false}}), false, names("ball|cat|emu"),
        names("ball.bmp|ball.png|ball.svg|ball.wav|bat.png|cat.bmp|emu.bmp|emu.jpg"));
    row("one change: the last step refused, the first undone", apply({card(u"dog"_s), Remove{u"zebra"_s, false}}),
        true, before, beforePictures);
    row("a word the child cannot tell from a card's", apply({card(u"Apple"_s)}), true, before, beforePictures);
    row("a word the child cannot tell from a card's, renamed to", rename(u"ball"_s, u"CAT"_s), true, before,
        beforePictures);
    row("a card's own word in capitals", rename(u"ball"_s, u"Ball"_s), false, names("apple|Ball|cat"),
        names("Ball.bmp|Ball.png|Ball.svg|Ball.wav|apple.bmp|bat.png|cat.bmp"));
    row("a bitmap that is not 273 x 217", apply({card(u"dog"_s, {272, 217})}), true, before, beforePictures);
    row("a large picture over 2048 pixels", apply({card(u"dog"_s, {273, 217}, {2049, 8})}), true, before,
        beforePictures);
    row("one change: a card added and its recording, the other recording of another removed",
        apply({card(u"dog"_s), CardSetChange::SetRecording{u"dog"_s, ogg}, CardSetChange::RemoveRecording{u"ball"_s}}),
        false, names("apple|ball|cat|dog"),
        names("apple.bmp|ball.bmp|ball.png|ball.svg|bat.png|cat.bmp|dog.bmp|dog.jpg|dog.ogg"));
    row("a word typed decomposed is stored composed", add(u"cafe\u0301"_s), false, names("apple|ball|cat|café"),
        names("apple.bmp|ball.bmp|ball.png|ball.svg|ball.wav|bat.png|café.bmp|café.jpg|cat.bmp"));
    row("rename to a decomposed word", rename(u"ball"_s, u"be\u0301be\u0301"_s), false, names("apple|bébé|cat"),
        names("apple.bmp|bat.png|bébé.bmp|bébé.png|bébé.svg|bébé.wav|cat.bmp"));
    row("a whole new set: every card and file goes, the new cards are not compared with the old",
        replaceAll({card(u"Apple"_s), CardSetChange::SetLanguage{u"de"_s}}), false, names("Apple"),
        names("Apple.bmp|Apple.jpg"));
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
    for (const QString &name : names("ball.png|ball.svg|ball.wav|bat.png"))
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
