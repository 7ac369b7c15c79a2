#include "assets/pictures/SvgWriter.h"

#include <QColor>
#include <QGradient>
#include <QLinearGradient>
#include <QRadialGradient>

namespace quiz::assets {

namespace {

QString num(double v) { return QString::number(v, 'g', 7); }

QString colour(const QColor& c) { return c.name(QColor::HexRgb); }

QString opacity(const char* attribute, const QColor& c) {
    return c.alpha() == 255 ? QString() : QStringLiteral(" %1=\"%2\"").arg(QLatin1String(attribute), num(c.alphaF()));
}

QString stops(const QGradient& g) {
    QString out;
    for (const auto& [at, c] : g.stops())
        out += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"%3/>")
                   .arg(num(at), colour(c), opacity("stop-opacity", c));
    return out;
}

}  // namespace

QString SvgWriter::write(const std::vector<VectorShape>& shapes, int designSize, int pixelSize, const QString& title) {
    QString defs;
    QString body;
    int n = 0;
    for (const VectorShape& s : shapes) {
        const QString fill = paint(s.fill, QStringLiteral("g%1").arg(++n), defs);
        const QString rule =
            s.path.fillRule() == Qt::OddEvenFill ? QStringLiteral("evenodd") : QStringLiteral("nonzero");
        body += QStringLiteral("  <path d=\"%1\" %2 fill-rule=\"%3\" %4/>\n")
                    .arg(pathData(s.path), fill, rule, stroke(s.pen));
    }
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %2 %2\">\n"
               "  <title>%3</title>\n"
               "  <defs>\n%4  </defs>\n%5</svg>\n")
        .arg(QString::number(pixelSize), QString::number(designSize), title.toHtmlEscaped(), defs, body);
}

// M, L and C commands; a subpath that ends where it began is closed with Z,
// as Qt's stroker treats it as closed (its start gets a join, not caps).
QString SvgWriter::pathData(const QPainterPath& path) {
    QString d;
    QPointF start;
    QPointF at;
    int i = 0;
    while (i < path.elementCount()) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::CurveToElement) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element to = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(num(e.x), num(e.y), num(c2.x), num(c2.y), num(to.x), num(to.y));
            at = to;
            i += 3;
        } else {
            const bool move = e.type == QPainterPath::MoveToElement;
            d += QStringLiteral("%1%2 %3").arg(QString(QLatin1Char(move ? 'M' : 'L')), num(e.x), num(e.y));
            if (move) start = e;
            at = e;
            i += 1;
            if (move) continue;
        }
        const bool subpathEnds = i == path.elementCount() || path.elementAt(i).type == QPainterPath::MoveToElement;
        if (subpathEnds && at == start) d += QLatin1Char('Z');
    }
    return d;
}

QString SvgWriter::paint(const QBrush& brush, const QString& id, QString& defs) {
    switch (brush.style()) {
        case Qt::NoBrush: return QStringLiteral("fill=\"none\"");
        case Qt::LinearGradientPattern: {
            const auto* g = static_cast<const QLinearGradient*>(brush.gradient());
            defs += QStringLiteral(
                        "    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" "
                        "x2=\"%4\" y2=\"%5\">%6</linearGradient>\n")
                        .arg(id, num(g->start().x()), num(g->start().y()), num(g->finalStop().x()),
                             num(g->finalStop().y()), stops(*g));
            return QStringLiteral("fill=\"url(#%1)\"").arg(id);
        }
        case Qt::RadialGradientPattern: {
            const auto* g = static_cast<const QRadialGradient*>(brush.gradient());
            defs += QStringLiteral(
                        "    <radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" cx=\"%2\" cy=\"%3\" "
                        "r=\"%4\" fx=\"%5\" fy=\"%6\">%7</radialGradient>\n")
                        .arg(id, num(g->center().x()), num(g->center().y()), num(g->radius()), num(g->focalPoint().x()),
                             num(g->focalPoint().y()), stops(*g));
            return QStringLiteral("fill=\"url(#%1)\"").arg(id);
        }
        default:
            return QStringLiteral("fill=\"%1\"%2").arg(colour(brush.color()), opacity("fill-opacity", brush.color()));
    }
}

QString SvgWriter::stroke(const QPen& pen) {
    if (pen.style() == Qt::NoPen) return QStringLiteral("stroke=\"none\"");
    const char* cap = pen.capStyle() == Qt::RoundCap ? "round" : pen.capStyle() == Qt::FlatCap ? "butt" : "square";
    const char* join = pen.joinStyle() == Qt::RoundJoin   ? "round"
                       : pen.joinStyle() == Qt::BevelJoin ? "bevel"
                                                          : "miter";
    return QStringLiteral("stroke=\"%1\"%2 stroke-width=\"%3\" stroke-linecap=\"%4\" stroke-linejoin=\"%5\"")
        .arg(colour(pen.color()), opacity("stroke-opacity", pen.color()), num(pen.widthF()), QLatin1String(cap),
             QLatin1String(join));
}

}  // namespace quiz::assets
