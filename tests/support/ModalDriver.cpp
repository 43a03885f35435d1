#include "support/ModalDriver.h"

#include "about/frmInfo.h"
#include "errors/ErrPtnr.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
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

ModalDriver::Answer all(int code, QStringList* seen, const QString& name) {
    return [=](QWidget* w) {
        QString note;
        if (w->objectName() == QLatin1String("frmInfo")) {
            okAboutBox(w);
            return;
        } else if (auto* dialog = qobject_cast<ErrPtnr*>(w)) {
            for (QLabel* value : dialog->lblError)
                note += (note.isEmpty() ? QString() : QStringLiteral("|")) + value->text();
            continueWith(w, code);
        } else if (auto* input = qobject_cast<QInputDialog*>(w)) {
            note = QStringLiteral("prompt:") + input->windowTitle() + u'|' + input->labelText();
            input->setTextValue(name);
            name == QLatin1String("<cancel>") ? input->reject() : input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
            note = QStringLiteral("box:") + box->windowTitle() + u'|' + box->text();
            box->buttons().value(0)->click();
        }
        if (seen && !note.isEmpty())
            seen->append(note);
    };
}

ModalDriver::Answer aboutBoxesOnly() {
    return [](QWidget* w) {
        if (w->objectName() == QLatin1String("frmInfo"))
            okAboutBox(w);
    };
}

} // namespace answer
