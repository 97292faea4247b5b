#pragma once

#include <QImage>
#include <QWidget>

// A card as the child will see it: its bitmap, fitted on white into the
// preview without stretching, whatever size the window gives it.
class CardPreview : public QWidget
{
    Q_OBJECT

public:
    explicit CardPreview(QWidget *parent = nullptr);

    void showCard(const QImage &bitmap);
    QImage card() const { return m_card; }
    QSize sizeHint() const override { return {273, 217}; }
    QSize minimumSizeHint() const override { return {137, 109}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_card;
};
