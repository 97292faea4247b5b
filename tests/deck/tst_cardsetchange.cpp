// A change of the card set as the privileged helper receives it: what
// serialize() writes, parse() gives back; any other bytes give a reason.

#include "deck/cardsetchange.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A card bitmap as the workshop makes it.
const QByteArray bitmap = [] {
    QImage image(273, 217, QImage::Format_RGB888);
    image.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}();

CardSetChange everyStep()
{
    CardSetChange change;
    change.steps = {CardSetChange::AddCard{u"ñandú 🐘"_s, bitmap, u"png"_s, "PNG", true},
                    CardSetChange::RenameCard{u"ball"_s, u"bat"_s}, CardSetChange::RemoveCard{u"cat"_s, true},
                    CardSetChange::SetRecording{u"dog"_s, "OggS"}, CardSetChange::RemoveRecording{u"emu"_s},
                    CardSetChange::SetLanguage{u"pt-BR"_s}};
    return change;
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// The head of a change of n steps, and one step adding a card.
QByteArray head(quint32 n) { return "PWCS\x01" + le32(n); }
QByteArray text(const QByteArray &utf8) { return le32(quint32(utf8.size())) + utf8; }
QByteArray addStep(const QByteArray &word, const QByteArray &bmp, const QByteArray &suffix, char flag = 0)
{
    return '\x01' + text(word) + text(bmp) + text(suffix) + text("JPEG") + flag;
}

} // namespace

class TestCardSetChange : public QObject
{
    Q_OBJECT

private slots:
    void everyStep_readBackAsWritten()
    {
        const QByteArray bytes = everyStep().serialize();
        const auto read = CardSetChange::parse(bytes);
        QVERIFY2(read.ok(), qPrintable(read.ok() ? QString() : read.error()));
        QCOMPARE(read->steps.size(), 6);
        const auto &add = std::get<CardSetChange::AddCard>(read->steps[0]);
        QCOMPARE(add.word, u"ñandú 🐘"_s);
        QCOMPARE(add.bitmap, bitmap);
        QVERIFY(add.replace);
        QCOMPARE(std::get<CardSetChange::RenameCard>(read->steps[1]).to, u"bat"_s);
        QVERIFY(std::get<CardSetChange::RemoveCard>(read->steps[2]).all);
        QCOMPARE(std::get<CardSetChange::SetLanguage>(read->steps[5]).language, u"pt-BR"_s);
        QCOMPARE(read->serialize(), bytes);
        // Cut short anywhere, it is refused.
        for (qsizetype n = 0; n < bytes.size(); n += 997)
            QVERIFY(!CardSetChange::parse(bytes.left(n)));
    }

    void hostileBytes_refusedWithAReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("nothing") << QByteArray() << u"it does not begin as one does"_s;
        QTest::newRow("another format") << QByteArray("PK\x03\x04 zip") << u"it does not begin as one does"_s;
        QTest::newRow("a later version") << QByteArray("PWCS\x02") + le32(0)
                                         << u"it is of version 2, and this Pomwit reads version 1"_s;
        QTest::newRow("5001 steps") << head(5001) << u"it does not hold from 0 to 5000 steps"_s;
        QTest::newRow("4 billion steps, few bytes") << head(0xffffffff) << u"it does not hold from 0 to 5000 steps"_s;
        QTest::newRow("a step of no known kind") << head(1) + '\x07' << u"step 1 is of no known kind"_s;
        QTest::newRow("a length past the end") << head(1) + '\x03' + le32(0x7fffffff)
                                               << u"a word is larger than 255 bytes"_s;
        QTest::newRow("a word of 256 bytes") << head(1) + addStep(QByteArray(256, 'x'), bitmap, "jpg")
                                             << u"a word is larger than 255 bytes"_s;
        QTest::newRow("a word that is no UTF-8") << head(1) + addStep("\xff\xfe", bitmap, "jpg")
                                                 << u"a word is not valid UTF-8 text"_s;
        QTest::newRow("a bitmap one byte short") << head(1) + addStep("dog", bitmap.chopped(1), "jpg")
                                                 << u"a card bitmap is not of the size a 273 × 217 24-bit BMP has"_s;
        QTest::newRow("a bitmap one byte long") << head(1) + addStep("dog", bitmap + 'x', "jpg")
                                                << u"a card bitmap is larger than 177994 bytes"_s;
        QTest::newRow("a GIF for full screen") << head(1) + addStep("dog", bitmap, "gif")
                                               << u"a large picture is neither a JPEG nor a PNG"_s;
        QTest::newRow("a yes-or-no of 2") << head(1) + addStep("dog", bitmap, "jpg", 2)
                                          << u"a yes-or-no value is neither"_s;
        QTest::newRow("a recording of 2 MiB and a byte") << head(1) + '\x04' + text("dog") + le32(2 * 1024 * 1024 + 1)
                                                         << u"a recording is larger than 2097152 bytes"_s;
        QTest::newRow("bytes after the last step") << head(1) + addStep("dog", bitmap, "jpg") + 'x'
                                                   << u"it goes on after its last step"_s;
    }
    void hostileBytes_refusedWithAReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const auto read = CardSetChange::parse(bytes);
        QVERIFY(!read);
        QCOMPARE(read.error(), u"The change of the card set is not readable: %1."_s.arg(reason));
    }
};

QTEST_MAIN(TestCardSetChange)
#include "tst_cardsetchange.moc"
