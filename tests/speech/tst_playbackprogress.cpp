#include "speech/playbackprogress.h"

#include <QTest>

using namespace std::chrono_literals;
using State = PlaybackProgress::State;

Q_DECLARE_METATYPE(PlaybackProgress::State)

class tst_PlaybackProgress : public QObject
{
    Q_OBJECT

private slots:
    // A one-second phrase whose stream position is read every 100 ms; it
    // moves by `step` ms a reading, except for `held` readings at `heldAt`.
    void update_lateIsPlayedStalledIsNot_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("heldAt");
        QTest::addColumn<int>("held");
        QTest::addColumn<State>("state");
        QTest::addColumn<int>("decidedAt");
        QTest::newRow("in real time") << 100 << -1 << 0 << State::Played << 1000;
        QTest::newRow("four times slower") << 25 << -1 << 0 << State::Played << 4000;
        QTest::newRow("held 1.9 s half way") << 100 << 500 << 19 << State::Played << 2900;
        QTest::newRow("never starts") << 100 << 0 << 1000 << State::Stalled << 2000;
        QTest::newRow("stops half way") << 100 << 500 << 1000 << State::Stalled << 2500;
        QTest::newRow("stops just short of the end") << 100 << 900 << 1000 << State::Stalled << 2900;
    }
    void update_lateIsPlayedStalledIsNot()
    {
        QFETCH(int, step);
        QFETCH(int, heldAt);
        QFETCH(int, held);
        QFETCH(State, state);
        QFETCH(int, decidedAt);
        PlaybackProgress progress(1000ms, 2000ms);
        int position = 0, now = 0;
        State seen = State::Playing;
        for (; now <= 10000; now += 100) {
            // The server holds every sample once the last 200 ms are buffered.
            seen = progress.update(std::chrono::milliseconds(now), std::chrono::milliseconds(position), position >= 800);
            if (seen != State::Playing)
                break;
            if (position == heldAt && held > 0)
                --held;
            else
                position = std::min(1000, position + step);
        }
        QCOMPARE(seen, state);
        QCOMPARE(now, decidedAt);
    }
};

QTEST_GUILESS_MAIN(tst_PlaybackProgress)
#include "tst_playbackprogress.moc"
