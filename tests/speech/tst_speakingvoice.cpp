#include "speech/speakingvoice.h"
#include "speech/speechsystem.h"
#include "testsupport.h"

#include <QTest>

#include <cmath>

using testsupport::RecordingAudioOutput;

namespace {

QByteArray spoken(const QString &phrase, int rate)
{
    auto output = std::make_shared<RecordingAudioOutput>();
    SpeakingVoice voice(output);
    if (!voice.setRate(rate) || !voice.Speak(phrase) || output->played.size() != 1)
        return {};
    return output->played.constFirst();
}

// The phonemes of the phrase's first word.
QString firstWord(const QString &phonemes)
{
    return phonemes.section(QLatin1Char('|'), 0, 0, QString::SectionSkipEmpty).trimmed();
}

} // namespace

class tst_SpeakingVoice : public QObject
{
    Q_OBJECT

private slots:
    // The engine's first phrase after loading a voice comes out a little
    // shorter than the same phrase later; keep that out of the comparisons.
    void initTestCase() { QVERIFY(!spoken(QStringLiteral("a for apple"), 0).isEmpty()); }

    void setRate_acceptsTheScaleOnly_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("slowest") << -10 << true;
        QTest::newRow("one step slow") << -1 << true;
        QTest::newRow("fastest") << 10 << true;
        QTest::newRow("below the scale") << -11 << false;
        QTest::newRow("above the scale") << 11 << false;
    }
    void setRate_acceptsTheScaleOnly()
    {
        QFETCH(int, rate);
        QFETCH(bool, accepted);
        SpeakingVoice voice(std::make_shared<RecordingAudioOutput>());
        voice.setRate(3);
        QCOMPARE(voice.setRate(rate), accepted);
        QCOMPARE(voice.rate(), accepted ? rate : 3);
        QCOMPARE(voice.lastError().isEmpty(), accepted);
    }

    void speak_atRateMinusOne_lastsOneStepLonger_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::newRow("letter for word") << QStringLiteral("a for apple");
        QTest::newRow("capital letter") << QStringLiteral("B for Ball");
        QTest::newRow("plain sentence") << QStringLiteral("the cat sat on the mat");
    }
    void speak_atRateMinusOne_lastsOneStepLonger()
    {
        QFETCH(QString, phrase);
        const QByteArray normal = spoken(phrase, 0);
        const QByteArray slower = spoken(phrase, -1);
        QVERIFY(!normal.isEmpty());
        const double ratio = double(slower.size()) / double(normal.size());
        const double step = std::pow(3.0, 0.1);
        QVERIFY2(std::abs(ratio / step - 1.0) < 0.05, qPrintable(QString::number(ratio)));
    }

    void speak_letterForWord_saysTheLetterName_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("notThis");
        // The article "a" would be "a#"; a capital A alone would still be the article.
        QTest::newRow("lower-case a") << QStringLiteral("a for apple") << QStringLiteral("eI") << QStringLiteral("a#");
        QTest::newRow("capital A") << QStringLiteral("A for Apple") << QStringLiteral("eI") << QStringLiteral("a#");
        QTest::newRow("b") << QStringLiteral("b for ball") << QStringLiteral("b i:") << QString();
    }
    void speak_letterForWord_saysTheLetterName()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, letter);
        QFETCH(QString, notThis);
        SpeakingVoice voice(std::make_shared<RecordingAudioOutput>());
        QVERIFY(voice.Speak(phrase));
        const QString first = firstWord(voice.lastPhonemes());
        QVERIFY2(first.contains(letter), qPrintable(voice.lastPhonemes()));
        if (!notThis.isEmpty())
            QVERIFY2(!first.contains(notThis), qPrintable(voice.lastPhonemes()));
    }

    void speak_markupInTheWord_isSpokenAsText_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("heard");
        QTest::newRow("a tag") << QStringLiteral("< for <b>&") << QStringLiteral("b i:");
        QTest::newRow("an ampersand") << QStringLiteral("< for <b>&") << QStringLiteral("a n d");
        QTest::newRow("an entity") << QStringLiteral("& for &amp;") << QStringLiteral("a m p");
        QTest::newRow("a tag without the letter") << QStringLiteral("<b>& alone") << QStringLiteral("b i:");
    }
    void speak_markupInTheWord_isSpokenAsText()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, heard);
        SpeakingVoice voice(std::make_shared<RecordingAudioOutput>());
        QVERIFY(voice.Speak(phrase));
        QVERIFY2(voice.lastPhonemes().contains(heard), qPrintable(voice.lastPhonemes()));
    }

    void speak_twoPhrases_eachPlayedAloneAndInOrder()
    {
        // The engine's output varies by a few samples from run to run.
        const auto sameLength = [](const QByteArray &a, const QByteArray &b) {
            return std::abs(double(a.size()) / double(b.size()) - 1.0) < 0.1;
        };
        const QByteArray shortPhrase = spoken(QStringLiteral("a for ant"), -1);
        const QByteArray longPhrase = spoken(QStringLiteral("h for hippopotamus"), -1);
        QVERIFY(!sameLength(shortPhrase, longPhrase));

        auto output = std::make_shared<RecordingAudioOutput>();
        SpeakingVoice voice(output);
        QVERIFY(voice.setRate(-1));
        QVERIFY(voice.Speak(QStringLiteral("h for hippopotamus")));
        QVERIFY(voice.Speak(QStringLiteral("a for ant")));
        QCOMPARE(output->played.size(), 2);
        QVERIFY(sameLength(output->played.at(0), longPhrase));
        QVERIFY(sameLength(output->played.at(1), shortPhrase));
        QCOMPARE(output->lastSampleRate, 22050);
    }

    void speak_whenTheOutputFails_reportsItAndKeepsWorking()
    {
        auto output = std::make_shared<RecordingAudioOutput>();
        output->failWith = soundNotAvailableMessage();
        SpeakingVoice voice(output);
        QVERIFY(!voice.Speak(QStringLiteral("a for apple")));
        QCOMPARE(voice.lastError(), QStringLiteral("Sound is not available, so the words are shown but not spoken."));
        output->failWith.clear();
        QVERIFY(voice.Speak(QStringLiteral("a for apple")));
        QVERIFY(voice.lastError().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_SpeakingVoice)
#include "tst_speakingvoice.moc"
