#pragma once

#include <QProxyStyle>

// The application's style, with its standard icons read only when first
// drawn. A menu bar asks for its overflow button's icon as it is built, and
// reading that icon loads every image format plugin: a cost at start for an
// icon that the windows' fixed menus never show.
class DeferredIconStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
