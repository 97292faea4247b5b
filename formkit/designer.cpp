#include "formkit/designer.h"

#include "formkit/twips.h"

#include <QAccessibleWidget>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>

namespace designer {

namespace {

// The inside of a window, which asks for its designed size.
class Client : public QWidget
{
public:
    Client(QWidget *parent, QSize designSize) : QWidget(parent), m_designSize(designSize) {}
    QSize sizeHint() const override { return m_designSize; }
    QSize minimumSizeHint() const override { return QSize(1, 1); }

private:
    QSize m_designSize;
};

class Line : public QWidget
{
public:
    Line(QWidget *parent, QColor colour) : QWidget(parent), m_colour(colour)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), m_colour.isValid() ? m_colour : palette().color(QPalette::WindowText));
    }

private:
    QColor m_colour;
};

// A designed window: a screen reader announces it as a frame, or a dialog,
// with its caption, as it would a main window or a dialog box.
class DesignedWindow : public QWidget
{
    Q_OBJECT

public:
    DesignedWindow(Qt::WindowFlags flags, QAccessible::Role role) : QWidget(nullptr, flags), m_role(role) {}
    QAccessible::Role role() const { return m_role; }

private:
    QAccessible::Role m_role;
};

QAccessibleInterface *designedWindowAccessible(const QString &, QObject *object)
{
    if (auto *window = qobject_cast<DesignedWindow *>(object))
        return new QAccessibleWidget(window, window->role());
    return nullptr;
}

} // namespace

FormWindow makeWindow(const QString &caption, int clientWidth, int clientHeight, bool withMenuBar,
                      Frame frame)
{
    FormWindow form;
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame == Frame::FixedDialog)
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    static const bool accessible = [] {
        QAccessible::installFactory(designedWindowAccessible);
        return true;
    }();
    Q_UNUSED(accessible);
    form.window = new DesignedWindow(flags, frame == Frame::FixedDialog ? QAccessible::Dialog : QAccessible::Window);
    form.window->setWindowTitle(caption);
    form.window->setFont(defaultFont());

    auto *layout = new QVBoxLayout(form.window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (withMenuBar) {
        form.menuBar = new QMenuBar(form.window);
        form.menuBar->setNativeMenuBar(false);
        layout->setMenuBar(form.menuBar);
    }
    const QSize clientSize = twipsSize(clientWidth, clientHeight);
    form.client = new Client(form.window, clientSize);
    form.client->setObjectName(QStringLiteral("client"));
    layout->addWidget(form.client, 1);
    if (frame == Frame::FixedDialog)
        layout->setSizeConstraint(QLayout::SetFixedSize);
    // Not adjustSize(): it caps windows at two thirds of the screen, which a
    // scaled-up desktop reaches.
    form.window->resize(form.window->sizeHint());
    return form;
}

void place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twipsRect(left, top, width, height));
}

QFont font(const QString &family, qreal pointSize, bool bold)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

QFont defaultFont()
{
    return font(QStringLiteral("MS Sans Serif"), 8.25);
}

QWidget *line(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2, const QColor &colour,
              int widthPixels)
{
    auto *rule = new Line(parent, colour);
    rule->setObjectName(name);
    const QPoint from(px(x1), px(y1));
    const QPoint to(px(x2), px(y2));
    if (from.y() == to.y())
        rule->setGeometry(qMin(from.x(), to.x()), from.y(), qAbs(to.x() - from.x()) + 1, widthPixels);
    else
        rule->setGeometry(from.x(), qMin(from.y(), to.y()), widthPixels, qAbs(to.y() - from.y()) + 1);
    return rule;
}

QColor bgr(quint32 value)
{
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

void installFontSubstitutions()
{
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                                   {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
        // Liberation Sans keeps the narrow metrics that the designed captions fit in.
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace designer

#include "designer.moc"
