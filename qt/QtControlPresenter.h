#pragma once
#include <QPixmap>
#include <QWidget>

#include "qt/QtScale.h"
#include "window/Control.h"

class QComboBox;
class QLabel;

namespace quiz {

class QtButton;
class QtLineBox;
class QtMemoBox;
class QtPictureLoader;

// One control of the window model as a Qt widget: a QtButton, a QtLineBox
// or QtMemoBox, a QComboBox, or a QLabel for labels and images. It takes the
// control's place, size, font, colours, pictures and accessible name, and
// brings every later change of the model onto the widget. The widget never
// takes the focus or input by itself (the view filters all input away from it).
class QtControlPresenter {
public:
    QtControlPresenter(const Control& control, QWidget* parent, const QtScale& scale, const QtPictureLoader& pictures);
    QtControlPresenter(const QtControlPresenter&) = delete;
    QtControlPresenter& operator=(const QtControlPresenter&) = delete;

    const Control& control() const { return control_; }
    QWidget* widget() const { return widget_; }
    QtButton* button() const { return button_; }
    QComboBox* combo() const { return combo_; }

    void apply(Property what);
    void applyAll();
    // Place, size, font and picture size at the view's current scale.
    void applyScale();

    // A picture of the window's resources (":/pictures/NAME"), or of the
    // picture loader when NAME is a key it returned; a null pixmap if neither.
    static QPixmap picture(const std::string& name, const QtPictureLoader& pictures);

private:
    void create(QWidget* parent);
    void applyText();
    void applyBackColor();
    void applyPicture();

    const Control& control_;
    const QtScale& scale_;
    const QtPictureLoader& pictures_;
    QWidget* widget_ = nullptr;
    QtButton* button_ = nullptr;
    QtLineBox* line_ = nullptr;
    QtMemoBox* memo_ = nullptr;
    QComboBox* combo_ = nullptr;
    QLabel* label_ = nullptr;
};

}  // namespace quiz
