// Recordings: read and written by the sound module's codec, made by the
// recording engine from a scripted microphone. Real microphones are in
// tests/e2e/recordings.sh.

#include "soundfiles.h"
#include "speech/phraseplayer.h"
#include "speech/voicerecorder.h"
#include "scriptedmicrophone.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTest>

using namespace testsupport;

namespace {

QByteArray cut(const QByteArray &bytes) { return bytes.left(bytes.size() * 2 / 3); }

} // namespace

class tst_Recordings : public QObject
{
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("refused"); // empty: a second of sound
        const int wav = SF_FORMAT_WAV | SF_FORMAT_PCM_16, flac = SF_FORMAT_FLAC | SF_FORMAT_PCM_16,
                  ogg = oggVorbis, mp3 = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
        QTest::newRow("Ogg Vorbis") << soundFile(ogg) << QString();
        QTest::newRow("Opus") << soundFile(oggOpus) << QString();
        QTest::newRow("FLAC in stereo") << soundFile(flac, 2) << QString();
        QTest::newRow("WAV") << soundFile(wav) << QString();
        QTest::newRow("MP3") << soundFile(mp3) << QString();
        const QString cutShort = QStringLiteral("it is damaged or cut short");
        QTest::newRow("WAV cut short") << cut(soundFile(wav)) << cutShort;
        QTest::newRow("Ogg cut short") << cut(soundFile(ogg)) << cutShort;
        QByteArray lastPageGone = soundFile(ogg);
        lastPageGone.truncate(lastPageGone.lastIndexOf("OggS"));
        QTest::newRow("Ogg cut short at a page's end") << lastPageGone << cutShort;
        QTest::newRow("FLAC cut short") << cut(soundFile(flac)) << cutShort;
        QTest::newRow("MP3 cut short") << cut(soundFile(mp3)) << cutShort;
        QTest::newRow("not sound") << QByteArray("hello, this is text\n").repeated(50)
                                   << QStringLiteral("it is not a sound file");
        QTest::newRow("a phone's M4A memo") << QByteArray("\0\0\0\x20" "ftypM4A \0\0\0\0M4A isom", 24) + QByteArray(500, 'x')
                                            << QStringLiteral("it is an M4A file, a format Pomwit does not read");
        QTest::newRow("a phone's AMR memo") << QByteArray("#!AMR\n") + QByteArray(500, '\x3c')
                                            << QStringLiteral("it is an AMR file, a format Pomwit does not read");
        QTest::newRow("15.5 s") << soundFile(ogg, 1, 15.5)
                                << QStringLiteral("it is 15.5 seconds long, and a recording may be at most 15 seconds");
        QByteArray unsaid = soundFile(flac, 1, 15.5); // its length left out of the header
        unsaid[21] = char(unsaid[21] & 0xf0);
        unsaid.replace(22, 4, QByteArray(4, '\0'));
        QTest::newRow("15.5 s of FLAC that does not say how long")
            << unsaid << QStringLiteral("it is longer than the 15 seconds a recording may last");
    }
    void decode()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, refused);
        QVERIFY(!file.isEmpty());
        const auto sound = RecordingCodec::instance().decode(file);
        QCOMPARE(sound ? QString() : sound.error().reason, refused);
        if (sound) {
            QCOMPARE(sound->sampleRate, 48000);
            QVERIFY2(qAbs(sound->milliseconds() - 1000) <= 30, qPrintable(QString::number(sound->milliseconds())));
        }
    }

    // Brought to the phrases' loudness when made, as near as the peaks allow.
    void encode_setsTheLoudness_data()
    {
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<bool>("click"); // a full-scale click, which keeps the gain down
        QTest::newRow("a quiet take is raised") << 300.0 << false;
        QTest::newRow("a loud one is lowered") << 30000.0 << false;
        QTest::newRow("a quiet one with a click is not clipped") << 300.0 << true;
    }
    void encode_setsTheLoudness()
    {
        QFETCH(double, amplitude);
        QFETCH(bool, click);
        RecordingCodec &codec = RecordingCodec::instance();
        RecordedSound take = tone(2000, 48000, amplitude);
        if (click)
            reinterpret_cast<qint16 *>(take.pcm.data())[1000] = 32000;
        const auto ogg = codec.encode(take);
        QVERIFY(ogg);
        const auto decoded = codec.decode(*ogg);
        QVERIFY(decoded);
        const double lufs = *codec.loudness(*decoded);
        QVERIFY2(click ? lufs < -30 : qAbs(lufs + 16) < 1, qPrintable(QString::number(lufs)));
        const auto *samples = reinterpret_cast<const qint16 *>(decoded->pcm.constData());
        QVERIFY(*std::max_element(samples, samples + decoded->pcm.size() / 2) < 32000);
    }

    void recorder_tonesThenRecordsUntilStopOrTheLimit()
    {
        auto audio = std::make_shared<RecordingAudioOutput>();
        audio->holding = true;
        auto player = std::make_shared<PhrasePlayer>(audio);
        auto microphone = std::make_shared<testsupport::ScriptedMicrophone>();
        VoiceRecorder recorder(player, microphone, std::chrono::milliseconds(1500));
        QSignalSpy failed(&recorder, &VoiceRecorder::failed);
        microphone->present = false;
        QCOMPARE(recorder.start().error(),
                 QStringLiteral("No microphone was found: connect one, or switch it on in the sound settings, to record."));
        microphone->present = true;

        // Stopped during the tone: the microphone was never opened.
        QVERIFY(recorder.start());
        recorder.stop();
        QCOMPARE(recorder.state(), VoiceRecorder::State::Idle);
        QCOMPARE(microphone->opened, 0);

        // The tone, then the microphone: 0.3 s quiet, 0.5 s of tone, 0.3 s quiet.
        QVERIFY(recorder.start());
        QCOMPARE(audio->played.size(), 2);
        QVERIFY(!microphone->samples);
        audio->finish();
        QCOMPARE(recorder.state(), VoiceRecorder::State::Recording);
        QCOMPARE(recorder.timeLeftText(), QStringLiteral("2 seconds left"));
        // The first 0.1 s, the tone's echo here, is not kept.
        microphone->samples(tone(50, 48000).pcm + QByteArray(48000 * 2 * 35 / 100, '\0'));
        microphone->samples(tone(500, 48000).pcm);
        QVERIFY(recorder.level() > 0.2);
        microphone->samples(QByteArray(48000 * 2 * 3 / 10, '\0'));
        recorder.stop();
        QVERIFY(!microphone->samples);
        QCOMPARE(recorder.state(), VoiceRecorder::State::Recorded);
        QVERIFY2(qAbs(recorder.take().milliseconds() - 560) <= 10, qPrintable(QString::number(recorder.take().milliseconds())));
        QVERIFY(recorder.listen());
        QCOMPARE(audio->played.last(), recorder.take().pcm);
        audio->finish();
        QVERIFY(recorder.encode());
        recorder.discard();
        QVERIFY(recorder.take().pcm.isEmpty() && !recorder.encode());

        // The limit stops it, the microphone closed; silence alone is no take.
        QVERIFY(recorder.start());
        audio->finish();
        microphone->samples(tone(2000, 48000).pcm);
        QCOMPARE(recorder.state(), VoiceRecorder::State::Recorded);
        QVERIFY(!microphone->samples);
        QCOMPARE(recorder.take().milliseconds(), 1500);
        QVERIFY(recorder.start());
        audio->finish();
        microphone->samples(QByteArray(48000, '\0'));
        recorder.stop();
        QCOMPARE(recorder.state(), VoiceRecorder::State::Idle);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().first().toString(),
                 QStringLiteral("Nothing was heard: check that the microphone is on and not muted, then record again."));
        // Discarded while recording: the microphone closes, nothing is kept.
        QVERIFY(recorder.start());
        audio->finish();
        microphone->samples(tone(500, 48000).pcm);
        recorder.discard();
        QVERIFY(!microphone->samples && recorder.take().pcm.isEmpty());
    }
};

QTEST_MAIN(tst_Recordings)
#include "tst_recordings.moc"
