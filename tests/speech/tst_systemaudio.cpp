// Built twice: against a private null sink, and with no sound server at all
// (POMWIT_EXPECT_NO_SOUND).

#include "speech/speechsystem.h"
#include "speech/systemaudiooutput.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

class tst_SystemAudio : public QObject
{
    Q_OBJECT

private:
    SpeechSystem::Synthesis m_phrase;
    qint64 m_durationMs = 0;

    SystemAudioOutput m_output{1500ms};

    // Plays the phrase on the one output; the time that took, in ms.
    qint64 play(SpeechResult<> *result)
    {
        QElapsedTimer clock;
        clock.start();
        *result = m_output.play(m_phrase.pcm, m_phrase.sampleRate);
        qInfo() << "phrase of" << m_durationMs << "ms; play() took" << clock.elapsed() << "ms";
        return clock.elapsed();
    }

private slots:
    void initTestCase()
    {
        const auto synthesis = SpeechSystem::instance().synthesize(QStringLiteral("a for apple"), false, 157, QString());
        QVERIFY(synthesis);
        m_phrase = *synthesis;
        m_durationMs = qint64(m_phrase.pcm.size() / 2) * 1000 / m_phrase.sampleRate;
        QVERIFY(m_durationMs > 300);
    }

    void play_lastsAboutThePhrase_andTimersRun()
    {
#ifdef POMWIT_EXPECT_NO_SOUND
        QSKIP("nothing is played without sound");
#endif
        // Repaints and timers go on while the phrase plays.
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, &ticker, [&ticks] { ++ticks; });
        ticker.start(50);
        SpeechResult<> result = Done{};
        // Twice: the second phrase on the kept stream lasts as long as the first.
        for (int phrase = 0; phrase < 2; ++phrase) {
            const qint64 elapsed = play(&result);
            QVERIFY2(result, qPrintable(result.ok() ? QString() : result.error().message));
            QVERIFY2(elapsed >= m_durationMs - 100 && elapsed <= m_durationMs + 1000, qPrintable(QString::number(elapsed)));
        }
        QVERIFY2(ticks >= int(m_durationMs / 50), qPrintable(QString::number(ticks)));
    }

    void play_askedAgainWhilePlaying_finishesTheFirst()
    {
#ifdef POMWIT_EXPECT_NO_SOUND
        QSKIP("nothing is played without sound");
#endif
        // A button's delayed click asks for a shorter phrase while one plays.
        SpeechResult<> nested = noSound();
        QTimer::singleShot(m_durationMs / 3, [&] {
            nested = m_output.play(m_phrase.pcm.left(m_phrase.pcm.size() / 4 * 2), m_phrase.sampleRate);
        });
        SpeechResult<> result = Done{};
        const qint64 elapsed = play(&result);
        QVERIFY2(result, qPrintable(result.ok() ? QString() : result.error().message));
        QVERIFY(nested);
        QVERIFY2(elapsed >= m_durationMs - 100 && elapsed <= m_durationMs + 1000, qPrintable(QString::number(elapsed)));
    }

    void play_withoutAnAnswer_failsInTime()
    {
#ifndef POMWIT_EXPECT_NO_SOUND
        QSKIP("there is a sound server here");
#endif
        SpeechResult<> result = Done{};
        const qint64 noServer = play(&result);
        QVERIFY(!result);
        QCOMPARE(result.error().message, QStringLiteral("Sound is not available, so the words are shown but not spoken."));
        QVERIFY2(noServer < 400, qPrintable(QString::number(noServer)));

        // A server that takes connections and then says nothing, like a frozen one.
        QTemporaryDir folder;
        QLocalServer silent;
        QVERIFY(silent.listen(folder.filePath(QStringLiteral("native"))));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(silent.fullServerName()));
        const qint64 silentServer = play(&result);
        QVERIFY(!result);
        QVERIFY2(silentServer >= 450 && silentServer < 1000, qPrintable(QString::number(silentServer)));
    }
};

QTEST_MAIN(tst_SystemAudio)
#include "tst_systemaudio.moc"
