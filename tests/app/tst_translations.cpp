// The program's texts under LC_ALL=de_DE.UTF-8: Pomwit's own and Qt's in
// German, a text without a translation in English; then other locales.

#include "app/frmmain.h"
#include "app/programwindows.h"
#include "i18n/programtranslations.h"
#include "play/frmcard.h"
#include "testsupport.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace testsupport;

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void germanLocale_showsTheTextsInGerman()
    {
#ifdef POMWIT_C_LOCALE
        // LC_ALL=C.UTF-8 with LANGUAGE=de: as with gettext, LANGUAGE does not speak for C.
        QCOMPARE(ProgramTranslations::install(), QString());
        return;
#endif
        QCOMPARE(ProgramTranslations::install(), u"de"_s);
        QTemporaryDir dir;
        QVERIFY(writeCardDatabase(dir.path(), {}));
        TestServices services(dir.path());
        ProgramWindows forms(services.services);
        forms.main().Show();
        QCOMPARE(forms.main().window()->findChild<QPushButton *>(u"cmdStartFlash"_s)->text(), u"&Karten starten"_s);
        forms.main().cmdStartFlash_Click();
        forms.card().cmdnextcard_Click();
        QCOMPARE(services.messages->messages.last().text,
                 u"Der Kartensatz „%1/pomwit.mdb“ hat noch keine Karten.\n\nKopieren Sie ein Bild in den Bilderordner "
                 "und fügen Sie seinen Namen zur Tabelle tblflashcards hinzu."_s.arg(dir.path()));
        // Qt's own buttons follow.
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), u"Abbrechen"_s);
        QCOMPARE(QCoreApplication::translate("frmMain", "A text added after the translation"),
                 u"A text added after the translation"_s);
    }

    void translation_followsTheLanguages_data()
    {
        QTest::addColumn<QStringList>("languages"); // as the user prefers them
        QTest::addColumn<QString>("loaded");
        QTest::newRow("Swiss German: German") << QStringList{u"de-CH"_s} << u"de"_s;
        QTest::newRow("Italian, not translated, then French") << QStringList{u"it"_s, u"fr-FR"_s} << u"fr"_s;
        QTest::newRow("Mexican Spanish: Spanish") << QStringList{u"es-MX"_s} << u"es"_s;
        QTest::newRow("Italian alone: English") << QStringList{u"it-IT"_s} << QString();
        QTest::newRow("English before German: English") << QStringList{u"en-GB"_s, u"de"_s} << QString();
    }
    void translation_followsTheLanguages()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, loaded);
        QCOMPARE(ProgramTranslations::install(languages), loaded);
        QCOMPARE(QCoreApplication::translate("frmOptions", "Close") == u"Close"_s, loaded.isEmpty());
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
