#include "windows/frmabout.h"

#include "formkit/appinfo.h"
#include "formkit/designer.h"
#include "formkit/formregistry.h"
#include "formkit/services.h"
#include "formkit/twips.h"

#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cmath>

using designer::place;

namespace {

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent, bool black)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    if (black) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, designer::bgr(0x000000));
        label->setPalette(palette);
    }
    return label;
}

QLabel *makePictureBox(const QString &name, const QPixmap &picture, QWidget *parent)
{
    auto *box = new QLabel(parent);
    box->setObjectName(name);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(2);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setPixmap(picture);
    return box;
}

QString description()
{
    return QObject::tr(
        "Pomwit is a way for toddlers to learn words and the names of objects. "
        "In the future, it will include categorized bundles of image/word listings. "
        "It was also a way to try out speech, here from the open espeak-ng engine "
        "(more at github.com/espeak-ng). The idea for speech came from work with "
        "users with disabilities and with screen readers for the blind.");
}

} // namespace

frmAbout::frmAbout(FormRegistry &registry)
    : Form(registry, QStringLiteral("frmAbout"))
{
}

QWidget *frmAbout::createControls()
{
    const auto form = designer::makeWindow(tr("About . . app name"), 7140, 4200, false,
                                           designer::Frame::FixedDialog);
    // A dialog without a parent is made transient for the program's other
    // windows, which keeps it out of the taskbar.
    QWidget *window = form.window;
    QWidget *client = form.client;

    cmdOK = new QPushButton(tr("OK"), client);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    place(cmdOK, 5640, 3480, 1260, 345);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // Default and cancel button at once: Enter and Esc both press OK.
    for (const auto key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        auto *shortcut = new QShortcut(QKeySequence(key), window);
        connect(shortcut, &QShortcut::activated, cmdOK, &QPushButton::click);
    }

    QLabel *picIcon = makePictureBox(QStringLiteral("picIcon"), appinfo::applicationIcon().pixmap(32, 32), client);
    place(picIcon, 120, 120, 540, 540);
    // The box sizes itself to its picture.
    picIcon->resize(picIcon->pixmap().deviceIndependentSize().toSize()
                    + QSize(2 * picIcon->frameWidth(), 2 * picIcon->frameWidth()));

    QLabel *lblDescription = makeLabel(QStringLiteral("lblDescription"), description(), client, true);
    place(lblDescription, 960, 600, 3405, 2010);

    QLabel *lblDisclaimer = makeLabel(QStringLiteral("lblDisclaimer"), tr(disclaimer), client, true);
    place(lblDisclaimer, 240, 3360, 4230, 825);

    lblTitle = makeLabel(QStringLiteral("lblTitle"), tr("App Name"), client, true);
    lblTitle->setFont(designer::font(QStringLiteral("MS Sans Serif"), 8.25, true));
    place(lblTitle, 960, 240, 3405, 360);

    lblVersion = makeLabel(QStringLiteral("lblVersion"), tr("Version"), client, false);
    place(lblVersion, 960, 2640, 3375, 375);

    QLabel *Picture1 = makePictureBox(QStringLiteral("Picture1"), QPixmap(QStringLiteral(":/about/about.bmp")), client);
    Picture1->setAccessibleName(tr("Cards"));
    place(Picture1, 4560, 480, 2265, 2550);

    // The link box has no border and the window's colour: only the link shows.
    picHyperlink = new QWidget(client);
    picHyperlink->setObjectName(QStringLiteral("picHyperlink"));
    place(picHyperlink, 4560, 120, 2775, 495);

    lbhyperlink = new QLabel(appinfo::homepage(), picHyperlink);
    lbhyperlink->setObjectName(QStringLiteral("lbhyperlink"));
    lbhyperlink->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbhyperlink->setCursor(Qt::PointingHandCursor);
    // Moves without a button held must arrive too: they start the highlight.
    lbhyperlink->setMouseTracking(true);
    lbhyperlink->installEventFilter(this);
    // Reachable from the keyboard too: a tab stop after OK; Enter or Space opens it.
    lbhyperlink->setFocusPolicy(Qt::TabFocus);
    place(lbhyperlink, 120, 0, 2775, 255);

    // Drawn in this order, the grey rule lies on the white one: an etched line.
    designer::line(client, QStringLiteral("Line1_0"), 180, 3240, 6927, 3240, designer::bgr(0xFFFFFF), 2);
    designer::line(client, QStringLiteral("Line1_1"), 180, 3240, 6927, 3240, designer::bgr(0x808080), 1);

    Timer1 = new QTimer(window);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(0);
    connect(Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);

    cmdOK->setFocus();
    return window;
}

void frmAbout::releaseControls()
{
    Timer1->stop();
    cmdOK = nullptr;
    lblTitle = nullptr;
    lblVersion = nullptr;
    picHyperlink = nullptr;
    lbhyperlink = nullptr;
    Timer1 = nullptr;
    m_pressedOnLink = false;
}

void frmAbout::Form_Load()
{
    window()->setWindowTitle(tr("About ") + appinfo::title());
    lblVersion->setText(QStringLiteral("%1 %2.%3.%4")
                            .arg(tr("Version"))
                            .arg(appinfo::majorVersion())
                            .arg(appinfo::minorVersion())
                            .arg(appinfo::revision()));
    lblTitle->setText(appinfo::title());
    lbhyperlink->move(0, 0);
    setLinkColour(idleColour);
    // From here on the box covers exactly the link, which the leave check relies on.
    picHyperlink->resize(lbhyperlink->size());
}

void frmAbout::lbhyperlink_MouseMove()
{
    if (linkColour() != idleColour)
        return;
    setLinkColour(highlightColour);
    setLinkUnderlined(true);
    Timer1->setInterval(leaveCheckInterval);
    Timer1->start();
}

void frmAbout::Timer1_Timer()
{
    if (!picHyperlink)
        return;
    const QPoint screen = registry().services().pointer->globalPosition();
    const QPointF inside = picHyperlink->mapFromGlobal(QPointF(screen));
    // Round half to even, as the twips of the design are whole numbers.
    const double x = std::nearbyint(inside.x() * twipsPerPixel);
    const double y = std::nearbyint(inside.y() * twipsPerPixel);
    const double width = double(picHyperlink->width()) * twipsPerPixel;
    const double height = double(picHyperlink->height()) * twipsPerPixel;
    // Strict: a pointer on the right or bottom edge is still over the link.
    const bool outside = x > width || y > height || x < 0 || y < 0;
    if (!outside)
        return;
    setLinkColour(idleColour);
    setLinkUnderlined(false);
    Timer1->stop();
}

void frmAbout::lbhyperlink_MouseDown()
{
    if (linkColour() != highlightColour)
        return;
    setLinkColour(pressedColour);
    lbhyperlink->repaint();
}

void frmAbout::lbhyperlink_MouseUp()
{
    if (linkColour() != pressedColour)
        return;
    setLinkColour(highlightColour);
    lbhyperlink->repaint();
}

void frmAbout::lbhyperlink_Click()
{
    ShellOpen(QStringLiteral("open"), lbhyperlink->text());
}

void frmAbout::cmdOK_Click()
{
    Unload();
}

void frmAbout::ShellOpen(const QString &operation, const QString &file)
{
    if (operation != QLatin1String("open"))
        return;
    // Only web addresses go to the desktop: a caption naming a file or a
    // program must never be opened from here.
    const QUrl url(file, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return;
    // As with any link, a failure to open it is not worth a message.
    registry().services().urls->open(url);
}

quint32 frmAbout::linkColour() const
{
    const QColor colour = lbhyperlink->palette().color(QPalette::WindowText);
    return quint32(colour.blue()) << 16 | quint32(colour.green()) << 8 | quint32(colour.red());
}

void frmAbout::setLinkColour(quint32 colour)
{
    QPalette palette = lbhyperlink->palette();
    palette.setColor(QPalette::WindowText, designer::bgr(colour));
    lbhyperlink->setPalette(palette);
}

void frmAbout::setLinkUnderlined(bool underlined)
{
    QFont font = lbhyperlink->font();
    font.setUnderline(underlined);
    lbhyperlink->setFont(font);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != lbhyperlink || !lbhyperlink)
        return Form::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        lbhyperlink_MouseMove();
        break;
    case QEvent::MouseButtonPress:
        m_pressedOnLink = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        lbhyperlink_MouseDown();
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // A click is a left press and release, both over the link.
        const bool click = m_pressedOnLink && mouse->button() == Qt::LeftButton
                           && lbhyperlink->rect().contains(mouse->position().toPoint());
        m_pressedOnLink = false;
        lbhyperlink_MouseUp();
        if (click)
            lbhyperlink_Click();
        break;
    }
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        // Enter is the OK button's elsewhere in the window; on the link it opens the link.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
            break;
        event->accept();
        if (event->type() == QEvent::KeyPress)
            lbhyperlink_Click();
        return true;
    }
    default:
        break;
    }
    return Form::eventFilter(watched, event);
}
