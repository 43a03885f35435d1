#pragma once
// Where the main window opens, and how it is kept for the next start: its normal geometry
// (position and size, menu bar included, frame excluded) and whether it was maximised or full
// screen, as one text "LEFT TOP WIDTH HEIGHT STATE" in the user's store, section "Window".

#include <QList>
#include <QRect>
#include <QString>
#include <optional>

struct Placement {
    QRect geometry;
    enum State { Normal, Maximised, FullScreen } state = Normal;
};

QString placementText(const Placement& placement);
// nullopt for a text that is not one (a hand edit, an older or newer program's).
std::optional<Placement> parsePlacement(const QString& text);

// The placement to open with on screens whose available areas are `screens` (the first the
// primary), for a window whose menu bar is that high. A stored placement keeps its size, made
// to fit its screen and the least client size; its position only while it is on a screen.
// Without one: a client of the design's proportions, three quarters of the primary screen's
// height, centred on it.
Placement openingPlacement(const std::optional<Placement>& stored, const QList<QRect>& screens, int menuBarHeight);

// The least client area: two thirds of the design's, so two windows fit side by side on a
// screen 1366 pixels wide.
inline constexpr QSize LeastClient{456, 313};
