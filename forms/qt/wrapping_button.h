#pragma once

#include <QPushButton>

namespace crucirco {

// A push button whose caption wraps onto a second line when it is wider than
// the button, as the layouts' narrow buttons ("Jugar de nuevo") expect.
// Enter presses it when it has the focus, as Space does, in any window.
class WrappingButton final : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // Where the caption is written: inside the bevel; a caption wider than
    // this wraps.
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace crucirco
