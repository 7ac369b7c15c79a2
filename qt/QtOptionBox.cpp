#include "qt/QtOptionBox.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace quiz {

QtOptionBox::QtOptionBox(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::NoFocus);
    setEditable(false);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void QtOptionBox::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    p.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    p.drawComplexControl(QStyle::CC_ComboBox, opt);
    // A list style draws its field in the button colour; the focused field
    // keeps the style's highlight.
    if (isEnabled() && !hasFocus()) {
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
        p.fillRect(field, palette().brush(QPalette::Base));
    }
    p.drawControl(QStyle::CE_ComboBoxLabel, opt);
}

}  // namespace quiz
