// The main window's size, position and state across runs, and full screen on F11.

#include "errors/RuntimeError.h"
#include "render/BoardGeometry.h"
#include "shell/UserStore.h"
#include "shell/WindowPlacement.h"
#include "shell/frmMirvel.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace {

const QString Section = QStringLiteral("Window");
const QString Key = QStringLiteral("Placement");

} // namespace

void frmMirvel::resizeClient(QSize size) {
    resize(size + QSize(0, menuBar()->sizeHint().height()));
}

void frmMirvel::restorePlacement() {
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.append(screen->availableGeometry());
    m_storedPlacement = GetSetting(QStringLiteral("Mirvel"), Section, Key, QString());
    const Placement p = openingPlacement(parsePlacement(m_storedPlacement), screens, menuBar()->sizeHint().height());
    setGeometry(p.geometry);
    if (p.state == Placement::Maximised)
        setWindowState(Qt::WindowMaximized);
    else if (p.state == Placement::FullScreen)
        setWindowState(Qt::WindowFullScreen);
    // From here on, what the player makes of the window is kept: once it has rested for a
    // second, not at every step of a drag.
    m_placementTimer = new QTimer(this);
    m_placementTimer->setSingleShot(true);
    m_placementTimer->setInterval(1000);
    connect(m_placementTimer, &QTimer::timeout, this, &frmMirvel::savePlacement);
}

void frmMirvel::notePlacementChange() {
    if (m_placementTimer && isVisible() && !isMinimized() && currentPlacement() != m_storedPlacement)
        m_placementTimer->start();
}

QString frmMirvel::currentPlacement() const {
    Placement p{normalGeometry()};
    if (isFullScreen())
        p.state = Placement::FullScreen;
    else if (isMaximized())
        p.state = Placement::Maximised;
    return placementText(p);
}

void frmMirvel::savePlacement() {
    if (!m_placementTimer)
        return;
    m_placementTimer->stop();
    const QString text = currentPlacement();
    if (text == m_storedPlacement || !normalGeometry().isValid())
        return;
    try {
        SaveSetting(QStringLiteral("Mirvel"), Section, Key, text);
        m_storedPlacement = text;
    } catch (const RuntimeError&) {
        // The window's place is a comfort, not an option of the game: a store that cannot be
        // written now keeps the last one, and the next change tries again.
    }
}

void frmMirvel::savePendingPlacement() {
    if (m_placementTimer && m_placementTimer->isActive())
        savePlacement();
}

void frmMirvel::toggleFullScreen() {
    if (isFullScreen())
        leaveFullScreen();
    else {
        m_maximisedBeforeFullScreen = isMaximized();
        showFullScreen();
    }
}

void frmMirvel::leaveFullScreen() {
    if (!isFullScreen())
        return;
    if (m_maximisedBeforeFullScreen)
        showMaximized();
    else
        showNormal();
}
