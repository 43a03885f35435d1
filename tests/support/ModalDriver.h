#pragma once
// Answers the modal windows that appear while a test runs: each new one is handed to the
// answer function, which must close it. A window left open for three seconds is closed by the
// driver and counted as unanswered, so that a failing test cannot hang.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

class ModalDriver : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;
    explicit ModalDriver(Answer answer);
    ~ModalDriver() override;
    int unanswered() const { return m_unanswered; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Answer m_answer;
    QTimer m_timer;
    QPointer<QWidget> m_current;
    int m_ticksOpen = 0, m_unanswered = 0;
};

// Answers for the program's own modal windows.
namespace answer {
void continueWith(QWidget* errorDialog, int code); // presses cmdContinue(code)
// Answers every window: about boxes with OK, the error dialog with continuation `code` (below 0:
// its close button), the
// name prompt with `name` ("<cancel>" cancels it), message boxes with their first button.
// Notes each in `seen`: "number (description)|module|procedure|line" for a report,
// "prompt:title|label" and "box:title|text" for the others.
ModalDriver::Answer all(int code = 2, QStringList* seen = nullptr, const QString& name = {});
} // namespace answer
