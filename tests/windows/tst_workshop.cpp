// The card workshop in process: its lists, refusals, changes of a real card set,
// recordings from a scripted microphone and the permission path's messages.

#include "app/programwindows.h"
#include "speech/microphone.h"
#include "scriptedmicrophone.h"
#include "testsupport.h"
#include "windows/cardlistmodel.h"
#include "windows/cardpreview.h"
#include "windows/cardsetwriter.h"
#include "windows/frmimportcards.h"
#include "windows/newpicturesmodel.h"
#include "windows/thumbnailcache.h"

#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QStringList words(const char *list) { return QString::fromUtf8(list).split(u'|', Qt::SkipEmptyParts); }

// The card words as the program reads them at its next draw.
QStringList cardWords(const QString &folder)
{
    const auto cards = CardStore(folder).snapshot();
    if (!cards)
        return {cards.error().message};
    QStringList all;
    for (const CardRow &row : *cards->rows)
        all << row.value_or(u"(none)"_s);
    return all;
}

// The program on a card set, the import window open.
struct Workshop
{
    QTemporaryDir dir;
    testsupport::TestServices test{dir.path()};
    std::shared_ptr<testsupport::ScriptedMicrophone> microphone = std::make_shared<testsupport::ScriptedMicrophone>();
    std::unique_ptr<ProgramWindows> forms;

    explicit Workshop(const QStringList &cards = words("apple|ball|cat"))
    {
        testsupport::writeCardSet(dir.path(), cards);
        test.services.microphone = microphone;
        forms = std::make_unique<ProgramWindows>(test.services);
        forms->importCards().Show();
    }
    template <typename T> T *control(const char *name)
    {
        return forms->importCards().window()->findChild<T *>(QLatin1String(name));
    }
    NewPicturesModel *batch() { return qobject_cast<NewPicturesModel *>(control<QTableView>("tblnew")->model()); }
    CardListModel *cards() { return qobject_cast<CardListModel *>(control<QListView>("lstcards")->model()); }
    QPushButton *button(const char *name) { return control<QPushButton>(name); }
    // Photos written into the folder, chosen as from the file dialog.
    void add(const QStringList &names, QSize size = {320, 240})
    {
        QStringList paths;
        QImage photo(size, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        for (const QString &name : names) {
            paths.append(dir.path() + u"/photos/"_s + name);
            QDir().mkpath(dir.path() + u"/photos"_s);
            QFile file(paths.last());
            if (name.endsWith(u".txt"_s))
                file.open(QIODevice::WriteOnly) && file.write("hello\n");
            else
                photo.save(&file, nullptr);
        }
        forms->importCards().addPictures(paths);
    }
    void select(const QString &word)
    {
        const auto found = cards()->match(cards()->index(0), CardListModel::WordRole, word, 1, Qt::MatchExactly);
        control<QListView>("lstcards")->setCurrentIndex(found.value(0));
    }
    QStringList cardSet() const { return cardWords(dir.path()); }
    QString text(const char *label) { return control<QLabel>(label)->text(); }
};

} // namespace

class TestWorkshop : public QObject
{
    Q_OBJECT

private slots:
    void addRenameRemove_changeTheCardSet()
    {
        Workshop w;
        QCOMPARE(w.control<QLabel>("lblcount")->text(), u"3 cards"_s);
        QVERIFY(w.forms->importCards().window()->focusWidget() == w.button("cmdclose") && !w.button("cmdclose")->isDefault());
        w.add(words("kiwi.jpg|IMG_2041.jpg|emu.png"));
        QTRY_VERIFY(!w.batch()->isDecoding());
        QCOMPARE(w.batch()->data(w.batch()->index(1, 0), Qt::EditRole).toString(), QString());
        QVERIFY(!w.button("cmdaddcards")->isEnabled());
        // Right way up, fitted on white.
        QCOMPARE(w.control<CardPreview>("imgpreview")->card().size(), QSize(273, 217));
        QCOMPARE(w.control<CardPreview>("imgpreview")->card().pixelColor(136, 2), QColor(Qt::white));
        w.batch()->setData(w.batch()->index(1, 0), u"lion"_s, Qt::EditRole);
        QVERIFY(w.button("cmdaddcards")->isEnabled());
        w.button("cmdaddcards")->click();
        QTRY_COMPARE(w.cardSet(), words("apple|ball|cat|kiwi|lion|emu"));
        QTRY_COMPARE(w.control<QLabel>("lblcount")->text(), u"6 cards"_s);
        QCOMPARE(w.batch()->rowCount(), 0);

        QTRY_VERIFY(!w.control<QWidget>("prgpictures")->isVisible());
        w.select(u"ball"_s);
        w.cards()->setData(w.control<QListView>("lstcards")->currentIndex(), u"bat"_s, Qt::EditRole);
        QCOMPARE(w.control<QLabel>("lblconfirm")->text(), u"Rename the card \"ball\" to \"bat\"?"_s);
        w.button("cmdconfirm")->click();
        QTRY_COMPARE(w.cardSet(), words("apple|bat|cat|kiwi|lion|emu"));
        QTRY_VERIFY(!w.control<QWidget>("prgpictures")->isVisible()); // the writer done
        w.select(u"cat"_s);
        w.button("cmdremove")->click();
        QCOMPARE(w.control<QLabel>("lblconfirm")->text(), u"Remove the card \"cat\" and its pictures?"_s);
        w.button("cmdkeep")->click();
        QVERIFY(!w.control<QWidget>("fraconfirm")->isVisible());
        w.button("cmdremove")->click();
        w.button("cmdconfirm")->click();
        QTRY_COMPARE(w.cardSet(), words("apple|bat|kiwi|lion|emu"));
        QCOMPARE(testsupport::folderEntries(w.dir.path() + u"/pictures"_s),
                 words("apple.bmp|bat.bmp|emu.bmp|emu.jpg|kiwi.bmp|kiwi.jpg|lion.bmp|lion.jpg"));
        QVERIFY(w.test.messages->messages.isEmpty());
    }

    // A new picture's word, and what the window says beside it.
    void refusals_explainedBeforeAnythingIsWritten_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("problem");
        QTest::newRow("a camera's name") << words("PXL_20250601_101010.jpg") << QString()
                                         << u"Type the word for this picture."_s;
        QTest::newRow("a slash") << words("x.jpg") << u"red/blue"_s
                                 << u"This cannot be a card's word: a word may not contain \"/\" or \"\\\"."_s;
        QTest::newRow("a card's word in capitals") << words("x.jpg") << u"Apple"_s
                                                   << u"There is already a card \"apple\": choose another word."_s;
        QTest::newRow("two pictures, one word") << words("dog.jpg|dog.png") << u"dog"_s
                                                << u"Another new picture has this word: give each picture its own."_s;
        QTest::newRow("no picture") << words("notes.txt") << u"notes"_s
                                    << u"\"%1/photos/notes.txt\" is not a picture that Pomwit can read "
                                       "(Unsupported image format): save it as JPEG or PNG, then try again."_s;
    }
    void refusals_explainedBeforeAnythingIsWritten()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, word);
        QFETCH(QString, problem);
        Workshop w;
        w.add(files);
        QTRY_VERIFY(!w.batch()->isDecoding());
        if (!word.isEmpty())
            w.batch()->setData(w.batch()->index(0, 0), word, Qt::EditRole);
        QCOMPARE(w.batch()->data(w.batch()->index(0, 1), Qt::DisplayRole).toString(), problem.arg(w.dir.path()));
        QVERIFY(!w.button("cmdaddcards")->isEnabled());
        // The same rule for a rename, beside the list.
        w.select(u"ball"_s);
        w.cards()->setData(w.control<QListView>("lstcards")->currentIndex(), u"Cat"_s, Qt::EditRole);
        QCOMPARE(w.control<QLabel>("lblproblem")->text(), u"There is already a card \"cat\": choose another word."_s);
        QVERIFY(!w.control<QWidget>("fraconfirm")->isVisible());
    }

    void cancelHalfWay_nothingWritten()
    {
        Workshop w;
        QStringList many;
        for (int i = 0; i < 24; ++i)
            many << u"photo%1.jpg"_s.arg(i);
        w.add(many, {2400, 1800});
        QTRY_VERIFY(w.batch()->decoded() > 0);
        QVERIFY(w.control<QWidget>("prgpictures")->isVisible());
        w.button("cmdcancel")->click();
        QVERIFY(!w.batch()->isDecoding() && w.batch()->rowCount() < 24);
        QVERIFY(!w.control<QWidget>("prgpictures")->isVisible());
        // Closed while decoding: the window goes at once, nothing is written.
        w.add(words("late.jpg"), {2400, 1800});
        w.button("cmdclose")->click();
        QCOMPARE(w.cardSet(), words("apple|ball|cat"));
        QCOMPARE(testsupport::folderEntries(w.dir.path() + u"/pictures"_s), words("apple.bmp|ball.bmp|cat.bmp"));
    }

    void thousandCards_thumbnailsOnlyForVisibleRows()
    {
        QStringList thousand;
        for (int i = 0; i < 1000; ++i)
            thousand << u"card%1"_s.arg(i, 4, 10, QLatin1Char('0'));
        QTemporaryDir dir;
        testsupport::writeCardDatabase(dir.path(), testsupport::wordsOf(thousand));
        testsupport::writePictures(dir.path(), thousand.mid(0, 3));
        Workshop w(QStringList{});
        w.forms.reset();
        w.test.services.applicationFolder = dir.path();
        w.forms = std::make_unique<ProgramWindows>(w.test.services);
        w.forms->importCards().Show();
        QCOMPARE(w.control<QLabel>("lblcount")->text(), u"1000 cards"_s);
        // Every card without its picture is marked, as pomwit-cards check reports it.
        QTRY_COMPARE(w.cards()->problems(), 997);
        QTRY_VERIFY(w.cards()->thumbnails().made() > 0);
        QTest::qWait(200);
        // A screenful or two (the view draws once before its first resize), never the thousand.
        QVERIFY2(w.cards()->thumbnails().made() < 30, qPrintable(QString::number(w.cards()->thumbnails().made())));
        w.control<QListView>("lstcards")->scrollToBottom();
        QTRY_VERIFY(!w.cards()->data(w.cards()->index(999), Qt::DecorationRole).value<QImage>().isNull());
    }

    // Through pkexec, as on the installed package: a fake pkexec answers as
    // polkit would, or runs the helper as this user.
    void helperPath_saysWhyNothingChanged_data()
    {
        QTest::addColumn<QString>("pkexec");
        QTest::addColumn<QString>("message");
        QTest::newRow("granted") << u"shift; exec \"$@\""_s << QString();
        QTest::newRow("dismissed") << u"exit 126"_s
            << u"The card set was not changed: permission was refused. A grown-up may allow it with their "
               "password, or make the change in a terminal: sudo pomwit-cards remove \"ball\""_s;
        QTest::newRow("a rule says no") << u"echo 'Error executing command as another user: Not authorized' >&2; exit 127"_s
            << u"The card set was not changed: permission was refused. A grown-up may allow it with their "
               "password, or make the change in a terminal: sudo pomwit-cards remove \"ball\""_s;
        QTest::newRow("no agent") << u"echo 'No authentication agent found.' >&2; exit 127"_s
            << u"The card set was not changed: Pomwit could not ask for a grown-up's permission, as no permission "
               "dialog (polkit agent) is running. Make the change in a terminal instead: sudo pomwit-cards remove "
               "\"ball\""_s;
    }
    void helperPath_saysWhyNothingChanged()
    {
        QFETCH(QString, pkexec);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(testsupport::writeCardSet(dir.path(), words("apple|ball")));
        QVERIFY(QFile::copy(QStringLiteral(POMWIT_HELPER), dir.path() + u"/pomwit-cardset-helper"_s));
        QFile script(dir.path() + u"/bin/pkexec"_s);
        QVERIFY(QDir().mkpath(dir.path() + u"/bin"_s) && script.open(QIODevice::WriteOnly));
        script.write(QString(u"#!/bin/sh\n"_s + pkexec + u"\n"_s).toUtf8());
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        script.close();
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path() + u"/bin:"_s) + path);
        CardSetWriter writer(dir.path(), CardSetWriter::Route::Helper);
        QSignalSpy finished(&writer, &CardSetWriter::finished);
        writer.submit(CardSetChange{{CardSetChange::RemoveCard{u"ball"_s, false}}});
        QVERIFY(writer.isBusy());
        QVERIFY(finished.wait(20000));
        qputenv("PATH", path);
        QCOMPARE(finished.constFirst().at(1).toString(), message);
        QCOMPARE(finished.constFirst().at(0).toBool(), message.isEmpty());
        QCOMPARE(cardWords(dir.path()), message.isEmpty() ? words("apple") : words("apple|ball"));
    }

    void record_listenKeepRemove()
    {
        Workshop w;
        w.test.audio->holding = true;
        w.select(u"apple"_s);
        QCOMPARE(w.text("lblsay"), u"Say: a for apple"_s);
        w.button("cmdrecord")->click();
        // The tone first, the microphone only once it has ended.
        QCOMPARE(w.test.audio->played.size(), 1);
        QCOMPARE(w.microphone->opened, 0);
        w.test.audio->finish();
        QCOMPARE(w.microphone->opened, 1);
        QCOMPARE(w.text("lbltimeleft"), u"10 seconds left"_s);
        w.microphone->samples(QByteArray(48000 * 2 / 10, '\0') + testsupport::tone(500, 48000).pcm);
        QCOMPARE(w.control<QProgressBar>("prglevel")->value(), 80); // a peak of 8000: -12 dB
        w.microphone->samples(QByteArray(4800, '\0'));
        QCOMPARE(w.control<QProgressBar>("prglevel")->value(), 0);
        QTRY_COMPARE(w.text("lbltimeleft"), u"9 seconds left"_s);
        w.button("cmdstop")->click();
        QVERIFY(!w.microphone->samples);
        w.button("cmdlisten")->click();
        QVERIFY(qAbs(w.test.audio->played.last().size() / 96 - 500) <= 40);
        w.test.audio->finish();
        QVERIFY(w.button("cmdlisten")->isEnabled());
        w.button("cmdkeeprecording")->click();
        QTRY_COMPARE(w.cards()->index(0).data().toString(), u"apple (recorded)"_s);
        QVERIFY(QFileInfo(w.dir.path() + u"/pictures/apple.ogg"_s).size() > 0);
        QCOMPARE(w.text("lblrecordingnote"), u"The recording has been kept."_s);
        QVERIFY(!w.button("cmdlisten")->isEnabled());

        w.button("cmdremoverecording")->click();
        QCOMPARE(w.text("lblconfirm"), u"Remove the recording of the card \"apple\"?"_s);
        w.button("cmdconfirm")->click();
        QTRY_COMPARE(w.cards()->index(0).data().toString(), u"apple"_s);
        QCOMPARE(testsupport::folderEntries(w.dir.path() + u"/pictures"_s), words("apple.bmp|ball.bmp|cat.bmp"));
        QVERIFY(w.test.messages->messages.isEmpty());
    }

    // A take not kept is gone, the microphone and the sound closed, nothing written.
    void takeNotKept_isGone_data()
    {
        QTest::addColumn<QString>("stage");
        QTest::addColumn<QString>("how");
        QTest::newRow("discarded") << u"recorded"_s << u"discard"_s;
        QTest::newRow("discarded while listening") << u"listening"_s << u"discard"_s;
        QTest::newRow("another card chosen while recording") << u"recording"_s << u"another card"_s;
        QTest::newRow("closed during the tone") << u"tone"_s << u"close"_s;
        QTest::newRow("closed while recording") << u"recording"_s << u"close"_s;
        QTest::newRow("closed while listening") << u"listening"_s << u"close"_s;
        QTest::newRow("the program ends while recording") << u"recording"_s << u"exit"_s;
    }
    void takeNotKept_isGone()
    {
        QFETCH(QString, stage);
        QFETCH(QString, how);
        Workshop w;
        w.test.audio->holding = true;
        w.select(u"ball"_s);
        w.button("cmdrecord")->click();
        if (stage != u"tone"_s) {
            w.test.audio->finish();
            w.microphone->samples(testsupport::tone(500, 48000).pcm);
        }
        if (stage == u"recorded"_s || stage == u"listening"_s)
            w.button("cmdstop")->click();
        if (stage == u"listening"_s)
            w.button("cmdlisten")->click();
        QCOMPARE(w.test.services.phrases->isPlaying(), stage == u"tone"_s || stage == u"listening"_s);
        if (how == u"discard"_s)
            w.button("cmddiscard")->click();
        else if (how == u"another card"_s)
            w.select(u"cat"_s);
        else if (how == u"close"_s)
            w.button("cmdclose")->click();
        else if (w.forms->form(FormName::frmMain).window())
            w.forms->form(FormName::frmMain).Unload();
        QVERIFY(!w.microphone->samples);
        QVERIFY(!w.test.services.phrases->isPlaying());
        QCOMPARE(w.microphone->opened, stage == u"tone"_s ? 0 : 1);
        if (how == u"discard"_s || how == u"another card"_s)
            QVERIFY(!w.button("cmdlisten")->isEnabled() && !w.button("cmdkeeprecording")->isEnabled());
        QCOMPARE(testsupport::folderEntries(w.dir.path() + u"/pictures"_s), words("apple.bmp|ball.bmp|cat.bmp"));
    }

    void noMicrophone_recordDisabledWithTheReason()
    {
        Workshop w;
        w.microphone->present = false;
        w.select(u"apple"_s);
        QVERIFY(!w.button("cmdrecord")->isEnabled());
        QCOMPARE(w.text("lblrecordingnote"),
                 u"No microphone was found: connect one, or switch it on in the sound settings, to record."_s);
        // Plugged in afterwards: the next card chosen finds it.
        w.microphone->present = true;
        w.select(u"ball"_s);
        QVERIFY(w.button("cmdrecord")->isEnabled());
    }
};

QTEST_MAIN(TestWorkshop)
#include "tst_workshop.moc"
