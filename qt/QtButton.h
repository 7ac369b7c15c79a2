#pragma once
#include <QPixmap>
#include <QPushButton>

namespace quiz {

// A command button. A graphical one shows its BackColor and its picture
// centred above the caption, which wraps; a standard one the usual face.
// While the mouse is held down on it, it looks pressed and shows its second
// picture when it has one. The focus the window model gives it is drawn as a
// dotted frame. It never acts by itself: the window model decides clicks.
class QtButton : public QPushButton {
public:
    explicit QtButton(QWidget* parent);
    void setPictures(QPixmap normal, QPixmap down);
    void setPictureSide(int side);
    void setPressedLook(bool on);
    bool pressedLook() const { return pressed_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap normal_, down_;
    int side_ = 32;
    bool pressed_ = false;
};

}  // namespace quiz
