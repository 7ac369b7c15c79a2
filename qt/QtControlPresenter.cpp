#include "qt/QtControlPresenter.h"

#include <QComboBox>
#include <QLabel>

#include "qt/QtButton.h"
#include "qt/QtFonts.h"
#include "qt/QtLabel.h"
#include "qt/QtLineBox.h"
#include "qt/QtMemoBox.h"
#include "qt/QtOptionBox.h"
#include "qt/QtPictureLoader.h"

namespace quiz {
namespace {

QColor colour(const Rgb& c) { return QColor(c.r, c.g, c.b); }

// "&" would make Qt underline the next letter and register a shortcut.
QString caption(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

QtControlPresenter::QtControlPresenter(const Control& control, QWidget* parent, const QtScale& scale,
                                       const QtPictureLoader& pictures)
    : control_(control), scale_(scale), pictures_(pictures) {
    create(parent);
    applyAll();
}

QPixmap QtControlPresenter::picture(const std::string& name, const QtPictureLoader& pictures) {
    if (name.empty()) return {};
    const QImage loaded = pictures.image(name);
    return QPixmap::fromImage(loaded.isNull() ? pictures.builtIn(name) : loaded);
}

void QtControlPresenter::create(QWidget* parent) {
    const Appearance& look = control_.look();
    const ControlDesign& design = control_.design();
    switch (control_.kind()) {
        case ControlKind::Button: {
            widget_ = button_ = new QtButton(parent);
            if (look.graphical) {
                QPalette pal = button_->palette();
                if (design.backColor) pal.setColor(QPalette::Button, colour(*design.backColor));
                button_->setPalette(pal);
            }
            if (!look.icon.empty())
                button_->setPictures(picture(look.icon + ".png", pictures_), picture(look.icon + "2.png", pictures_));
            break;
        }
        case ControlKind::TextBox:
            if (design.multiLine)
                widget_ = memo_ = new QtMemoBox(parent);
            else
                widget_ = line_ = new QtLineBox(parent);
            break;
        case ControlKind::ComboBox:
            widget_ = combo_ = new QtOptionBox(parent);
            for (const auto& item : design.items) combo_->addItem(QString::fromStdString(item));
            combo_->setMaxVisibleItems(static_cast<int>(design.items.size()));
            break;
        case ControlKind::Label: {
            auto* label = new QtLabel(parent);
            label->setWeight(look.font.weight);
            widget_ = label_ = label;
            if (look.foreColor) {
                QPalette pal = label_->palette();
                pal.setColor(QPalette::WindowText, colour(*look.foreColor));
                label_->setPalette(pal);
            }
            break;
        }
        case ControlKind::Image:
            widget_ = label_ = new QLabel(parent);
            label_->setScaledContents(true);
            label_->setAttribute(Qt::WA_TranslucentBackground);
            break;
    }
    widget_->setObjectName(QString::fromStdString(control_.name()));
    widget_->setFocusPolicy(Qt::NoFocus);
    applyScale();
    if (!look.accessibleName.empty()) widget_->setAccessibleName(QString::fromStdString(look.accessibleName));
}

void QtControlPresenter::applyScale() {
    const Appearance& look = control_.look();
    widget_->setGeometry(scale_.rect(look.rect));
    if (control_.kind() != ControlKind::Image) widget_->setFont(QtFonts::font(look.font, scale_.fontFactor()));
    // The icons are 32 x 32 pixels at 96 DPI and grow with the window.
    if (button_) button_->setPictureSide(scale_.px(32 * 15));
}

void QtControlPresenter::applyAll() {
    for (Property p : {Property::Text, Property::Enabled, Property::Visible, Property::BackColor, Property::Picture})
        apply(p);
}

void QtControlPresenter::apply(Property what) {
    switch (what) {
        case Property::Text: applyText(); break;
        case Property::Enabled: widget_->setEnabled(control_.enabled()); break;
        case Property::Visible: widget_->setVisible(control_.visible()); break;
        case Property::BackColor: applyBackColor(); break;
        case Property::Picture: applyPicture(); break;
    }
}

void QtControlPresenter::applyText() {
    const QString text = QString::fromStdString(control_.text());
    if (button_) {
        button_->setText(caption(control_.text()));
    } else if (line_) {
        if (line_->text() != text) {
            line_->setText(text);
            line_->setCursorPosition(0);
        }
    } else if (memo_) {
        memo_->setShownText(text);
    } else if (combo_) {
        combo_->setCurrentIndex(combo_->findText(text, Qt::MatchExactly));
    } else if (label_ && control_.kind() == ControlKind::Label) {
        label_->setText(text);
    }
}

void QtControlPresenter::applyBackColor() {
    if (!control_.backColor() || (!line_ && !memo_ && !combo_)) return;
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::Base, colour(*control_.backColor()));
    pal.setColor(QPalette::Text, Qt::black);
    widget_->setPalette(pal);
}

void QtControlPresenter::applyPicture() {
    if (control_.kind() != ControlKind::Image) return;
    label_->setPixmap(picture(control_.picture(), pictures_));
}

}  // namespace quiz
