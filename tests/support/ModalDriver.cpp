#include "support/ModalDriver.h"

#include "about/frmInfo.h"
#include "errors/ErrPtnr.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

ModalDriver::ModalDriver(Answer answer) : m_answer(std::move(answer)) {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
    m_timer.start();
}

void ModalDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        m_current = nullptr;
        return;
    }
    if (modal != m_current) {
        m_current = modal;
        m_ticksOpen = 0;
        m_names.append(modal->objectName().isEmpty()
                           ? QString::fromLatin1(modal->metaObject()->className())
                           : modal->objectName());
        // The answer may open further modal windows; it runs outside this poll.
        QTimer::singleShot(0, modal, [this, modal] { m_answer(modal); });
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

void okAboutBox(QWidget* aboutBox) { static_cast<frmInfo*>(aboutBox)->ok->click(); }

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
