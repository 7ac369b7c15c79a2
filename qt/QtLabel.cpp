#include "qt/QtLabel.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <algorithm>

namespace quiz {

QtLabel::QtLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TranslucentBackground);
}

void QtLabel::setWeight(int weight) {
    weight_ = weight;
    update();
}

double QtLabel::emboldening() const {
    // The heaviest face the family really has (the font's own report echoes
    // the weight asked for).
    const QFontInfo info(font());
    int drawn = 0;
    for (const QString& style : QFontDatabase::styles(info.family()))
        drawn = std::max(drawn, QFontDatabase::weight(info.family(), style));
    if (drawn <= 0 || weight_ - drawn < 50) return 0.0;
    // A step of 100 in weight is about a twentieth of the em in stem width.
    return QFontInfo(font()).pixelSize() * 0.05 * (weight_ - drawn) / 100.0;
}

void QtLabel::paintEvent(QPaintEvent* event) {
    const double extra = emboldening();
    if (extra <= 0.0) {
        QLabel::paintEvent(event);
        return;
    }
    // The text laid out as QLabel lays it out, each line as outlines.
    QTextLayout layout(text(), font());
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QPainterPath path;
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        const QString part = text().mid(line.textStart(), line.textLength());
        path.addText(QPointF(line.x(), y + line.ascent()), font(), part);
        y += line.height();
    }
    layout.endLayout();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    p.setPen(QPen(ink, extra, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(path);
}

}  // namespace quiz
