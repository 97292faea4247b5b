#include "windows/cardpreview.h"

#include <QPainter>

CardPreview::CardPreview(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void CardPreview::showCard(const QImage &bitmap)
{
    m_card = bitmap;
    update();
}

void CardPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_card.isNull())
        return;
    const QSize fitted = m_card.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_card);
}
