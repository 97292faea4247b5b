// Built twice: against a private null sink, and with no sound server at all
// (POMWIT_EXPECT_NO_SOUND).

#include "speech/phraseplayer.h"
#include "speech/speechsystem.h"
#include "speech/systemaudiooutput.h"
#include "soundmodule.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace std::chrono_literals;

class tst_SystemAudio : public QObject
{
    Q_OBJECT

private:
    SpeechSystem::Synthesis m_phrase;
    qint64 m_durationMs = 0;

    SystemAudioOutput m_output{1500ms};

    // Plays the phrase on the one output; the time until its end, in ms.
    qint64 play(SpeechResult<> *result)
    {
        QElapsedTimer clock;
        clock.start();
        *result = testsupport::playToTheEnd(m_output, m_phrase.pcm, m_phrase.sampleRate);
        qInfo() << "phrase of" << m_durationMs << "ms; its end came after" << clock.elapsed() << "ms";
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

    void play_endsWithThePhrase_andReturnsAtOnce()
    {
#ifdef POMWIT_EXPECT_NO_SOUND
        QSKIP("nothing is played without sound");
#endif
        // Twice: the second phrase on the kept stream lasts as long as the first.
        for (int phrase = 0; phrase < 2; ++phrase) {
            QElapsedTimer clock;
            clock.start();
            std::optional<SpeechResult<>> result;
            m_output.start(m_phrase.pcm, m_phrase.sampleRate, [&result](const SpeechResult<> &r) { result = r; });
            QVERIFY2(clock.elapsed() < 300 && !result, qPrintable(QString::number(clock.elapsed())));
            QVERIFY(QTest::qWaitFor([&result] { return result.has_value(); }, 10000));
            const qint64 elapsed = clock.elapsed();
            QVERIFY2(*result, qPrintable(result->ok() ? QString() : result->error().message));
            QVERIFY2(elapsed >= m_durationMs - 100 && elapsed <= m_durationMs + 1000, qPrintable(QString::number(elapsed)));
        }
    }

    void phrasePlayer_oneAtATime_theFirstEndsAsPlayed_andStopEndsAtOnce()
    {
#ifdef POMWIT_EXPECT_NO_SOUND
        QSKIP("nothing is played without sound");
#endif
        PhrasePlayer player(std::shared_ptr<AudioOutput>(&m_output, [](AudioOutput *) {}));
        QStringList ends;
        connect(&player, &PhrasePlayer::finished, this, [&ends](const SpeechResult<> &r) {
            ends.append(r ? QStringLiteral("played") : r.error().message);
        });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(player.play(m_phrase.pcm, m_phrase.sampleRate));
        // A button's delayed click asks for a shorter phrase a third into it.
        bool second = true;
        QTimer::singleShot(m_durationMs / 3, this, [&] {
            second = player.play(m_phrase.pcm.left(m_phrase.pcm.size() / 4 * 2), m_phrase.sampleRate);
        });
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 10000);
        QVERIFY(!second);
        QCOMPARE(ends, QStringList{QStringLiteral("played")});
        QVERIFY2(clock.elapsed() >= m_durationMs - 100, qPrintable(QString::number(clock.elapsed())));
        // The exit sequence stops a phrase at once, and the next one plays whole.
        QVERIFY(player.play(m_phrase.pcm, m_phrase.sampleRate));
        QTest::qWait(100);
        player.stop();
        QVERIFY(!player.isPlaying());
        QCOMPARE(ends.last(), QString());
        QVERIFY(player.play(m_phrase.pcm, m_phrase.sampleRate));
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 10000);
        QCOMPARE(ends, (QStringList{QStringLiteral("played"), QString(), QStringLiteral("played")}));
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
