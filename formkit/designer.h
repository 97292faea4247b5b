#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QMenuBar;
class QWidget;

// Builds windows the way they are designed: controls at fixed places in
// twips, fonts by their design names, thin rules drawn as lines.
namespace designer {

struct FormWindow
{
    QWidget *window = nullptr;
    QMenuBar *menuBar = nullptr; // null for windows without a menu
    QWidget *client = nullptr;   // the inside, where the controls lie
};

enum class Frame { Sizable, FixedDialog };

// A top-level window with no minimize or maximize button whose inside
// (below the menu bar, if any) is clientWidth x clientHeight twips.
FormWindow makeWindow(const QString &caption, int clientWidth, int clientHeight, bool withMenuBar,
                      Frame frame = Frame::Sizable);

void place(QWidget *control, int left, int top, int width, int height);

// "MS Sans Serif" and "Comic Sans MS" map to installed look-alikes.
QFont font(const QString &family, qreal pointSize, bool bold = false);
QFont defaultFont();

// A line from (x1, y1) to (x2, y2) in twips; horizontal or vertical.
QWidget *line(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2,
              const QColor &colour = QColor(), int widthPixels = 1);

// Maps the fonts of the window designs to installed look-alikes, once.
void installFontSubstitutions();

// Colours are written 0xBBGGRR in the designs.
QColor bgr(quint32 value);

} // namespace designer
