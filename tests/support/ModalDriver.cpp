#include "support/ModalDriver.h"

#include "about/frmInfo.h"
#include "errors/ErrPtnr.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

ModalDriver::ModalDriver(Answer answer) : m_answer(std::move(answer)) {
    // Every showing counts, also when the same dialog comes back at once.
    qApp->installEventFilter(this);
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
    m_timer.start();
}

ModalDriver::~ModalDriver() {
    qApp->removeEventFilter(this);
}

bool ModalDriver::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->isWindow() && w->isModal()) {
            m_current = w;
            m_ticksOpen = 0;
            m_names.append(w->objectName().isEmpty()
                               ? QString::fromLatin1(w->metaObject()->className())
                               : w->objectName());
            // The answer may open further modal windows: it runs from the event loop.
            QPointer<QWidget> shown(w);
            QTimer::singleShot(0, this, [this, shown] {
                if (shown && shown->isVisible())
                    m_answer(shown);
            });
        }
    }
    return false;
}

void ModalDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal != m_current) {
        m_ticksOpen = 0;
        return;
    }
    if (++m_ticksOpen > 600) {
        ++m_unanswered;
        m_ticksOpen = 0;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

namespace answer {

void continueWith(QWidget* errorDialog, int code) {
    static_cast<ErrPtnr*>(errorDialog)->cmdContinue[code]->click();
}

void okAboutBox(QWidget* aboutBox) {
    static_cast<frmInfo*>(aboutBox)->ok->click();
}

ModalDriver::Answer errorsWith(int code, QStringList* reports) {
    return [code, reports](QWidget* w) {
        if (w->objectName() == QLatin1String("frmInfo")) {
            okAboutBox(w);
            return;
        }
        if (w->objectName() != QLatin1String("ErrPtnr"))
            return; // left for the driver's watchdog: counted as unanswered
        auto* dialog = static_cast<ErrPtnr*>(w);
        if (reports)
            reports->append(dialog->lblError[0]->text() + u'|' + dialog->lblError[1]->text() +
                            u'|' + dialog->lblError[2]->text() + u'|' +
                            dialog->lblError[3]->text());
        continueWith(w, code);
    };
}

ModalDriver::Answer aboutBoxesOnly() {
    return [](QWidget* w) {
        if (w->objectName() == QLatin1String("frmInfo"))
            okAboutBox(w);
    };
}

} // namespace answer
