#include "qt/QtButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quiz {

QtButton::QtButton(QWidget* parent) : QPushButton(parent) { setFocusPolicy(Qt::NoFocus); }

void QtButton::setPictures(QPixmap normal, QPixmap down) {
    normal_ = std::move(normal);
    down_ = std::move(down);
    update();
}

void QtButton::setPictureSide(int side) {
    side_ = side;
    update();
}

void QtButton::setPressedLook(bool on) {
    if (pressed_ == on) return;
    pressed_ = on;
    update();
}

void QtButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    opt.icon = QIcon();
    opt.state &= ~QStyle::State_HasFocus;
    if (pressed_ && isEnabled()) {
        opt.state |= QStyle::State_Sunken;
        opt.state &= ~QStyle::State_Raised;
    }
    p.drawControl(QStyle::CE_PushButtonBevel, opt);

    QRect area = rect().adjusted(3, 3, -3, -3);
    if (opt.state & QStyle::State_Sunken) area.translate(1, 1);
    const QPixmap& shown = (pressed_ && !down_.isNull()) ? down_ : normal_;
    const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
    const QString caption = text();
    const int textHeight =
        caption.isEmpty() ? 0 : fontMetrics().boundingRect(area, flags | Qt::AlignTop, caption).height();
    // The caption keeps its room; a picture that does not fit above it shrinks.
    const int side = shown.isNull() ? 0 : std::max(0, std::min(side_, area.height() - textHeight));
    const int pictureHeight = side;
    int y = area.top() + std::max(0, (area.height() - pictureHeight - textHeight) / 2);
    if (side > 0) {
        const QRect target(area.left() + (area.width() - side) / 2, y, side, side);
        QPixmap drawn = shown;
        if (!isEnabled()) {
            QStyleOption iconOpt;
            iconOpt.initFrom(this);
            drawn = style()->generatedIconPixmap(QIcon::Disabled, shown, &iconOpt);
        }
        p.drawPixmap(target, drawn);
        y += pictureHeight;
    }
    if (!caption.isEmpty()) {
        const QRect textRect(area.left(), y, area.width(), area.bottom() - y + 1);
        p.drawItemText(textRect, flags | Qt::AlignTop, palette(), isEnabled(), caption, QPalette::ButtonText);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        focus.backgroundColor = palette().color(QPalette::Button);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace quiz
