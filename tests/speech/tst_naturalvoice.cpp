// Built twice: in English, where the natural voices are heard, and in German
// (POMWIT_GERMAN), where espeak-ng's voices stay as they were.

#include "speech/espeakengineselector.h"
#include "speech/fliteengine.h"
#include "speech/speakingvoice.h"
#include "speech/voicechoice.h"
#include "speech/voices.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using testsupport::RecordingAudioOutput;

namespace {

struct Heard
{
    bool spoken = false;
    QByteArray pcm;
    int sampleRate = 0;
    QString phonemes;
};

Heard hear(const QString &voice, const QString &phrase, int rate)
{
    auto output = std::make_shared<RecordingAudioOutput>();
    auto choice = std::make_shared<VoiceChoice>();
    choice->setVoice(voice);
    SpeakingVoice speaking(output, choice);
    Heard heard;
    heard.spoken = speaking.setRate(rate) && speaking.Speak(phrase) && output->played.size() == 1;
    heard.pcm = output->played.value(0);
    heard.sampleRate = output->lastSampleRate;
    heard.phonemes = speaking.lastPhonemes();
    return heard;
}

double seconds(const Heard &heard)
{
    return heard.sampleRate ? double(heard.pcm.size() / 2) / heard.sampleRate : 0.0;
}

} // namespace

class tst_NaturalVoice : public QObject
{
    Q_OBJECT

private slots:
    void lookup_picksTheDefaultVoice_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<QString>("name");
#ifdef POMWIT_GERMAN
        QTest::newRow("options window") << QStringLiteral("Mfg=Microsoft;Gender=1") << QStringLiteral("German – female 1");
        QTest::newRow("male") << QStringLiteral("Gender=2") << QStringLiteral("German – male 1");
#else
        QTest::newRow("options window") << QStringLiteral("Mfg=Microsoft;Gender=1") << QStringLiteral("English – natural female");
        QTest::newRow("male") << QStringLiteral("Gender=2") << QStringLiteral("English – natural male");
#endif
    }
    void lookup_picksTheDefaultVoice()
    {
        QFETCH(QString, attributes);
        QFETCH(QString, name);
        EspeakEngineSelector selector(std::make_shared<VoiceChoice>());
        const SpeechResult<qint32> found = selector.Find(attributes);
        QVERIFY(found);
        QCOMPARE(selector.ModeName(*found).value(), name);
    }

    // With no choice made, the child hears the mode the options window's lookup marks.
    void noChoice_isHeardInTheLookedUpVoice()
    {
        EspeakEngineSelector selector(std::make_shared<VoiceChoice>());
        const QString voice = Voices::system()->catalog().mode(selector.Find(QStringLiteral("Gender=1")).value())->voice;
        const Heard chosen = hear(voice, QStringLiteral("b for ball"), -1);
        const Heard unchosen = hear(QString(), QStringLiteral("b for ball"), -1);
        QVERIFY(chosen.spoken && unchosen.spoken);
        QCOMPARE(unchosen.sampleRate, chosen.sampleRate);
        QCOMPARE(unchosen.phonemes, chosen.phonemes);
    }

    void speak_cardPhrase_isAboutASecondAndOneStepSlower_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("female, short word") << QStringLiteral("flite:slt") << QStringLiteral("b for ball");
        QTest::newRow("male, long word") << QStringLiteral("flite:rms") << QStringLiteral("h for hippopotamus");
        QTest::newRow("male 2") << QStringLiteral("flite:awb") << QStringLiteral("u for umbrella");
    }
    void speak_cardPhrase_isAboutASecondAndOneStepSlower()
    {
        QFETCH(QString, voice);
        QFETCH(QString, phrase);
        const Heard normal = hear(voice, phrase, 0);
        const Heard slower = hear(voice, phrase, -1);
        QVERIFY(normal.spoken && slower.spoken);
        QCOMPARE(slower.sampleRate, 16000);
        QVERIFY2(seconds(slower) > 0.6 && seconds(slower) < 3.0, qPrintable(QString::number(seconds(slower))));
        const double ratio = seconds(slower) / seconds(normal) / std::pow(3.0, 0.1);
        QVERIFY2(std::abs(ratio - 1.0) < 0.05, qPrintable(QString::number(ratio)));
    }

    void speak_letterForWord_startsWithTheLetterName_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("letter");
        QTest::newRow("a, not the article") << QStringLiteral("a for apple") << QStringLiteral("ey");
        QTest::newRow("capital A") << QStringLiteral("A for Apple") << QStringLiteral("ey");
        QTest::newRow("i") << QStringLiteral("i for ice") << QStringLiteral("ay");
        QTest::newRow("b") << QStringLiteral("b for ball") << QStringLiteral("b iy");
    }
    void speak_letterForWord_startsWithTheLetterName()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, letter);
        const Heard heard = hear(QStringLiteral("flite:slt"), phrase, -1);
        QVERIFY(heard.spoken);
        QCOMPARE(heard.phonemes.section(QLatin1Char('|'), 0, 0, QString::SectionSkipEmpty).trimmed(), letter);
    }

    void engineThatCannotStart_fallsBackToEspeakAndSaysSoOnce()
    {
        // Libraries that are there but cannot be loaded, as after a broken installation.
        QTemporaryDir folder;
        for (const char *name : {"libflite.so.1", "libflite_cmu_us_slt.so.1"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        auto voices = std::make_shared<Voices>(std::make_shared<FliteEngine>(folder.path()));
        auto choice = std::make_shared<VoiceChoice>();
        EspeakEngineSelector selector(voices, choice);
        QVERIFY(selector.Select(selector.Find(QStringLiteral("Mfg=Microsoft;Gender=1")).value()));
#ifndef POMWIT_GERMAN
        QCOMPARE(selector.ModeName(selector.CurrentMode().value()).value(), QStringLiteral("English – natural female"));
#endif
        auto output = std::make_shared<RecordingAudioOutput>();
        SpeakingVoice speaking(output, choice, voices);
        const SpeechResult<> first = speaking.Speak(QStringLiteral("a for apple"));
#ifndef POMWIT_GERMAN
        QVERIFY(!first);
        QCOMPARE(first.error().message,
                 QStringLiteral("The natural voice could not be started, so the words are spoken in a plainer voice."));
#endif
        QVERIFY(speaking.Speak(QStringLiteral("b for ball")));
        QCOMPARE(output->played.size(), 2);
        QVERIFY(!output->played.at(0).isEmpty());
        QCOMPARE(output->lastSampleRate, 22050);
        // The options window marks the voice now heard: espeak-ng's first female voice.
        const VoiceMode *heard = voices->catalog().mode(selector.CurrentMode().value());
        QVERIFY(heard);
        QCOMPARE(heard->attribute(QStringLiteral("Mfg")), QStringLiteral("eSpeak NG"));
        QCOMPARE(heard->attribute(QStringLiteral("Gender")), QStringLiteral("1"));
    }
};

QTEST_MAIN(tst_NaturalVoice)
#include "tst_naturalvoice.moc"
