#pragma once

#include <QPushButton>

namespace crucirco {

// A push button whose caption wraps onto a second line when it is wider than
// the button, as the layouts' narrow buttons ("Jugar de nuevo") expect.
class WrappingButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace crucirco
