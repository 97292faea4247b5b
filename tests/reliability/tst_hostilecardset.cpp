// Bad card sets and pictures. Played through the real windows offscreen, each
// kind of message must say what is wrong with which file, the window must play
// on once the set is repaired, and the program must end through its exit sequence.

#include "app/programwindows.h"
#include "app/frmmain.h"
#include "play/frmcard.h"
#include "testsupport.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;
// Changes the card set in an application folder; false if it cannot.
using Edit = std::function<bool(const QString &folder)>;
Q_DECLARE_METATYPE(Edit)

namespace {

Edit sql(const char *statement)
{
    return [statement](const QString &folder) { return editCardDatabase(folder, QString::fromUtf8(statement)); };
}

} // namespace

class HostileCardSetTest : public QObject
{
    Q_OBJECT

private slots:
    void problem_isToldAndPlayGoesOn_data()
    {
        QTest::addColumn<Edit>("damage");
        QTest::addColumn<Edit>("repair");
        QTest::addColumn<int>("icon"); // of the message box; NoIcon: a note in the status bar instead
        QTest::addColumn<QString>("text"); // %1: the application folder

        QTest::newRow("store error: a warning")
            << sql("ALTER TABLE tblflashcards RENAME TO cards") << sql("ALTER TABLE cards RENAME TO tblflashcards")
            << int(QMessageBox::Warning)
            << QStringLiteral("The card database \"%1/pomwit.mdb\" has no table tblflashcards.\n\n"
                              "Add the table tblflashcards, with a text column cardname that holds one word per card.");
        QTest::newRow("empty card set: plain information on Next Card")
            << sql("DELETE FROM tblflashcards") << sql("INSERT INTO tblflashcards VALUES ('apple'), ('ball'), ('cat')")
            << int(QMessageBox::Information)
            << QStringLiteral("The card set \"%1/pomwit.mdb\" has no cards yet.\n\n"
                              "Copy a picture into the pictures folder and add its name to the table tblflashcards.");
        QTest::newRow("a row without a word: told when dealt, then the stack moves on")
            << sql("UPDATE tblflashcards SET cardname = NULL WHERE cardname = 'ball'")
            << sql("UPDATE tblflashcards SET cardname = 'ball' WHERE cardname IS NULL") << int(QMessageBox::Warning)
            << QStringLiteral("Card 2 of \"%1/pomwit.mdb\" has no word, so it cannot be shown.\n\n"
                              "Type a word in its cardname field in the table tblflashcards, or delete the row.");
        QTest::newRow("picture problem: a note in the status bar")
            << Edit([](const QString &f) { return QFile::remove(f + QStringLiteral("/pictures/ball.bmp")); })
            << Edit([](const QString &f) { return writePictures(f, {QStringLiteral("ball")}); })
            << int(QMessageBox::NoIcon)
            << QStringLiteral("This card's picture cannot be shown. Show Word tells which file it is.");
    }
    void problem_isToldAndPlayGoesOn()
    {
        QFETCH(Edit, damage);
        QFETCH(Edit, repair);
        QFETCH(int, icon);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString folder = dir.path();
        QVERIFY(writeCardSet(folder, QStringLiteral("apple ball cat").split(QLatin1Char(' '))) && damage(folder));

        TestServices services(folder);
        services.services.randomFraction = [] { return 0.0; }; // the first card still to come
        ProgramWindows forms(services.services);
        frmCard &card = forms.card();
        forms.main().cmdStartFlash_Click();
        QVERIFY(card.isShown());
        card.cmdnextcard_Click();
        const QList<ShownMessage> &messages = services.messages->messages;
        QCOMPARE(messages.isEmpty(), icon == QMessageBox::NoIcon);
        auto *note = card.window()->findChild<QLabel *>(QStringLiteral("note"));
        if (icon == QMessageBox::NoIcon) {
            QCOMPARE(note->toolTip(), text);
            QVERIFY(!card.window()->findChild<QLabel *>(QStringLiteral("imgcardpic"))->pixmap().isNull());
        }
        for (const ShownMessage &message : messages) {
            QCOMPARE(message.title, QStringLiteral("Pomwit"));
            QCOMPARE(int(message.icon), icon);
            QCOMPARE(message.text, text.arg(folder));
        }

        QVERIFY(repair(folder));
        const qsizetype shown = messages.size();
        card.cmdnextcard_Click();
        QCOMPARE(messages.size(), shown);
        QCOMPARE(card.window()->findChild<QLabel *>(QStringLiteral("panel1"))->text(), QStringLiteral("0/3"));
        QVERIFY(note->toolTip().isEmpty());
        forms.main().mnuExit_Click(0);
        for (const FormName name : {FormName::frmMain, FormName::frmCard})
            QCOMPARE(forms.form(name).state(), Form::State::NotLoaded);
    }
};

QTEST_MAIN(HostileCardSetTest)
#include "tst_hostilecardset.moc"
