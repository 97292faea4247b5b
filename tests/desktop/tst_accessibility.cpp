// Screen readers and keyboards: every control that takes the focus has a
// name, the picture does not give the answer away, the keyboard reaches
// every control in the designed order, and no caption is cut off.

#include "app/forms.h"
#include "app/frmmain.h"
#include "play/cardplay.h"
#include "play/frmcard.h"
#include "testsupport.h"
#include "windows/frmabout.h"
#include "windows/frmimportcards.h"
#include "windows/frmoptions.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString plainCaption(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TestServices> m_services;
    std::unique_ptr<Forms> m_forms;

    Form &form(const QString &name)
    {
        static const QHash<QString, FormName> names{{QStringLiteral("frmMain"), FormName::frmMain},
                                                    {QStringLiteral("frmCard"), FormName::frmCard},
                                                    {QStringLiteral("frmOptions"), FormName::frmOptions},
                                                    {QStringLiteral("frmAbout"), FormName::frmAbout},
                                                    {QStringLiteral("frmImportCards"), FormName::frmImportCards}};
        return m_forms->form(names.value(name));
    }

private slots:
    void init()
    {
        QAccessible::setActive(true);
        writeCardSet(m_dir.path(), {QStringLiteral("apple"), QStringLiteral("ball")});
        m_services = std::make_unique<TestServices>(m_dir.path());
        m_forms = std::make_unique<Forms>(m_services->services);
    }
    void cleanup()
    {
        m_forms.reset();
        m_services.reset();
    }

    void everyFocusableControlHasAName_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"frmMain", "frmCard", "frmOptions", "frmAbout", "frmImportCards"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyFocusableControlHasAName()
    {
        QFETCH(QString, window);
        form(window).Show();
        QWidget *top = form(window).window();
        int checked = 0;
        for (QWidget *control : top->findChildren<QWidget *>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(top))
                continue;
            const QString name = accessibleName(control);
            QVERIFY2(!name.isEmpty(), qPrintable(control->objectName() + QStringLiteral(" has no accessible name")));
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                QCOMPARE(name, plainCaption(button->text()));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    void answerBox_isNamedForWhatTheChildDoes()
    {
        m_forms->card().Show();
        auto *box = m_forms->card().window()->findChild<QLineEdit *>(QStringLiteral("txtanswerbox"));
        QCOMPARE(accessibleName(box), QStringLiteral("Type the first letter"));
    }

    void picture_isNamedAfterTheWordOnlyOnceRevealed_data()
    {
        QTest::addColumn<QString>("reveal");
        QTest::newRow("right key") << QStringLiteral("key");
        QTest::newRow("Show Word") << QStringLiteral("show");
    }
    void picture_isNamedAfterTheWordOnlyOnceRevealed()
    {
        QFETCH(QString, reveal);
        m_forms->card().Show();
        QWidget *card = m_forms->card().window();
        auto *picture = card->findChild<QLabel *>(QStringLiteral("imgcardpic"));
        QVERIFY(!accessibleName(picture).isEmpty());
        QVERIFY(!accessibleName(picture).contains(QStringLiteral("apple")));
        if (reveal == QLatin1String("key"))
            m_forms->card().txtanswerbox_KeyPress(QStringLiteral("a"));
        else
            m_forms->card().cmdshowword_Click();
        QCOMPARE(accessibleName(picture), QStringLiteral("apple"));
        // The next card hides its word again.
        m_services->services.randomFraction = nullptr;
        m_forms->card().cmdnextcard_Click();
        QVERIFY(!accessibleName(picture).contains(m_forms->card().play().scurrword()));
    }

    void tab_visitsTheControlsInTheDesignedOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("card") << QStringLiteral("frmCard")
                              << QStringList{QStringLiteral("txtanswerbox"), QStringLiteral("cmdExit"),
                                             QStringLiteral("cmdshowword"), QStringLiteral("cmdnextcard")};
        QTest::newRow("options") << QStringLiteral("frmOptions")
                                 << QStringList{QStringLiteral("cmdImportCards"), QStringLiteral("cmbvoice"),
                                                QStringLiteral("cmdclose")};
    }
    void tab_visitsTheControlsInTheDesignedOrder()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        form(window).Show();
        QWidget *top = form(window).window();
        QVERIFY(QTest::qWaitForWindowActive(top));
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            // An editable combo box takes the focus through its line edit.
            while (focus && focus->objectName().isEmpty())
                focus = focus->parentWidget();
            visited << focus->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, order);
    }

    void noCaptionIsCutOff_data()
    {
        everyFocusableControlHasAName_data();
    }
    void noCaptionIsCutOff()
    {
        QFETCH(QString, window);
        form(window).Show();
        QWidget *top = form(window).window();
        for (QLabel *label : top->findChildren<QLabel *>()) {
            if (label->text().isEmpty() || !label->isVisibleTo(top) || !label->pixmap().isNull())
                continue;
            const QFontMetrics metrics(label->font());
            const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 10000),
                                                      int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                                                      label->text());
            QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                     qPrintable(QStringLiteral("%1 needs %2 x %3 but has %4 x %5")
                                    .arg(label->objectName()).arg(needed.width()).arg(needed.height())
                                    .arg(label->width()).arg(label->height())));
        }
        for (QAbstractButton *button : top->findChildren<QAbstractButton *>()) {
            if (!button->isVisibleTo(top) || button->text().isEmpty())
                continue;
            const int needed = QFontMetrics(button->font()).horizontalAdvance(plainCaption(button->text())) + 6;
            QVERIFY2(needed <= button->width(),
                     qPrintable(QStringLiteral("%1 needs %2 but has %3").arg(button->objectName()).arg(needed).arg(button->width())));
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
