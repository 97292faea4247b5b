// Voices: the selector's modes and lookup over a fixed list, and the
// speaking voice over the real engine into a recorder.

#include "speech/espeakengineselector.h"
#include "speech/phraseplayer.h"
#include "speech/speakingvoice.h"
#include "speech/voices.h"
#include "speech/voicechoice.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using testsupport::RecordingAudioOutput;

namespace {

// Two female modes, then two male ones; mode "English – X" speaks with voice "vX".
VoiceCatalog fourModes()
{
    const auto mode = [](const char *x, const char *engine, VoiceGender gender, const char *language) {
        return VoiceMode{u"English – "_s + QLatin1String(x), u"v"_s + QLatin1String(x), QLatin1String(engine), gender,
                         QLatin1String(language)};
    };
    return VoiceCatalog({mode("A", "eSpeak NG", VoiceGender::Female, "en"), mode("B", "Flite", VoiceGender::Female, "en"),
                         mode("C", "eSpeak NG", VoiceGender::Male, "de"), mode("D", "Flite", VoiceGender::Male, "en")});
}

} // namespace

// These phrases are espeak-ng's: its voice is chosen, not left to the default.
const auto espeakEnglish = [] { return std::make_shared<VoiceChoice>(u"gmw/en"_s); };

class tst_Voices : public QObject
{
    Q_OBJECT

private slots:
    void parse_readsTheWishes_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<VoiceQuery>("wishes");
        using enum VoiceGender;
        QTest::newRow("the designed text") << u"Mfg=Microsoft;Gender=1"_s << VoiceQuery{{u"Microsoft"_s}, {Female}, {}, {}};
        QTest::newRow("spaces around keys and values") << u" Language = en ; Gender = 2 "_s << VoiceQuery{{}, {Male}, {u"en"_s}, {}};
        QTest::newRow("keys in any case, values as written") << u"MFG=Flite;gender=1;LANGUAGE=EN;nAmE=Bob"_s
                                                              << VoiceQuery{{u"Flite"_s}, {Female}, {u"EN"_s}, {u"Bob"_s}};
        QTest::newRow("a pair without \"=\"") << u"Gender;Name=a=b"_s << VoiceQuery{{}, {}, {}, {u"a=b"_s}};
        QTest::newRow("an empty key or pair") << u";=2; =1;;Name=;"_s << VoiceQuery{{}, {}, {}, {u""_s}};
        QTest::newRow("unknown keys and genders") << u"Age=30;Gender=3;Gender=female;Gender=01"_s << VoiceQuery{};
        QTest::newRow("a key twice is two wishes") << u"Gender=1;Gender=2;Gender=1"_s << VoiceQuery{{}, {Female, Male, Female}, {}, {}};
        QTest::newRow("an empty text") << QString() << VoiceQuery{};
    }
    void parse_readsTheWishes()
    {
        QFETCH(QString, attributes);
        QFETCH(VoiceQuery, wishes);
        QCOMPARE(VoiceQuery::parse(attributes), wishes);
    }

    void find_scoresPairs_data()
    {
        QTest::addColumn<bool>("noModes");
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<qint32>("expected");
        QTest::newRow("the window's lookup: first female") << false << u"Mfg=Microsoft;Gender=1"_s << 1;
        QTest::newRow("one pair: first male, not the last") << false << u"Gender=2"_s << 3;
        QTest::newRow("two matches beat one: engine") << false << u"Gender=2;Mfg=flite"_s << 4;
        QTest::newRow("two matches beat one: language") << false << u"Gender=2;Language=EN"_s << 4;
        QTest::newRow("a name twice, in any case, beats a gender") << false << u"Gender=1;Name=english – c;Name=ENGLISH – C"_s << 3;
        QTest::newRow("a gender twice beats a name") << false << u"Gender=2;Gender=2;Name=English – B"_s << 3;
        QTest::newRow("no modes: zero") << true << u"Mfg=Microsoft;Gender=1"_s << 0;
    }
    void find_scoresPairs()
    {
        QFETCH(bool, noModes);
        QFETCH(QString, attributes);
        QFETCH(qint32, expected);
        EspeakEngineSelector selector(noModes ? VoiceCatalog() : fourModes(), nullptr);
        QCOMPARE(selector.Find(attributes).value(), expected);
    }

    void modeOutsideTheList_isAnErrorAndChangesNothing_data()
    {
        QTest::addColumn<bool>("noModes");
        QTest::addColumn<qint32>("mode");
        QTest::newRow("zero") << false << 0;
        QTest::newRow("one past the count") << false << 5;
        QTest::newRow("no modes, mode 1") << true << 1;
    }
    void modeOutsideTheList_isAnErrorAndChangesNothing()
    {
        QFETCH(bool, noModes);
        QFETCH(qint32, mode);
        auto choice = std::make_shared<VoiceChoice>();
        EspeakEngineSelector selector(noModes ? VoiceCatalog() : fourModes(), choice);
        QCOMPARE(*selector.CountEngines(), noModes ? 0 : 4);
        if (!noModes) {
            QCOMPARE(*selector.ModeName(2), QStringLiteral("English – B"));
            QVERIFY(selector.setCurrentMode(2));
            QCOMPARE(choice->voice(), QStringLiteral("vB"));
        }

        QVERIFY(!selector.Select(mode));
        const SpeechResult<> set = selector.setCurrentMode(mode);
        QVERIFY(!set && !set.error().message.isEmpty());
        QVERIFY(!selector.ModeName(mode));
        QCOMPARE(*selector.CurrentMode(), noModes ? 0 : 2);
        QCOMPARE(choice->voice(), noModes ? QString() : QStringLiteral("vB"));
    }

    void forLanguage_listsFemalesFirstWithReadableNames()
    {
        using G = VoiceGender;
        const VoiceCatalog catalog = VoiceCatalog::forLanguage(
            QStringLiteral("English"), QStringLiteral("en"), QStringLiteral("gmw/en"),
            {{QStringLiteral("m1"), QStringLiteral("male1"), G::Male}, {QStringLiteral("f10"), QStringLiteral("female10"), G::Female},
             {QStringLiteral("klatt"), QStringLiteral("klatt"), G::Unknown}, {QStringLiteral("f2"), QStringLiteral("female2"), G::Female}});
        QStringList names;
        for (qint32 i = 1; i <= catalog.count(); ++i)
            names.append(catalog.mode(i)->name);
        QCOMPARE(names, (QStringList{QStringLiteral("English – female 2"), QStringLiteral("English – female 10"),
                                     QStringLiteral("English – male 1")}));
        QCOMPARE(catalog.mode(1)->voice, QStringLiteral("gmw/en+f2"));
        QCOMPARE(catalog.bestMatch(VoiceQuery::parse(u"Gender=2;Language=en"_s)), 3);
    }

    void rate_minusOneLastsOneStepLonger_andOnlyTheScaleIsTaken()
    {
        auto output = std::make_shared<RecordingAudioOutput>();
        auto player = std::make_shared<PhrasePlayer>(output);
        SpeakingVoice voice(player, espeakEnglish());
        const auto say = [&]() -> bool {
            return voice.Speak(QStringLiteral("a for apple")) && QTest::qWaitFor([&] { return !player->isPlaying(); });
        };
        // The engine's first phrase after loading a voice comes out a little short: not measured.
        QVERIFY(say() && say());
        QVERIFY(voice.setRate(-1) && say());
        const double ratio = double(output->played.at(2).size()) / double(output->played.at(1).size());
        QVERIFY2(std::abs(ratio / std::pow(3.0, 0.1) - 1.0) < 0.05, qPrintable(QString::number(ratio)));
        QVERIFY(voice.setRate(-10) && voice.setRate(10));
        QVERIFY(!voice.setRate(11) && !voice.setRate(-11));
        QCOMPARE(voice.rate(), 10);
    }

    void speak_saysWhatIsWritten_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("heard"); // a pattern over the phonemes, "|" before each word
        // The first word alone: the article "a" would be "a#".
        QTest::newRow("a for: the letter's name") << QStringLiteral("a for apple") << QStringLiteral("^\\| eI [^|]*\\| f");
        QTest::newRow("a tag and an ampersand in the word") << QStringLiteral("< for <b>&") << QStringLiteral("\\| b i: \\|.* a n d");
        QTest::newRow("an entity in the word") << QStringLiteral("& for &amp;") << QStringLiteral(" a n d \\| a m p");
        QTest::newRow("a tag without a letter") << QStringLiteral("<b>& alone") << QStringLiteral("\\| b i: \\|.* a n d");
    }
    void speak_saysWhatIsWritten()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, heard);
        const auto spoken = Voices::system()->synthesize(phrase, 0, espeakEnglish()->voice());
        QVERIFY(spoken);
        const QString phonemes = spoken->synthesis.phonemes;
        QVERIFY2(phonemes.contains(QRegularExpression(heard)), qPrintable(phonemes));
    }

    // With no voice chosen, a voice of the set's language says the letter's name there.
    void phrase_isSaidInTheCardSetsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("heard");
        QTest::newRow("German Ö wie Öl") << u"de"_s << u"Ö wie Öl"_s << u"^\\| _! Y: [^|]*\\| v i: \\| _! Y: l"_s;
        QTest::newRow("German B, the letter's name") << u"de"_s << u"B wie Ball"_s << u"^\\| b e: [^|]*\\| v i: \\| b a l"_s;
        QTest::newRow("French") << u"fr"_s << u"a comme avion"_s << u"^\\| a [^|]*\\| k O m \\| a v j O~"_s;
        QTest::newRow("Spanish eñe") << u"es"_s << u"ñ de ñu"_s << u"^\\| E n\\^ e [^|]*\\| d e \\| n\\^ u"_s;
        QTest::newRow("Greek sigma, no joining word") << u"el"_s << u"σ, σκύλος"_s << u"^\\| s i Q m a [^|]*\\| s c i l o s"_s;
    }
    void phrase_isSaidInTheCardSetsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, phrase);
        QFETCH(QString, heard);
        const auto spoken = Voices::system()->synthesize(phrase, 0, QString(), language);
        QVERIFY(spoken);
        QVERIFY2(spoken->synthesis.phonemes.contains(QRegularExpression(heard)), qPrintable(spoken->synthesis.phonemes));
    }

    void failingOutput_isReported()
    {
        auto output = std::make_shared<RecordingAudioOutput>();
        output->failWith = QStringLiteral("the speaker is gone");
        auto player = std::make_shared<PhrasePlayer>(output);
        QString failed;
        connect(player.get(), &PhrasePlayer::finished, this, [&failed](const SpeechResult<> &result) {
            failed = result ? QStringLiteral("played") : result.error().message;
        });
        QVERIFY(SpeakingVoice(player, espeakEnglish()).Speak(QStringLiteral("a for ant")));
        QTRY_COMPARE(failed, QStringLiteral("the speaker is gone"));
    }

    // A parent's choice in the selector is the voice of every later phrase:
    // two voices that say "for" differently tell which one spoke.
    void selectorChoice_isTheVoiceHeard()
    {
        auto choice = std::make_shared<VoiceChoice>();
        EspeakEngineSelector selector(VoiceCatalog({{u"English"_s, u"gmw/en"_s, {}, {}, {}}, {u"Spanish"_s, u"roa/es"_s, {}, {}, {}}}),
                                      choice);
        for (const auto &[mode, heard] : {std::pair(1, "f O@"), std::pair(2, "f o r"), std::pair(1, "f O@")}) {
            QVERIFY(selector.setCurrentMode(mode));
            const auto spoken = Voices::system()->synthesize(QStringLiteral("a for apple"), 0, choice->voice());
            QVERIFY(spoken);
            QVERIFY2(spoken->synthesis.phonemes.contains(QLatin1String(heard)), qPrintable(spoken->synthesis.phonemes));
        }
    }
};

QTEST_MAIN(tst_Voices)
#include "tst_voices.moc"
