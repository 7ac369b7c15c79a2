#pragma once
#include <QComboBox>

namespace quiz {

// An option box of the window: a drop-down list the user cannot type into,
// its field white like a text box while it is enabled. Its own class also so
// that screen readers get QtComboAccessible for it (the file dialog's combo
// boxes keep Qt's own).
class QtOptionBox : public QComboBox {
    Q_OBJECT

public:
    explicit QtOptionBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quiz
