#include "shell/FirstPaint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {

// Watches the application's events until the first paint: a window's widgets are painted and
// flushed in one go, so a zero timer posted then fires once that window is on screen.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(std::function<void()> work) : QObject(qApp), m_work(std::move(work)) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && !m_posted) {
            m_posted = true;
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, std::move(m_work));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_work;
    bool m_posted = false;
};

} // namespace

void afterFirstPaint(std::function<void()> work) {
    new FirstPaintWatch(std::move(work));
}
