#include "support/ModalDriver.h"

#include "about/frmInfo.h"
#include "errors/ErrPtnr.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

ModalDriver::ModalDriver(Answer answer) : m_answer(std::move(answer)) {
    // Every showing counts, also when the same dialog comes back at once.
    qApp->installEventFilter(this);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // Whichever modal window is on top counts, also one uncovered when another closed.
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != m_current)
            m_current = modal, m_ticksOpen = 0;
        m_ticksOpen = modal && modal->isVisible() ? m_ticksOpen + 1 : 0;
        if (m_ticksOpen > 600) {
            ++m_unanswered, m_ticksOpen = 0;
            auto* dialog = qobject_cast<QDialog*>(modal);
            dialog ? dialog->reject() : void(modal->close());
        }
    });
    m_timer.start(5);
}

ModalDriver::~ModalDriver() {
    qApp->removeEventFilter(this);
}

bool ModalDriver::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::Show || !w || !w->isWindow() || !w->isModal())
        return false;
    m_current = w, m_ticksOpen = 0;
    // The answer may open further modal windows: it runs from the event loop.
    QTimer::singleShot(0, this, [this, shown = QPointer<QWidget>(w)] {
        if (shown && shown->isVisible())
            m_answer(shown);
    });
    return false;
}

namespace answer {

void continueWith(QWidget* errorDialog, int code) {
    static_cast<ErrPtnr*>(errorDialog)->cmdContinue[code]->click();
}

ModalDriver::Answer all(int code, QStringList* seen, const QString& name) {
    return [=](QWidget* w) {
        QStringList note;
        if (auto* about = qobject_cast<frmInfo*>(w)) {
            return about->ok->click();
        } else if (auto* dialog = qobject_cast<ErrPtnr*>(w)) {
            for (QLabel* value : dialog->lblError)
                note.append(value->text());
            code < 0 ? void(w->close()) : continueWith(w, code);
        } else if (auto* input = qobject_cast<QInputDialog*>(w)) {
            note = QStringList{u"prompt:"_s + input->windowTitle(), input->labelText()};
            input->setTextValue(name);
            name == QLatin1String("<cancel>") ? input->reject() : input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
            note = QStringList{u"box:"_s + box->windowTitle(), box->text()};
            box->buttons().value(0)->click();
        }
        if (seen && !note.isEmpty())
            seen->append(note.join(u'|'));
    };
}

} // namespace answer
