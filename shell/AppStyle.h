#pragma once
// The style Qt picks for the desktop, but for the arrow of a menu bar too narrow for its menus:
// Qt's own style reads that icon's files by their suffix, which makes it load every image plugin
// installed (4 ms, before the first window could show). Here they are read as the PNGs they are.

#include <QProxyStyle>

class AppStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override;
};
