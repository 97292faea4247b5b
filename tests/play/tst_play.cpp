// Card play without its window, and the card's picture, on real SQLite card
// sets and files in a temporary application folder; only sound is captured.

#include "play/cardpicture.h"
#include "play/cardsession.h"
#include "play/dealtstack.h"
#include "play/drawsequence.h"
#include "play/largepicture.h"
#include "speech/phraseplayer.h"
#include "speech/speakingvoice.h"
#include "speech/voicechoice.h"
#include "testsupport.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace testsupport;

namespace {

using Make = std::function<void(const QString &path)>;

// Fractions given by the test; the first candidate when none are left.
class ScriptedDraw : public DrawSequence
{
public:
    qint32 nextPosition(qint32 count) override
    {
        return fractions.isEmpty() ? 0 : qint32(fractions.takeFirst() * count);
    }
    QList<double> fractions;
};

struct Table
{
    QTemporaryDir dir;
    std::shared_ptr<RecordingAudioOutput> audio = std::make_shared<RecordingAudioOutput>();
    std::shared_ptr<VoiceChoice> voice = std::make_shared<VoiceChoice>();
    ScriptedDraw *draws = new ScriptedDraw;
    CardSession play{dir.path(), std::make_shared<PhrasePlayer>(audio), voice, std::unique_ptr<DrawSequence>(draws)};

    explicit Table(const QStringList &words) { writeCardDatabase(dir.path(), wordsOf(words)); }
    explicit Table(const QList<QVariant> &rows) { writeCardDatabase(dir.path(), rows); }
};

CardSnapshot snapshotOf(const QStringList &words, quint64 generation = 1)
{
    auto rows = std::make_shared<CardRows>();
    for (const QString &word : words)
        rows->append(word);
    return {rows, generation};
}

} // namespace

class PlayTest : public QObject
{
    Q_OBJECT

private slots:
    void dealtStack_dealsEveryCardOnceARound_data()
    {
        QTest::addColumn<int>("cards");
        for (int cards : {1, 2, 3, 26, 1000})
            QTest::newRow(qPrintable(QStringLiteral("%1 cards").arg(cards))) << cards;
    }
    void dealtStack_dealsEveryCardOnceARound()
    {
        QFETCH(int, cards);
        QStringList words;
        for (int i = 0; i < cards; ++i)
            words << QStringLiteral("w%1").arg(i);
        if (cards >= 3)
            words[1] = words[2]; // a duplicate row is a card of its own
        RandomDraw draws([random = QRandomGenerator(quint32(cards))]() mutable { return random.generateDouble(); });
        DealtStack stack;
        const CardSnapshot snapshot = snapshotOf(words);
        QString shown = words.first(); // the card on screen when the window opened
        for (int round = 0; round < 3; ++round) {
            QStringList dealt;
            for (int i = 0; i < cards; ++i) {
                const DealtStack::Deal deal = stack.deal(snapshot, shown, draws);
                if (i == 0 && cards >= 2)
                    QVERIFY2(words[deal.position] != shown, "a round began with the card on screen");
                QCOMPARE(deal.roundOver, i == cards - 1);
                shown = words[deal.position];
                dealt.append(shown);
            }
            dealt.sort();
            QStringList all = words;
            all.sort();
            QCOMPARE(dealt, all);
        }
    }

    void dealtStack_takesEditsIntoTheRound()
    {
        RandomDraw draws([random = QRandomGenerator(7)]() mutable { return random.generateDouble(); });
        DealtStack stack;
        const QStringList before{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
        QStringList dealt;
        for (int i = 0; i < 2; ++i)
            dealt << before[stack.deal(snapshotOf(before), QString(), draws).position];
        // One card dealt and one not go, "e" comes: the round ends with the rest and "e".
        QStringList rest = before;
        rest.removeOne(dealt[0]);
        rest.removeOne(dealt[1]);
        const QStringList edited{dealt[1], rest[1], QStringLiteral("e")};
        const CardSnapshot changed = snapshotOf(edited, 2);
        QStringList second;
        for (int i = 0; i < 2; ++i) {
            const DealtStack::Deal deal = stack.deal(changed, QString(), draws);
            second << edited[deal.position];
            QCOMPARE(deal.roundOver, i == 1);
        }
        second.sort();
        QCOMPARE(second, (QStringList{rest[1], QStringLiteral("e")}));
    }

    void rowsWithoutAWord_areDealtAsCardsThatCannotBeShown()
    {
        Table table(QList<QVariant>{QStringLiteral("apple"), QStringLiteral("ball"), QStringLiteral("cat"), QVariant(),
                                    QStringLiteral("dog"), QStringLiteral("egg"), QStringLiteral("fish")});
        int none = 0;
        for (int draw = 0; draw < 14; ++draw) {
            const StoreResult<CardDraw> drawn = table.play.nextCard();
            QVERIFY(drawn);
            QCOMPARE(drawn->count, 7);
            QCOMPARE(drawn->word.has_value(), drawn->position != 3);
            QCOMPARE(table.play.scurrword(), drawn->word.value_or(QString()));
            none += !drawn->word;
            if (drawn->reshuffleDue)
                table.play.reshuffled();
        }
        QCOMPARE(none, 2); // once a round
    }

    void failedReads_areNoDraws()
    {
        Table empty(QStringList{});
        QVERIFY(!*empty.play.loadFirstCard());
        const StoreResult<CardDraw> none = empty.play.nextCard();
        QVERIFY(!none);
        QCOMPARE(none.error().kind, StoreError::Kind::NoCards);

        Table table(QStringList{QStringLiteral("apple")});
        QVERIFY(table.play.nextCard());
        QVERIFY(QFile::remove(table.dir.path() + QStringLiteral("/pomwit.mdb")));
        QVERIFY(!table.play.nextCard());
        QVERIFY(!table.play.loadFirstCard());
        QCOMPARE(table.play.allcardsplayed(), 1);
        QCOMPARE(table.play.scurrword(), QStringLiteral("apple"));
    }

    void keyCheck_data()
    {
        QTest::addColumn<QString>("language"); // of the card set; none set is English
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("phrase");
        const auto row = [](const char *name, const char *language, const char *word, const char *typed, bool right,
                            const char *phrase) {
            QTest::newRow(name) << QString::fromUtf8(language) << QString::fromUtf8(word) << QString::fromUtf8(typed)
                                << right << QString::fromUtf8(phrase);
        };
        row("a for apple", "", "apple", "a", true, "a for apple");
        row("A for apple", "", "apple", "A", true, "a for apple");
        row("b is wrong", "", "apple", "b", false, "a for apple");
        row("Apple takes a", "", "Apple", "a", true, "A for Apple");
        row("Apple does not take !", "", "Apple", "!", false, "A for Apple");
        row("über takes Ü", "", "über", "Ü", true, "ü for über");
        row("Ñandú takes ñ", "", "Ñandú", "ñ", true, "Ñ for Ñandú");
        row("a leading space is the first character", "", " owl", " ", true, "  for  owl");
        row("an emoji is one character", "", "🍎apple", "🍎", true, "🍎 for 🍎apple");
        QTest::newRow("half of an emoji is wrong") << QString() << QStringLiteral("🍎apple") << QStringLiteral("🍎").left(1)
                                                   << false << QStringLiteral("🍎 for 🍎apple");
        row("English I takes i", "en", "ice", "I", true, "i for ice");
        // A letter with a diacritic is a letter of its own.
        row("Ö finds Öl", "de", "Öl", "ö", true, "Ö wie Öl");
        row("O does not find Öl", "de", "Öl", "O", false, "Ö wie Öl");
        row("ẞ finds ß", "de", "ßa", "ẞ", true, "ß wie ßa");
        row("E does not find école", "fr", "école", "E", false, "é comme école");
        row("É finds e and a combining acute", "fr", "e\u0301cole", "É", true, "e\u0301 comme e\u0301cole");
        row("a dead key's e and acute find é", "fr", "école", "e\u0301", true, "é comme école");
        row("ñ needs its own key", "es", "ñu", "n", false, "ñ de ñu");
        row("å needs its own key", "sv", "åsna", "a", false, "å som åsna");
        row("ł needs its own key", "pl", "łódka", "l", false, "ł jak łódka");
        row("ç needs its own key", "tr", "çay", "c", false, "ç, çay");
        row("Turkish I finds ı", "tr", "ılık", "I", true, "ı, ılık");
        row("Turkish I does not find i", "tr", "inek", "I", false, "i, inek");
        row("Turkish İ finds i", "tr", "inek", "İ", true, "i, inek");
        row("Greek Σ finds σ", "el", "σκύλος", "Σ", true, "σ, σκύλος");
        row("Cyrillic Ж finds ж", "ru", "жук", "Ж", true, "ж, жук");
        row("Italian", "it", "ape", "A", true, "a come ape");
        row("Dutch", "nl", "appel", "a", true, "a van appel");
        row("Brazilian Portuguese", "pt-BR", "uva", "U", true, "u de uva");
    }
    void keyCheck()
    {
        QFETCH(QString, language);
        QFETCH(QString, word);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QFETCH(QString, phrase);
        Table table(QStringList{word});
        if (!language.isEmpty())
            QVERIFY(setCardSetLanguage(table.dir.path(), language));
        QVERIFY(!table.play.isRightKey(typed)); // no card shown yet
        QVERIFY(table.play.loadFirstCard());
        table.play.cardShown(word);
        QCOMPARE(table.play.isRightKey(typed), right);
        QCOMPARE(table.play.phrase(word), phrase);
        // The voice is told the language it must speak.
        QCOMPARE(table.voice->language(), language.isEmpty() ? QStringLiteral("en") : language);
    }

    // The options window and pomwit-cards change it under a card on show.
    void phrase_speaksTheLanguageTheCardSetHasNow()
    {
        Table table(QStringList{QStringLiteral("Apfel")});
        QVERIFY(table.play.loadFirstCard() && setCardSetLanguage(table.dir.path(), QStringLiteral("de")));
        QCOMPARE(table.play.phrase(QStringLiteral("Apfel")), QStringLiteral("A wie Apfel"));
        QCOMPARE(table.voice->language(), QStringLiteral("de"));
    }

    void voice_isMadeOnceAndSpeaksAtRateMinusOne_eachSoundProblemToldOnce()
    {
        Table table(QStringList{QStringLiteral("apple")});
        QVERIFY(!table.play.voice());
        table.audio->failWith = QStringLiteral("Sound is not available, so the words are shown but not spoken.");
        QSignalSpy problems(&table.play, &CardSession::soundProblem);
        QSignalSpy ended(&table.play, &CardSession::phraseEnded);
        QVERIFY(table.play.say(QStringLiteral("a for apple")));
        const SpeakingVoice *first = table.play.voice();
        QCOMPARE(first->rate(), -1);
        QVERIFY(table.play.isSpeaking());
        QVERIFY(table.play.say(QStringLiteral("b for ball"))); // one at a time: not played
        QTRY_COMPARE(ended.size(), 1);
        QVERIFY(table.play.say(QStringLiteral("b for ball")));
        QTRY_COMPARE(ended.size(), 2);
        QCOMPARE(table.play.voice(), first);
        QCOMPARE(table.audio->played.size(), 2);
        QCOMPARE(problems.size(), 1); // told after the first phrase ended, and only then
        QCOMPARE(problems.first().first().toString(), table.audio->failWith);
        QVERIFY(table.play.takeSoundProblem(SpeechError::Kind::NoVoice)); // another problem is told too
        QVERIFY(!table.play.takeSoundProblem(SpeechError::Kind::NoVoice));
    }

    // A card's own phrase is its recording, picture or not; one that cannot
    // be played gives the voice's phrase and is told once a card.
    void recording_isSaidInsteadOfThePhrase_data()
    {
        QTest::addColumn<QByteArray>("recording");
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<bool>("played");
        QTest::newRow("a recording") << oggTone(600) << true << true;
        QTest::newRow("a recording but no picture") << oggTone(600) << false << true;
        QTest::newRow("a recording cut short") << oggTone(600).left(2000) << true << false;
    }
    void recording_isSaidInsteadOfThePhrase()
    {
        QFETCH(QByteArray, recording);
        QFETCH(bool, pictures);
        QFETCH(bool, played);
        Table table(QStringList{QStringLiteral("apple"), QStringLiteral("ball")});
        QVERIFY(pictures ? writePictures(table.dir.path(), {QStringLiteral("apple"), QStringLiteral("ball")})
                         : QDir(table.dir.path()).mkpath(QStringLiteral("pictures")));
        for (const char *name : {"/pictures/apple.ogg", "/pictures/ball.ogg"})
            QVERIFY(writeFile(table.dir.path() + QLatin1String(name), recording));
        QSignalSpy problems(&table.play, &CardSession::soundProblem);
        QVERIFY(table.play.loadFirstCard());
        table.draws->fractions = {0.9};
        for (int i = 0; i < 4; ++i) {
            if (i == 2)
                QVERIFY(table.play.nextCard());
            QVERIFY(table.play.say(table.play.phrase(table.play.scurrword())));
            QCOMPARE(table.play.isPlayingRecording(), played);
            QTRY_VERIFY(!table.play.isSpeaking());
        }
        const auto decoded = RecordingCodec::instance().decode(recording);
        QCOMPARE(table.audio->played.size(), 4);
        QCOMPARE(decoded && table.audio->played.last() == decoded->pcm, played);
        QCOMPARE(problems.size(), played ? 0 : 2);
    }

    void unusablePicture_givesAReason_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("reason");
        const auto write = [](const QByteArray &bytes) {
            return Make([bytes](const QString &path) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(bytes);
            });
        };
        QTest::newRow("missing") << Make([](const QString &) {}) << QStringLiteral("is missing");
        QTest::newRow("not an image") << write("not a picture\n") << QStringLiteral("cannot be read");
        QTest::newRow("folder") << Make([](const QString &p) { QDir().mkpath(p); }) << QStringLiteral("is not a picture file");
        QTest::newRow("fifo must not block") << Make([](const QString &p) {
            QCOMPARE(mkfifo(QFile::encodeName(p).constData(), 0600), 0);
        }) << QStringLiteral("is not a picture file");
        QTest::newRow("link outside the folder") << Make([](const QString &p) {
            const QString outside = QFileInfo(p).absolutePath() + QStringLiteral("/../outside.bmp");
            QImage(4, 4, QImage::Format_RGB32).save(outside, "BMP");
            QVERIFY(QFile::link(outside, p));
        }) << QStringLiteral("points outside the pictures folder");
        QTest::newRow("cut short") << Make([](const QString &p) {
            QImage image(273, 217, QImage::Format_RGB888);
            image.fill(Qt::red);
            QVERIFY(image.save(p, "BMP"));
            QFile::resize(p, 2000);
        }) << QStringLiteral("is cut short (2000 of 177994 bytes): replace it with a complete copy of the picture.");
        QByteArray claims = QByteArray::fromHex("424d3600000000000000360000002800000088130000881300000100180000000000");
        claims.append(QByteArray(54 - claims.size(), '\0'));
        QTest::newRow("claims 5000 x 5000 pixels") << write(claims)
            << QStringLiteral("is too large (5000 × 5000 pixels): save it smaller, for example 273 × 217.");
        // Found by fuzzing: a reader that cannot tell the size up front decoded 33 million pixels.
        QTest::newRow("header hides a huge size")
            << write(QByteArray::fromHex("42 4d 00 00 00 00 36 20 00 00 28 00 00 05 d8 ff ff 00 08 20 00 f7 01 00 18 00 ff"))
            << QStringLiteral("cannot be read (");
        QTest::newRow("a PNG named .bmp is shown") << Make([](const QString &p) {
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(Qt::red);
            QVERIFY(image.save(p, "PNG"));
        }) << QString();
    }
    void unusablePicture_givesAReason()
    {
        QFETCH(Make, make);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("pictures")));
        // % signs in the name must reach the message as they are.
        const QString path = dir.path() + QStringLiteral("/pictures/%1%2 apple.bmp");
        make(path);
        const auto picture = CardPicture::load(path, dir.path() + QStringLiteral("/pictures"));
        QCOMPARE(picture.ok(), reason.isEmpty());
        const QString problem = picture ? QString() : picture.error();
        QVERIFY(picture ? !picture->isNull() : problem.contains(QStringLiteral("%1%2 apple.bmp")));
        QVERIFY2(problem.contains(reason), qPrintable(problem));
    }

    void largePicture_choosesTheLargestSibling_data()
    {
        QTest::addColumn<QStringList>("siblings");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the bitmap alone") << QStringList{} << QStringLiteral("bmp");
        QTest::newRow("png first") << QStringList{QStringLiteral("svg"), QStringLiteral("jpg"), QStringLiteral("png")} << QStringLiteral("png");
        QTest::newRow("jpg before svg") << QStringList{QStringLiteral("svg"), QStringLiteral("jpg")} << QStringLiteral("jpg");
        QTest::newRow("svg") << QStringList{QStringLiteral("svg")} << QStringLiteral("svg");
        QTest::newRow("an unreadable png: the bitmap") << QStringList{QStringLiteral("broken.png")} << QStringLiteral("bmp");
        QTest::newRow("an svg that reads a file: the bitmap") << QStringList{QStringLiteral("reading.svg")} << QStringLiteral("bmp");
    }
    void largePicture_choosesTheLargestSibling()
    {
        QFETCH(QStringList, siblings);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/pictures");
        QVERIFY(QDir().mkpath(folder));
        // Each picture in its own colour; the bitmap has a sharp black edge.
        QImage bitmap(273, 217, QImage::Format_RGB32);
        bitmap.fill(Qt::yellow);
        QPainter(&bitmap).fillRect(0, 0, 60, 217, Qt::black);
        QVERIFY(bitmap.save(folder + QStringLiteral("/apple.bmp"), "BMP"));
        QImage large(546, 434, QImage::Format_RGB32);
        const QMap<QString, QColor> colours{{QStringLiteral("bmp"), Qt::yellow}, {QStringLiteral("png"), Qt::red},
                                            {QStringLiteral("jpg"), Qt::green}, {QStringLiteral("svg"), Qt::blue}};
        const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 546 434'><rect width='546' height='434' fill='#00f'/>";
        for (const QString &sibling : siblings) {
            QFile file(folder + QStringLiteral("/apple.") + sibling.section(QLatin1Char('.'), -1));
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (sibling == QLatin1String("svg") || sibling == QLatin1String("reading.svg")) {
                file.write(svg + (sibling == QLatin1String("svg") ? "" : "<image href='/etc/hostname' width='9' height='9'/>") + "</svg>");
            } else if (sibling == QLatin1String("broken.png")) {
                file.write("\x89PNG not really");
            } else {
                large.fill(colours.value(sibling));
                QVERIFY(large.save(&file, qPrintable(sibling)));
            }
        }
        const auto loaded = LargePicture::load(folder + QStringLiteral("/apple.bmp"), folder, QSize(1000, 600), Qt::white);
        QVERIFY2(loaded, qPrintable(loaded ? QString() : loaded.error()));
        const LargePicture &picture = *loaded;
        QVERIFY(picture.path.endsWith(QLatin1Char('.') + chosen));
        // As large as fits, proportions kept: 273 x 217 in 1000 x 600.
        QCOMPARE(picture.image.height(), 600);
        QVERIFY(qAbs(picture.image.width() - 755) <= 1);
        const QColor centre = picture.image.pixelColor(377, 300), wanted = colours[chosen];
        QVERIFY2(qAbs(centre.red() - wanted.red()) + qAbs(centre.green() - wanted.green())
                     + qAbs(centre.blue() - wanted.blue()) < 30, qPrintable(centre.name()));
        if (chosen == QLatin1String("bmp")) {
            // Smooth: the black edge fades into yellow instead of stepping.
            QSet<QRgb> shades;
            for (int x = 140; x < 190; ++x)
                shades.insert(picture.image.pixel(x, 300));
            QVERIFY2(shades.size() > 4, qPrintable(QString::number(shades.size())));
        }
    }
};

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
