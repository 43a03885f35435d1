#include "shell/WindowPlacement.h"

#include "render/BoardGeometry.h"

#include <QStringList>
#include <array>

namespace {

constexpr std::array<const char*, 3> StateNames = {"normal", "maximised", "fullscreen"};

// `share` of the largest client of the design's proportions the screen holds, leaving room
// for the menu bar.
QSize designClientFor(const QRect& screen, double share, int menuBarHeight) {
    const QSizeF client = fittedArea(QSizeF(screen.size()) * share).size();
    const QSizeF room = fittedArea(QSizeF(screen.width(), screen.height() - menuBarHeight)).size();
    return client.boundedTo(room).toSize().expandedTo(LeastClient);
}

QRect centredOn(const QRect& screen, QSize size) {
    QRect r(QPoint(0, 0), size);
    r.moveCenter(screen.center());
    return r;
}

// On a screen: the top edge, where the menu bar and the title bar are, can be reached.
bool reachable(const QRect& geometry, const QRect& screen) {
    const QRect top = QRect(geometry.left(), geometry.top(), geometry.width(), 20).intersected(screen);
    return top.width() >= qMin(100, geometry.width()) && !top.isEmpty();
}

} // namespace

QString placementText(const Placement& placement) {
    const QRect& g = placement.geometry;
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(g.left())
        .arg(g.top())
        .arg(g.width())
        .arg(g.height())
        .arg(QLatin1String(StateNames[placement.state]));
}

std::optional<Placement> parsePlacement(const QString& text) {
    const QStringList fields = text.split(u' ', Qt::SkipEmptyParts);
    if (fields.size() != 5)
        return std::nullopt;
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = fields[i].toInt(&ok);
        if (!ok || (i >= 2 && (numbers[i] <= 0 || numbers[i] > 100000)) || qAbs(numbers[i]) > 100000)
            return std::nullopt;
    }
    for (std::size_t s = 0; s < StateNames.size(); ++s)
        if (fields[4] == QLatin1String(StateNames[s]))
            return Placement{QRect(numbers[0], numbers[1], numbers[2], numbers[3]), Placement::State(s)};
    return std::nullopt;
}

Placement openingPlacement(const std::optional<Placement>& stored, const QList<QRect>& screens, int menuBarHeight) {
    const QRect primary = screens.value(0, QRect(0, 0, 1024, 768));
    const QSize least = LeastClient + QSize(0, menuBarHeight);
    if (!stored)
        return {centredOn(primary, designClientFor(primary, 0.75, menuBarHeight) + QSize(0, menuBarHeight))};
    Placement p = *stored;
    const QRect* home = nullptr;
    for (const QRect& screen : screens)
        if (!home && reachable(p.geometry, screen))
            home = &screen;
    const QRect screen = home ? *home : primary;
    p.geometry.setSize(p.geometry.size().boundedTo(screen.size()).expandedTo(least));
    if (!home)
        p.geometry = centredOn(primary, p.geometry.size());
    return p;
}
