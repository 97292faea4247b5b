// Real playback on a private null sink while every core is busy; the sound
// server may be held (SIGSTOP) for a while during the phrase.

#include "speech/speechsystem.h"
#include "speech/systemaudiooutput.h"
#include "soundmodule.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <memory>
#include <vector>

class tst_PlaybackLoad : public QObject
{
    Q_OBJECT

private:
    std::vector<std::unique_ptr<QProcess>> m_busy;
    SpeechSystem::Synthesis m_phrase;
    qint64 m_lengthMs = 0;
    pid_t m_server = 0;

private slots:
    void initTestCase()
    {
        QFile pid(qEnvironmentVariable("POMWIT_SOUND_SERVER_PID_FILE"));
        QVERIFY(pid.open(QIODevice::ReadOnly));
        m_server = pid_t(pid.readAll().trimmed().toInt());
        QVERIFY(m_server > 0);
        const auto synthesis =
            SpeechSystem::instance().synthesize(QStringLiteral("h for hippopotamus"), false, 157, QString());
        QVERIFY(synthesis);
        m_phrase = *synthesis;
        m_lengthMs = qint64(m_phrase.pcm.size() / 2) * 1000 / m_phrase.sampleRate;
        for (int i = 0; i < 2 * QThread::idealThreadCount(); ++i) {
            QProcess &spinner = *m_busy.emplace_back(std::make_unique<QProcess>());
            spinner.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
            QVERIFY(spinner.waitForStarted());
        }
    }
    void cleanupTestCase()
    {
        for (const auto &spinner : m_busy) {
            spinner->kill();
            spinner->waitForFinished();
        }
    }
    void cleanup() { ::kill(m_server, SIGCONT); }

    void play_failsOnlyWhenTheStreamStops_data()
    {
        QTest::addColumn<int>("heldMs");
        QTest::addColumn<bool>("played");
        QTest::newRow("cores busy") << 0 << true;
        QTest::newRow("server held 1 s") << 1000 << true;
        QTest::newRow("server held 6 s") << 6000 << false;
    }
    void play_failsOnlyWhenTheStreamStops()
    {
        QFETCH(int, heldMs);
        QFETCH(bool, played);
        constexpr int holdFrom = 300;
        if (heldMs > 0) {
            QTimer::singleShot(holdFrom, this, [this] { ::kill(m_server, SIGSTOP); });
            QTimer::singleShot(holdFrom + heldMs, this, [this] { ::kill(m_server, SIGCONT); });
        }
        constexpr int stallLimit = 2000; // the program's
        SystemAudioOutput output;
        QElapsedTimer clock;
        clock.start();
        const bool result = bool(testsupport::playToTheEnd(output, m_phrase.pcm, m_phrase.sampleRate));
        const qint64 elapsed = clock.elapsed();
        qInfo() << "phrase of" << m_lengthMs << "ms; its end came after" << elapsed << "ms";
        QCOMPARE(result, played);
        if (played) // it waited for the whole phrase
            QVERIFY2(elapsed >= m_lengthMs - 100, qPrintable(QString::number(elapsed)));
        else // told soon after the stall limit, not when the server came back
            QVERIFY2(elapsed < holdFrom + stallLimit + 1000, qPrintable(QString::number(elapsed)));
    }
};

QTEST_GUILESS_MAIN(tst_PlaybackLoad)
#include "tst_playbackload.moc"
