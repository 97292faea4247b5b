// Built twice: in English, where the natural voices are heard, and in German
// (POMWIT_GERMAN), where espeak-ng's voices stay as they were.

#include "speech/espeakengineselector.h"
#include "speech/fliteengine.h"
#include "speech/phraseplayer.h"
#include "speech/speakingvoice.h"
#include "speech/voicechoice.h"
#include "speech/voices.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using testsupport::RecordingAudioOutput;

namespace {

struct Heard
{
    bool spoken;
    QByteArray pcm;
    int sampleRate;
    QString phonemes;
    double seconds() const { return sampleRate ? double(pcm.size() / 2) / sampleRate : 0.0; }
};

Heard hear(const QString &voice, const QString &phrase, int rate)
{
    const auto spoken = Voices::system()->synthesize(phrase, rate, voice);
    if (!spoken)
        return {false, {}, 0, {}};
    return {true, spoken->synthesis.pcm, spoken->synthesis.sampleRate, spoken->synthesis.phonemes};
}

} // namespace

class tst_NaturalVoice : public QObject
{
    Q_OBJECT

private slots:
    // The lookup finds the natural voices first, and the voice heard when no choice is made.
    void lookup_findsTheVoiceHeardWithNoChoiceMade()
    {
#ifdef POMWIT_GERMAN
        const QStringList names{u"German – female 1"_s, u"German – male 1"_s};
#else
        const QStringList names{u"English – natural female"_s, u"English – natural male"_s};
#endif
        EspeakEngineSelector selector(std::make_shared<VoiceChoice>());
        const qint32 found = selector.Find(u"Mfg=Microsoft;Gender=1"_s).value();
        QCOMPARE(selector.ModeName(found).value(), names.at(0));
        QCOMPARE(selector.ModeName(selector.Find(u"Gender=2"_s).value()).value(), names.at(1));
        const Heard chosen = hear(Voices::system()->catalog().mode(found)->voice, u"b for ball"_s, -1);
        const Heard unchosen = hear(QString(), u"b for ball"_s, -1);
        QVERIFY(chosen.spoken && unchosen.spoken);
        QCOMPARE(unchosen.phonemes, chosen.phonemes);
#ifndef POMWIT_GERMAN
        QCOMPARE(unchosen.pcm.size(), chosen.pcm.size()); // the natural voices share phonemes, not lengths
#endif
        // With no natural voice, the language's own voice.
        QCOMPARE(Voices(std::make_shared<FliteEngine>(QTemporaryDir().path())).heardVoice(QString()), QString());
    }

    // At rate -1 a card's phrase takes about a second, one step longer than at
    // rate 0, and starts with the letter's name (a lone "a" is no article).
    void speak_cardPhrase_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("letter");
        const auto row = [](const char *name, const char *voice, const char *phrase, const char *letter) {
            QTest::newRow(name) << QString::fromLatin1(voice) << QString::fromLatin1(phrase) << QString::fromLatin1(letter);
        };
        row("female, short word", "flite:slt", "b for ball", "b iy");
        row("female, a", "flite:slt", "a for apple", "ey");
        row("male, long word", "flite:rms", "h for hippopotamus", "ey ch");
        row("male 2", "flite:awb", "u for umbrella", "y uw");
    }
    void speak_cardPhrase()
    {
        QFETCH(QString, voice);
        QFETCH(QString, phrase);
        QFETCH(QString, letter);
        const Heard normal = hear(voice, phrase, 0);
        const Heard slower = hear(voice, phrase, -1);
        QVERIFY(normal.spoken && slower.spoken);
        QCOMPARE(slower.sampleRate, 16000);
        QCOMPARE(slower.phonemes.section(QLatin1Char('|'), 0, 0, QString::SectionSkipEmpty).trimmed(), letter);
        QVERIFY2(slower.seconds() > 0.6 && slower.seconds() < 3.0, qPrintable(QString::number(slower.seconds())));
        const double ratio = slower.seconds() / normal.seconds() / std::pow(3.0, 0.1);
        QVERIFY2(std::abs(ratio - 1.0) < 0.05, qPrintable(QString::number(ratio)));
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
        auto output = std::make_shared<RecordingAudioOutput>();
        auto player = std::make_shared<PhrasePlayer>(output);
        SpeakingVoice speaking(player, choice, voices);
        const auto first = speaking.Speak(QStringLiteral("a for apple"));
        QVERIFY(first);
#ifndef POMWIT_GERMAN
        QVERIFY(first->notice);
        QCOMPARE(first->notice->message,
                 QStringLiteral("The natural voice could not be started, so the words are spoken in a plainer voice."));
#endif
        QTRY_VERIFY(!player->isPlaying());
        const auto second = speaking.Speak(QStringLiteral("b for ball"));
        QVERIFY(second && !second->notice);
        QCOMPARE(output->played.size(), 2);
        QVERIFY(!output->played.at(0).isEmpty());
        QCOMPARE(output->lastSampleRate, 22050);
        // The options window marks the voice now heard: espeak-ng's first female voice.
        const VoiceMode *heard = voices->catalog().mode(selector.CurrentMode().value());
        QVERIFY(heard);
        QCOMPARE(heard->engine, QStringLiteral("eSpeak NG"));
        QCOMPARE(heard->gender, VoiceGender::Female);
    }
};

QTEST_MAIN(tst_NaturalVoice)
#include "tst_naturalvoice.moc"
