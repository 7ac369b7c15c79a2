#pragma once
#include <QLineEdit>

namespace quiz {

// A single-line text box. Read-only for Qt: the window model does all the
// typing and only its Text is shown. Shows the model's focus as a dotted
// frame, as the box draws no caret while it is read-only.
class QtLineBox : public QLineEdit {
public:
    explicit QtLineBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quiz
