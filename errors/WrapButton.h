#pragma once
// A push button whose caption wraps onto a second line when it is wider than the button, as
// the error dialog's narrow two-language buttons need. The caption text itself stays unchanged.

#include <QPushButton>

class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
