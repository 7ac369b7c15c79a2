#pragma once
#include <QPlainTextEdit>

namespace quiz {

// A multi-line text box: the text wraps at word boundaries and shows no
// scroll bars; what does not fit is cut off. Read-only for Qt like QtLineBox,
// and it draws the model's focus as a dotted frame too.
class QtMemoBox : public QPlainTextEdit {
public:
    explicit QtMemoBox(QWidget* parent);
    void setShownText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quiz
