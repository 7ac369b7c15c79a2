#include "assets/pictures/RocketDrawing.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

namespace quiz::assets {

namespace {

const QColor outline(24, 26, 44);

QPen outlinePen(double width) { return {outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin}; }

QPainterPath closedPolygon(const QPolygonF& points) {
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

}  // namespace

// A rocket flying to the upper right, with a play triangle in its porthole.
// It is drawn upright and turned by 45 degrees; the shapes carry the turn
// already, gradients included, so a painter and an SVG file need no
// transformation of their own.
std::vector<VectorShape> RocketDrawing::shapes() {
    const QTransform flight = QTransform().translate(15.5, 16.5).rotate(45);
    std::vector<VectorShape> out;

    QPainterPath flame;
    flame.moveTo(-4.2, 8.5);
    flame.cubicTo(-4.2, 12.5, -1.2, 14.5, 0, 18.5);
    flame.cubicTo(1.2, 14.5, 4.2, 12.5, 4.2, 8.5);
    flame.closeSubpath();
    QLinearGradient fire(flight.map(QPointF(0, 8.5)), flight.map(QPointF(0, 18.5)));
    fire.setColorAt(0.0, QColor(255, 250, 160));
    fire.setColorAt(0.4, QColor(255, 190, 40));
    fire.setColorAt(1.0, QColor(230, 60, 20));
    out.push_back({flight.map(flame), fire, Qt::NoPen});

    const QColor finRed(215, 35, 45);
    for (int side : {-1, 1}) {
        const QPainterPath fin =
            closedPolygon({{side * 4.6, 1.0}, {side * 10.0, 8.5}, {side * 10.0, 11.0}, {side * 4.2, 8.8}});
        out.push_back({flight.map(fin), finRed, outlinePen(0.9)});
    }

    QPainterPath body;
    body.moveTo(0, -15.5);
    body.cubicTo(6.8, -11.5, 7.2, -1.5, 5.0, 9.5);
    body.lineTo(-5.0, 9.5);
    body.cubicTo(-7.2, -1.5, -6.8, -11.5, 0, -15.5);
    body.closeSubpath();
    QLinearGradient metal(flight.map(QPointF(-6, 0)), flight.map(QPointF(6, 0)));
    metal.setColorAt(0.0, QColor(150, 160, 185));
    metal.setColorAt(0.4, QColor(250, 250, 255));
    metal.setColorAt(1.0, QColor(125, 135, 160));
    out.push_back({flight.map(body), metal, outlinePen(1.0)});

    // Red nose cone: the tip of the body, outlined again over the red.
    QPainterPath tipBox;
    tipBox.addRect(QRectF(-8, -17, 16, 8.2));
    out.push_back({flight.map(body.intersected(tipBox)), finRed, Qt::NoPen});
    out.push_back({flight.map(body), Qt::NoBrush, QPen(outline, 1.0)});

    // Porthole with the play triangle; the triangle points right, as on any player.
    const QPointF port(0, -1.2);
    QRadialGradient glass(flight.map(port + QPointF(-1.5, -1.5)), 6.5);
    glass.setColorAt(0.0, QColor(90, 150, 255));
    glass.setColorAt(1.0, QColor(20, 40, 130));
    QPainterPath porthole;
    porthole.addEllipse(port, 5.0, 5.0);
    out.push_back({flight.map(porthole), glass, QPen(QColor(70, 75, 95), 1.2)});

    const QPointF portOnIcon = flight.map(port);
    const QPainterPath play = closedPolygon(
        {portOnIcon + QPointF(-2.0, -3.2), portOnIcon + QPointF(-2.0, 3.2), portOnIcon + QPointF(3.4, 0)});
    out.push_back(
        {play, QColor(80, 255, 80), QPen(QColor(10, 70, 10), 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)});
    return out;
}

}  // namespace quiz::assets
