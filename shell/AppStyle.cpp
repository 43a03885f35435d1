#include "shell/AppStyle.h"

#include "render/Pictures.h"

#include <QGuiApplication>
#include <QStyleOption>
#include <QWidget>
#include <array>

QIcon AppStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const {
    const bool rightToLeft = (option   ? option->direction
                              : widget ? widget->layoutDirection()
                                       : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
    QString files;
    std::array<int, 3> sides{};
    if (which == SP_ToolBarHorizontalExtensionButton) {
        files = rightToLeft ? QStringLiteral("toolbar-ext-h-rtl-%1.png") : QStringLiteral("toolbar-ext-h-%1.png");
        sides = {8, 16, 32};
    } else if (which == SP_ToolBarVerticalExtensionButton) {
        files = QStringLiteral("toolbar-ext-v-%1.png");
        sides = {5, 10, 20};
    } else {
        return QProxyStyle::standardIcon(which, option, widget);
    }
    QIcon icon;
    for (int side : sides)
        icon.addPixmap(loadPicture(QStringLiteral(":/qt-project.org/styles/commonstyle/images/") + files.arg(side)));
    return icon;
}
