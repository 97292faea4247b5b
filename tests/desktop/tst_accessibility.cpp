// Keyboards and captions, in process: every control that takes the focus has
// a name (its caption for buttons), no caption is cut off, and Tab follows the
// designed order. What a screen reader reads is tested over the bus
// (screenreader.py).

#include "app/programwindows.h"
#include "formkit/form.h"
#include "i18n/programtranslations.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

struct Program
{
    QTemporaryDir dir;
    TestServices services{dir.path()};
    std::unique_ptr<ProgramWindows> forms;
    Program()
    {
        QAccessible::setActive(true);
        writeCardSet(dir.path(), {QStringLiteral("apple"), QStringLiteral("ball")});
        forms = std::make_unique<ProgramWindows>(services.services);
    }
};

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    // In every language the program speaks: a translation that does not fit
    // its designed control is abbreviated, never the control moved.
    void controls_areNamedUncutAndTabbedInOrder_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<FormName>("window");
        QTest::addColumn<QStringList>("tabOrder");
        for (const char *language : {"en", "de", "fr", "es"}) {
            const auto row = [language](const char *name) -> QTestData & {
                return QTest::addRow("%s %s", language, name) << QString::fromLatin1(language);
            };
            row("main") << FormName::frmMain << QStringList{QStringLiteral("cmdStartFlash")};
            row("card") << FormName::frmCard
                        << QStringList{QStringLiteral("txtanswerbox"), QStringLiteral("cmdExit"),
                                       QStringLiteral("cmdshowword"), QStringLiteral("cmdnextcard")};
            row("options") << FormName::frmOptions
                           << QStringList{QStringLiteral("cmdImportCards"), QStringLiteral("cmbvoice"),
                                          QStringLiteral("cmblanguage"), QStringLiteral("cmdclose")};
            row("about: the link after OK") << FormName::frmAbout
                                            << QStringList{QStringLiteral("cmdOK"), QStringLiteral("lbhyperlink")};
            row("import: Close first") << FormName::frmImportCards
                                       << QStringList{QStringLiteral("cmdclose"), QStringLiteral("cmdaddpictures"),
                                                      QStringLiteral("tblnew"), QStringLiteral("lstcards")};
        }
    }
    void controls_areNamedUncutAndTabbedInOrder()
    {
        QFETCH(QString, language);
        QFETCH(FormName, window);
        QFETCH(QStringList, tabOrder);
        QCOMPARE(ProgramTranslations::install({language}), language == QLatin1String("en") ? QString() : language);
        Program p;
        p.forms->form(window).Show();
        QWidget *top = p.forms->form(window).window();
        QVERIFY(QTest::qWaitForWindowActive(top));
        for (QAbstractButton *button : top->findChildren<QAbstractButton *>()) {
            if (!(button->focusPolicy() & Qt::TabFocus) || !button->isVisibleTo(top))
                continue;
            const QString caption = button->text().remove(QLatin1Char('&'));
            QCOMPARE(accessibleName(button), caption);
            QVERIFY2(QFontMetrics(button->font()).horizontalAdvance(caption) + 6 <= button->width(),
                     qPrintable(button->objectName()));
        }
        for (QLabel *label : top->findChildren<QLabel *>()) {
            if (label->text().isEmpty() || !label->isVisibleTo(top) || !label->pixmap().isNull())
                continue;
            const QRect needed = QFontMetrics(label->font()).boundingRect(
                QRect(0, 0, label->width(), 10000), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                label->text());
            QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                     qPrintable(label->objectName()));
        }
        QStringList visited;
        for (int i = 0; i < tabOrder.size(); ++i) {
            QWidget *focus = QApplication::focusWidget();
            while (focus && focus->objectName().isEmpty()) // a combo box takes the focus through its line edit
                focus = focus->parentWidget();
            QVERIFY(focus);
            visited << focus->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, tabOrder);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
