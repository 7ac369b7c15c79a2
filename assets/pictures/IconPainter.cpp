#include "assets/pictures/IconPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "assets/pictures/RocketDrawing.h"

namespace quiz::assets {

namespace {

const QColor outline(24, 26, 44);

void fillAndOutline(QPainter& p, const QPainterPath& path, const QBrush& fill, double width = 1.0) {
    p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

}  // namespace

QImage IconPainter::paint(Motif motif, int size) {
    const int canvas = std::max(size, 256);
    QImage image(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(canvas / 32.0, canvas / 32.0);
        switch (motif) {
            case Motif::Start: rocket(p); break;
            case Motif::NewGame: circularArrows(p); break;
            case Motif::Next: arrowRight(p); break;
            case Motif::Background: pictureFrame(p); break;
            case Motif::Exit: power(p); break;
        }
    }
    if (canvas != size) image = image.scaledToWidth(size, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The rocket: its shapes come from RocketDrawing, which the scalable icon
// is written from as well.
void IconPainter::rocket(QPainter& p) {
    for (const VectorShape& shape : RocketDrawing::shapes()) {
        p.setPen(shape.pen);
        p.setBrush(shape.fill);
        p.drawPath(shape.path);
    }
}

// Two arrows chasing each other round a circle: start afresh.
void IconPainter::circularArrows(QPainter& p) {
    const QPointF c(16, 16);
    const double r = 10.0;
    QPainterPath shape;
    for (double startAngle : {105.0, 285.0}) {
        const double sweep = 135.0;
        QPainterPath arc;
        arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), startAngle);
        arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), startAngle, sweep);
        QPainterPathStroker stroker;
        stroker.setWidth(4.2);
        stroker.setCapStyle(Qt::FlatCap);
        shape = shape.united(stroker.createStroke(arc));

        // Arrowhead at the arc's end, pointing along its counter-clockwise run.
        const double a = (startAngle + sweep) * std::numbers::pi / 180.0;
        const QPointF end(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
        const QPointF along(-std::sin(a), -std::cos(a));
        const QPointF out(std::cos(a), -std::sin(a));
        QPainterPath head;
        head.addPolygon(QPolygonF{end + out * 5.0 - along * 0.3, end - out * 5.0 - along * 0.3, end + along * 5.5});
        head.closeSubpath();
        shape = shape.united(head);
    }
    QLinearGradient green(0, 4, 0, 28);
    green.setColorAt(0.0, QColor(120, 240, 120));
    green.setColorAt(1.0, QColor(20, 150, 50));
    fillAndOutline(p, shape.simplified(), green, 1.0);
}

// A thick arrow to the right: on to the next question.
void IconPainter::arrowRight(QPainter& p) {
    QPainterPath arrow;
    arrow.addPolygon(
        QPolygonF{{3.5, 12.0}, {16.5, 12.0}, {16.5, 5.5}, {29.0, 16.0}, {16.5, 26.5}, {16.5, 20.0}, {3.5, 20.0}});
    arrow.closeSubpath();
    QLinearGradient gold(0, 5, 0, 27);
    gold.setColorAt(0.0, QColor(255, 240, 110));
    gold.setColorAt(0.5, QColor(255, 190, 30));
    gold.setColorAt(1.0, QColor(230, 120, 10));
    fillAndOutline(p, arrow, gold, 1.1);
    p.setPen(QPen(QColor(255, 255, 225, 200), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.0, 13.4), QPointF(16.0, 13.4));
}

// A framed landscape: choose a background picture.
void IconPainter::pictureFrame(QPainter& p) {
    QLinearGradient wood(0, 4, 32, 28);
    wood.setColorAt(0.0, QColor(240, 200, 110));
    wood.setColorAt(1.0, QColor(160, 100, 30));
    QPainterPath frame;
    frame.addRoundedRect(QRectF(1.5, 4.0, 29.0, 24.0), 1.5, 1.5);
    fillAndOutline(p, frame, wood, 1.0);

    const QRectF view(5.0, 7.5, 22.0, 17.0);
    p.save();
    p.setClipRect(view);
    QLinearGradient sky(0, view.top(), 0, view.bottom());
    sky.setColorAt(0.0, QColor(40, 120, 230));
    sky.setColorAt(1.0, QColor(170, 220, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(view);
    p.setBrush(QColor(255, 225, 40));
    p.drawEllipse(QPointF(21.5, 11.5), 2.6, 2.6);
    QPainterPath back;
    back.addPolygon(QPolygonF{{4, 25}, {11, 14}, {15, 19}, {19, 15.5}, {28, 25}});
    p.setBrush(QColor(40, 120, 50));
    p.drawPath(back);
    p.setBrush(QColor(245, 245, 250));
    p.drawPolygon(QPolygonF{{11, 14}, {9.2, 16.8}, {12.8, 16.8}});
    QPainterPath front;
    front.moveTo(4, 25);
    front.cubicTo(10, 19, 18, 22, 28, 20.5);
    front.lineTo(28, 25);
    front.closeSubpath();
    p.setBrush(QColor(90, 190, 70));
    p.drawPath(front);
    p.restore();
    p.setPen(QPen(outline, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(view);
}

// The power symbol on a red button: leave the game.
void IconPainter::power(QPainter& p) {
    const QPointF c(16, 16);
    QRadialGradient red(c + QPointF(-4, -5), 17);
    red.setColorAt(0.0, QColor(255, 120, 100));
    red.setColorAt(0.6, QColor(220, 30, 30));
    red.setColorAt(1.0, QColor(140, 10, 10));
    QPainterPath button;
    button.addEllipse(c, 13.5, 13.5);
    fillAndOutline(p, button, red, 1.0);

    QPen white(Qt::white, 2.8, Qt::SolidLine, Qt::RoundCap);
    p.setPen(white);
    p.setBrush(Qt::NoBrush);
    QPainterPath ring;
    const QRectF box(c.x() - 7, c.y() - 6, 14, 14);
    ring.arcMoveTo(box, 55);
    ring.arcTo(box, 55, -290);
    p.drawPath(ring);
    p.drawLine(QPointF(16, 6.2), QPointF(16, 14.5));
}

}  // namespace quiz::assets
