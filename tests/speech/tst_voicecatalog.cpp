#include "speech/voicecatalog.h"

#include <QTest>

namespace {

VoiceMode modeOf(const QString &name, const QString &gender)
{
    return {name, QStringLiteral("gmw/en+x"),
            {{QStringLiteral("Mfg"), VoiceCatalog::engineName},
             {QStringLiteral("Gender"), gender},
             {QStringLiteral("Language"), QStringLiteral("en")},
             {QStringLiteral("Name"), name}}};
}

} // namespace

class tst_VoiceCatalog : public QObject
{
    Q_OBJECT

private slots:
    void bestMatch_scoresPairs_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<qint32>("expected");

        QTest::newRow("every pair of mode 3") << QStringLiteral("Mfg=eSpeak NG;Gender=2;Language=en;Name=English – C") << 3;
        QTest::newRow("original attribute text: first female") << QStringLiteral("Mfg=Microsoft;Gender=1") << 1;
        QTest::newRow("one pair: first male") << QStringLiteral("Gender=2") << 3;
        QTest::newRow("keys and values ignore case") << QStringLiteral("gender=2;NAME=english – d") << 4;
        QTest::newRow("two matches beat one") << QStringLiteral("Gender=1;Name=English – B") << 2;
        QTest::newRow("a wrong pair costs nothing") << QStringLiteral("Gender=9;Name=English – B") << 2;
        QTest::newRow("nothing matches: lowest number") << QStringLiteral("Mfg=Microsoft;Age=3") << 1;
        QTest::newRow("empty text") << QString() << 1;
        QTest::newRow("malformed pairs are ignored") << QStringLiteral(";;Gender;=2;Name=English – D;") << 4;
        QTest::newRow("spaces around keys and values") << QStringLiteral(" Gender = 2 ; Name = English – D ") << 4;
        QTest::newRow("empty value matches no attribute") << QStringLiteral("Age=") << 1;
    }
    void bestMatch_scoresPairs()
    {
        QFETCH(QString, attributes);
        QFETCH(qint32, expected);
        const VoiceCatalog catalog({modeOf(QStringLiteral("English – A"), QStringLiteral("1")),
                                    modeOf(QStringLiteral("English – B"), QStringLiteral("1")),
                                    modeOf(QStringLiteral("English – C"), QStringLiteral("2")),
                                    modeOf(QStringLiteral("English – D"), QStringLiteral("2"))});
        QCOMPARE(catalog.bestMatch(attributes), expected);
    }

    void bestMatch_withoutModes_isZero()
    {
        QCOMPARE(VoiceCatalog().bestMatch(QStringLiteral("Mfg=Microsoft;Gender=1")), 0);
    }

    void forLanguage_putsFemalesFirstWithReadableNames()
    {
        using G = VoiceVariant::Gender;
        const VoiceCatalog catalog = VoiceCatalog::forLanguage(
            QStringLiteral("English"), QStringLiteral("en"), QStringLiteral("gmw/en"),
            {{QStringLiteral("m1"), QStringLiteral("male1"), G::Male},
             {QStringLiteral("Alicia"), QStringLiteral("Alicia"), G::Female},
             {QStringLiteral("f2"), QStringLiteral("female2"), G::Female},
             {QStringLiteral("klatt"), QStringLiteral("klatt"), G::Unknown},
             {QStringLiteral("Mr serious"), QStringLiteral("Mr_Serious"), G::Male},
             {QStringLiteral("f10"), QStringLiteral("female10"), G::Female},
             {QStringLiteral("twin"), QStringLiteral("Alicia"), G::Female}});

        const QStringList expected = {
            QStringLiteral("English – female 2"),        QStringLiteral("English – female 10"),
            QStringLiteral("English – Alicia (female)"), QStringLiteral("English – Alicia (female) (twin)"),
            QStringLiteral("English – male 1"),          QStringLiteral("English – Mr Serious (male)")};
        QStringList names;
        for (qint32 i = 1; i <= catalog.count(); ++i)
            names.append(catalog.mode(i)->name);
        QCOMPARE(names, expected);

        QCOMPARE(catalog.mode(1)->voice, QStringLiteral("gmw/en+f2"));
        QCOMPARE(catalog.mode(1)->attribute(QStringLiteral("Gender")), QStringLiteral("1"));
        QCOMPARE(catalog.mode(6)->voice, QStringLiteral("gmw/en+Mr serious"));
        QCOMPARE(catalog.mode(6)->attribute(QStringLiteral("gender")), QStringLiteral("2"));
        QCOMPARE(catalog.mode(6)->attribute(QStringLiteral("Language")), QStringLiteral("en"));
        QCOMPARE(catalog.mode(0), nullptr);
        QCOMPARE(catalog.mode(7), nullptr);
    }
};

QTEST_GUILESS_MAIN(tst_VoiceCatalog)
#include "tst_voicecatalog.moc"
