#include "speech/espeakengineselector.h"
#include "speech/speakingvoice.h"
#include "speech/speechsystem.h"
#include "testsupport.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <climits>

using testsupport::RecordingAudioOutput;

namespace {

QByteArray spokenWithDefaultVoice(const QString &phrase)
{
    auto output = std::make_shared<RecordingAudioOutput>();
    SpeakingVoice voice(output);
    if (!voice.setRate(-1) || !voice.Speak(phrase) || output->played.size() != 1)
        return {};
    return output->played.constFirst();
}

// The median pitch of the voiced stretches, by autocorrelation over 40 ms
// frames, looking between 60 and 400 Hz.
double medianPitch(const QByteArray &pcm, int sampleRate)
{
    const auto *samples = reinterpret_cast<const qint16 *>(pcm.constData());
    const qsizetype count = pcm.size() / 2;
    const qsizetype frame = sampleRate / 25;
    const qsizetype shortestLag = sampleRate / 400;
    const qsizetype longestLag = sampleRate / 60;
    QList<double> pitches;
    for (qsizetype start = 0; start + frame + longestLag < count; start += frame / 2) {
        double energy = 0;
        for (qsizetype i = start; i < start + frame; ++i)
            energy += double(samples[i]) * samples[i];
        if (energy / double(frame) < 1e5) // silence
            continue;
        double best = 0;
        qsizetype bestLag = 0;
        for (qsizetype lag = shortestLag; lag <= longestLag; ++lag) {
            double sum = 0;
            for (qsizetype i = start; i < start + frame; ++i)
                sum += double(samples[i]) * samples[i + lag];
            if (sum > best) {
                best = sum;
                bestLag = lag;
            }
        }
        if (bestLag && best > 0.5 * energy)
            pitches.append(double(sampleRate) / double(bestLag));
    }
    if (pitches.isEmpty())
        return 0;
    std::sort(pitches.begin(), pitches.end());
    return pitches.at(pitches.size() / 2);
}

} // namespace

class tst_EngineSelector : public QObject
{
    Q_OBJECT

private:
    QString m_defaultVoice;

private slots:
    void init() { m_defaultVoice = SpeechSystem::instance().defaultVoice(); }
    void cleanup() { SpeechSystem::instance().setDefaultVoice(m_defaultVoice); }

    void systemSelector_offersNamedFemaleThenMaleVoices()
    {
        EspeakEngineSelector selector;
        QVERIFY(selector.isHidden());
        QCOMPARE(selector.CurrentMode(), 0);
        QVERIFY2(selector.CountEngines() >= 10, qPrintable(QString::number(selector.CountEngines())));

        const VoiceCatalog &catalog = SpeechSystem::instance().voiceCatalog();
        QSet<QString> names;
        bool maleSeen = false;
        for (qint32 i = 1; i <= selector.CountEngines(); ++i) {
            const QString name = selector.ModeName(i);
            qInfo().noquote() << i << name;
            QVERIFY(!name.isEmpty());
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            const bool male = catalog.mode(i)->attribute(QStringLiteral("Gender")) == QLatin1String("2");
            QVERIFY2(male || !maleSeen, qPrintable(name));
            maleSeen = maleSeen || male;
            QCOMPARE(catalog.mode(i)->attribute(QStringLiteral("Mfg")), VoiceCatalog::engineName);
        }
        QVERIFY(maleSeen);
        QCOMPARE(selector.Find(QStringLiteral("Mfg=Microsoft;Gender=1")), 1);
    }

    void select_femaleThenMale_changesTheSpeakingVoice()
    {
        EspeakEngineSelector selector;
        const qint32 female = selector.Find(QStringLiteral("Gender=1"));
        const qint32 male = selector.Find(QStringLiteral("Gender=2"));
        QVERIFY(female != male);

        QVERIFY(selector.Select(female));
        QCOMPARE(selector.CurrentMode(), female);
        const QByteArray femaleSound = spokenWithDefaultVoice(QStringLiteral("a for apple"));
        QVERIFY(selector.setCurrentMode(male));
        QCOMPARE(selector.CurrentMode(), male);
        const QByteArray maleSound = spokenWithDefaultVoice(QStringLiteral("a for apple"));

        QVERIFY(!femaleSound.isEmpty() && !maleSound.isEmpty());
        QVERIFY(femaleSound != maleSound);
        const double femalePitch = medianPitch(femaleSound, 22050);
        const double malePitch = medianPitch(maleSound, 22050);
        qInfo() << "median pitch: female" << femalePitch << "Hz, male" << malePitch << "Hz";
        QVERIFY2(femalePitch > malePitch * 1.3,
                 qPrintable(QStringLiteral("%1 vs %2").arg(femalePitch).arg(malePitch)));
    }

    void modeOutsideTheList_isRefused_data()
    {
        QTest::addColumn<bool>("emptyList");
        QTest::addColumn<qint32>("mode");
        QTest::newRow("zero") << false << 0;
        QTest::newRow("negative") << false << -1;
        QTest::newRow("one past the count") << false << -2; // replaced by count + 1
        QTest::newRow("largest number") << false << qint32(INT_MAX);
        QTest::newRow("empty list, mode 1") << true << 1;
    }
    void modeOutsideTheList_isRefused()
    {
        QFETCH(bool, emptyList);
        QFETCH(qint32, mode);
        auto owned = emptyList ? std::make_unique<EspeakEngineSelector>(VoiceCatalog())
                               : std::make_unique<EspeakEngineSelector>();
        EspeakEngineSelector &selector = *owned;
        if (mode == -2)
            mode = selector.CountEngines() + 1;
        const QString voiceBefore = SpeechSystem::instance().defaultVoice();

        QVERIFY(!selector.Select(mode));
        QVERIFY(!selector.lastError().isEmpty());
        QVERIFY(!selector.setCurrentMode(mode));
        QVERIFY(selector.ModeName(mode).isEmpty());
        QCOMPARE(selector.CurrentMode(), 0);
        QCOMPARE(SpeechSystem::instance().defaultVoice(), voiceBefore);
    }

    void emptyList_countsZeroAndFindsNothing()
    {
        EspeakEngineSelector selector{VoiceCatalog()};
        QCOMPARE(selector.CountEngines(), 0);
        QCOMPARE(selector.Find(QStringLiteral("Mfg=Microsoft;Gender=1")), 0);
        QCOMPARE(selector.CurrentMode(), 0);
    }
};

QTEST_MAIN(tst_EngineSelector)
#include "tst_engineselector.moc"
