#include "assets/pictures/BackgroundPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "assets/pictures/ValueNoise.h"

namespace quiz::assets {

namespace {

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

struct Colour {
    double r, g, b;
};

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

bool nearLabel(QPointF p, int margin) {
    auto areas = BackgroundPainter::yellowLabelAreas();
    const auto blue = BackgroundPainter::blueLabelAreas();
    areas.insert(areas.end(), blue.begin(), blue.end());
    return std::any_of(areas.begin(), areas.end(), [&](const QRect& r) {
        return r.adjusted(-margin, -margin, margin, margin).contains(p.toPoint());
    });
}

}  // namespace

std::vector<QRect> BackgroundPainter::blueLabelAreas() {
    // "Fragen:", "Spieler:", "Zeitlimit:", "Punkte:", "Prozent:"
    return {{16, 168, 89, 33}, {120, 168, 81, 33}, {16, 256, 81, 25}, {88, 384, 105, 41}, {80, 432, 129, 57}};
}

std::vector<QRect> BackgroundPainter::yellowLabelAreas() {
    // "Frage:", "Fragen:" of the counter, "Verbleibende Zeit:", the "1" of player 1
    return {{16, 40, 121, 57}, {312, 256, 89, 41}, {648, 128, 121, 41}, {240, 336, 33, 41}};
}

QImage BackgroundPainter::paint() {
    QImage image(width, height, QImage::Format_RGB32);
    paintNebula(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintStars(painter);
    paintMoon(painter);
    paintPlanet(painter);
    return image;
}

void BackgroundPainter::paintNebula(QImage& image) {
    // The bright cloud is a sum of soft blobs (centre, radii, turn, weight),
    // placed so that it covers the blue labels and leaves a dark bay for the
    // yellow "1" of player 1 and a dark sky above for the yellow "Frage:".
    struct Blob {
        double x, y, rx, ry, degrees, weight;
    };
    static constexpr Blob blobs[] = {
        {60, 330, 150, 170, 0, 1.0},     // body, from the left edge
        {40, 190, 90, 60, 0, 0.8},       // upper left, behind "Fragen:"
        {160, 200, 120, 60, -8, 1.0},    // upper arm, behind "Spieler:"
        {185, 450, 125, 65, 12, 1.0},    // lower arm, behind "Punkte:" and "Prozent:"
        {285, 130, 120, 28, -28, 0.75},  // a tendril reaching to the upper right
        {0, 500, 120, 110, 0, 0.8},      // lower left
    };
    const ValueNoise warp(11);
    const ValueNoise grain(23);
    const ValueNoise tint(37);
    const ValueNoise wisps(41);
    const ValueNoise fine(53);
    const Colour lavender{222, 210, 245};
    const Colour paleCyan{196, 228, 242};
    const Colour rose{240, 205, 228};
    const Colour magenta{150, 60, 170};
    const Colour teal{40, 120, 165};
    const Colour violet{92, 60, 170};

    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double v = static_cast<double>(y) / height;
            Colour c{4.0 + 6.0 * v, 5.0 + 2.0 * v, 18.0 + 10.0 * v};

            // Warped coordinates make the cloud's edges ragged instead of round.
            const double wx = x + 40.0 * (warp.cloud(x / 70.0, y / 70.0, 4) - 0.5);
            const double wy = y + 40.0 * (warp.cloud(x / 70.0 + 40.0, y / 70.0 + 40.0, 4) - 0.5);
            const double hue = tint.cloud(x / 130.0, y / 130.0, 3);

            // Faint coloured gas in a band rising to the upper right.
            const double bandCentre = 330.0 - 0.45 * x;
            const double band = std::exp(-std::pow((y - bandCentre) / 150.0, 2.0));
            const double gas = smoothstep(0.42, 0.8, wisps.cloud(x / 170.0, y / 170.0, 5)) * band;
            c = mix(c, mix(magenta, teal, smoothstep(0.3, 0.7, hue)), 0.42 * gas);

            double density = 0.0;
            for (const Blob& b : blobs) {
                const double turn = b.degrees * std::numbers::pi / 180.0;
                const double dx = wx - b.x;
                const double dy = wy - b.y;
                const double u = (dx * std::cos(turn) + dy * std::sin(turn)) / b.rx;
                const double w = (-dx * std::sin(turn) + dy * std::cos(turn)) / b.ry;
                density += b.weight * std::exp(-(u * u + w * w));
            }
            density += 0.3 * (grain.cloud(x / 45.0, y / 45.0, 5) - 0.5);

            // A violet glow around the cloud, so its edge does not end on black.
            c = mix(c, violet, 0.55 * smoothstep(0.12, 0.55, density));

            // The pale, lit gas itself, with some drifting colour inside.
            const double lit = smoothstep(0.5, 0.72, density);
            const Colour gasColour = mix(mix(lavender, paleCyan, smoothstep(0.35, 0.65, hue)), rose,
                                         0.6 * smoothstep(0.55, 0.8, wisps.cloud(x / 90.0, y / 90.0, 3)));
            // Fine streaks of thinner and denser gas, never dark enough to hide blue text.
            const double streaks = fine.cloud(x / 30.0 + 0.4 * y / 30.0, y / 60.0, 4);
            const double shade = 0.8 + 0.12 * smoothstep(0.72, 1.2, density) + 0.22 * (streaks - 0.5);
            c = mix(c, {gasColour.r * shade, gasColour.g * shade, gasColour.b * shade}, lit);

            line[x] = qRgb(std::clamp(static_cast<int>(c.r), 0, 255), std::clamp(static_cast<int>(c.g), 0, 255),
                           std::clamp(static_cast<int>(c.b), 0, 255));
        }
    }
}

void BackgroundPainter::paintStars(QPainter& painter) {
    QRandomGenerator random(20000617u);
    painter.setPen(Qt::NoPen);
    const QColor tints[] = {QColor(255, 255, 255), QColor(200, 220, 255), QColor(255, 240, 210), QColor(255, 215, 200)};

    // Many faint stars.
    for (int i = 0; i < 1500; ++i) {
        const QPointF p(random.bounded(static_cast<double>(width)), random.bounded(static_cast<double>(height)));
        const double u = random.generateDouble();
        QColor c = tints[random.bounded(4)];
        c.setAlphaF(static_cast<float>(0.25 + 0.75 * u * u * u));
        painter.setBrush(c);
        const double r = 0.45 + 0.5 * u * u;
        painter.drawEllipse(p, r, r);
    }

    // Fewer bright stars with a soft glow, kept away from the label texts.
    for (int i = 0; i < 70; ++i) {
        const QPointF p(random.bounded(static_cast<double>(width)), random.bounded(static_cast<double>(height)));
        const double r = 2.0 + random.bounded(4.0);
        const QColor c = tints[random.bounded(4)];
        if (nearLabel(p, 8)) continue;
        QRadialGradient glow(p, r);
        glow.setColorAt(0.0, QColor(255, 255, 255, 255));
        glow.setColorAt(0.25, QColor(c.red(), c.green(), c.blue(), 200));
        glow.setColorAt(1.0, QColor(c.red(), c.green(), c.blue(), 0));
        painter.setBrush(glow);
        painter.drawEllipse(p, r, r);
    }

    // A handful of sparkling stars with light spikes.
    const QPointF sparkles[] = {{455, 42}, {742, 260}, {318, 178}, {520, 395}, {205, 560}, {770, 45}};
    for (const QPointF& p : sparkles) {
        for (int axis = 0; axis < 2; ++axis) {
            const QPointF d = axis == 0 ? QPointF(11, 0) : QPointF(0, 11);
            QLinearGradient spike(p - d, p + d);
            spike.setColorAt(0.0, QColor(220, 230, 255, 0));
            spike.setColorAt(0.5, QColor(235, 240, 255, 230));
            spike.setColorAt(1.0, QColor(220, 230, 255, 0));
            painter.setPen(QPen(QBrush(spike), 1.0));
            painter.drawLine(p - d, p + d);
        }
        painter.setPen(Qt::NoPen);
        QRadialGradient glow(p, 4.5);
        glow.setColorAt(0.0, Qt::white);
        glow.setColorAt(1.0, QColor(200, 220, 255, 0));
        painter.setBrush(glow);
        painter.drawEllipse(p, 4.5, 4.5);
    }
}

void BackgroundPainter::paintMoon(QPainter& painter) {
    const QPointF c(598, 318);
    const double r = 17;
    painter.setPen(Qt::NoPen);
    QRadialGradient body(c + QPointF(-6, -6), r * 1.6);
    body.setColorAt(0.0, QColor(215, 210, 200));
    body.setColorAt(0.55, QColor(140, 135, 130));
    body.setColorAt(1.0, QColor(30, 28, 35));
    painter.setBrush(body);
    painter.drawEllipse(c, r, r);
    painter.setBrush(QColor(90, 85, 85, 110));
    painter.drawEllipse(c + QPointF(-5, -3), 3.5, 3.0);
    painter.drawEllipse(c + QPointF(4, 5), 2.5, 2.2);
    painter.drawEllipse(c + QPointF(6, -6), 1.8, 1.6);
}

void BackgroundPainter::paintPlanet(QPainter& painter) {
    const QPointF centre(700, 548);
    const double r = 138;
    const double tilt = -16.0;

    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), r * 1.95, r * 0.42);
    ring.addEllipse(QPointF(0, 0), r * 1.35, r * 0.27);
    ring.setFillRule(Qt::OddEvenFill);
    QLinearGradient ringShade(-r * 2, 0, r * 2, 0);
    ringShade.setColorAt(0.0, QColor(120, 110, 150, 60));
    ringShade.setColorAt(0.35, QColor(215, 200, 175, 170));
    ringShade.setColorAt(0.65, QColor(180, 165, 150, 150));
    ringShade.setColorAt(1.0, QColor(90, 80, 110, 50));

    auto drawRingHalf = [&](bool front) {
        painter.save();
        painter.translate(centre);
        painter.rotate(tilt);
        painter.setClipRect(front ? QRectF(-r * 2.5, 0, r * 5, r) : QRectF(-r * 2.5, -r, r * 5, r));
        painter.setPen(Qt::NoPen);
        painter.setBrush(ringShade);
        painter.drawPath(ring);
        painter.restore();
    };

    drawRingHalf(false);

    // The gas giant: bands, then light from the upper left, then a thin atmosphere.
    painter.save();
    painter.translate(centre);
    painter.rotate(tilt);
    QPainterPath disc;
    disc.addEllipse(QPointF(0, 0), r, r);
    painter.setClipPath(disc);
    QLinearGradient bands(0, -r, 0, r);
    const QColor stripes[] = {QColor(70, 120, 160), QColor(120, 170, 185), QColor(60, 105, 150),  QColor(150, 185, 190),
                              QColor(90, 140, 170), QColor(50, 90, 140),   QColor(130, 175, 185), QColor(70, 115, 155)};
    for (int i = 0; i < 8; ++i) bands.setColorAt(i / 7.0, stripes[i]);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bands);
    painter.drawRect(QRectF(-r, -r, 2 * r, 2 * r));
    painter.setBrush(QColor(200, 150, 120, 90));  // a storm
    painter.drawEllipse(QPointF(-r * 0.35, r * 0.18), r * 0.13, r * 0.06);
    painter.restore();

    painter.setPen(Qt::NoPen);
    QRadialGradient light(centre + QPointF(-r * 0.55, -r * 0.6), r * 2.0);
    light.setColorAt(0.0, QColor(255, 255, 255, 40));
    light.setColorAt(0.3, QColor(0, 0, 0, 0));
    light.setColorAt(0.62, QColor(3, 4, 15, 170));
    light.setColorAt(0.8, QColor(3, 4, 15, 245));
    painter.setBrush(light);
    painter.drawEllipse(centre, r, r);

    QRadialGradient air(centre, r + 6);
    air.setColorAt(r / (r + 6) - 0.02, QColor(120, 190, 255, 0));
    air.setColorAt(r / (r + 6), QColor(140, 200, 255, 120));
    air.setColorAt(1.0, QColor(120, 190, 255, 0));
    painter.setBrush(air);
    painter.drawEllipse(centre, r + 6, r + 6);

    drawRingHalf(true);
}

}  // namespace quiz::assets
