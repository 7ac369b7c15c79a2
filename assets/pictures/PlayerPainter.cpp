#include "assets/pictures/PlayerPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "assets/pictures/DigitPath.h"

namespace quiz::assets {

namespace {

const QColor shadow(20, 20, 38);

struct Scheme {
    QColor light, dark, glow;
};

Scheme scheme(int player) {
    switch (player) {
        case 1: return {QColor(255, 232, 60), QColor(200, 140, 0), QColor(255, 250, 200)};
        case 2: return {QColor(255, 90, 70), QColor(150, 15, 20), QColor(255, 200, 190)};
        default: return {QColor(70, 160, 255), QColor(15, 45, 160), QColor(200, 230, 255)};
    }
}

// Shoulders under every figure, so the three read as busts of one size.
void shoulders(QPainter& p) {
    QPainterPath s;
    s.moveTo(47, 76);
    s.cubicTo(48, 64, 58, 60, 73, 60);
    s.cubicTo(88, 60, 98, 64, 99, 76);
    s.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawPath(s);
}

}  // namespace

QImage PlayerPainter::paint(int player) {
    const int scale = 4;  // painted large, then scaled down for smooth edges
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    const Scheme colours = scheme(player);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);

        QLinearGradient ground(0, 0, width, height);
        ground.setColorAt(0.0, colours.light);
        ground.setColorAt(1.0, colours.dark);
        p.fillRect(QRectF(0, 0, width, height), ground);

        QRadialGradient halo(QPointF(73, 36), 30);
        halo.setColorAt(0.0, colours.glow);
        halo.setColorAt(1.0, QColor(colours.glow.red(), colours.glow.green(), colours.glow.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(QPointF(73, 36), 30, 30);

        QRandomGenerator random(static_cast<quint32>(1000 + player));
        p.setBrush(QColor(255, 255, 255, 170));
        for (int i = 0; i < 14; ++i) p.drawEllipse(QPointF(random.bounded(100.0), random.bounded(75.0)), 0.6, 0.6);

        const QPainterPath digit = DigitPath::digit(player, QRectF(7, 8, 32, 58));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(shadow, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(digit);
        p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(digit);

        shoulders(p);
        switch (player) {
            case 1: astronaut(p); break;
            case 2: alien(p); break;
            default: robot(p); break;
        }
    }
    return image.scaledToWidth(width, Qt::SmoothTransformation);
}

// A round space helmet with a golden visor.
void PlayerPainter::astronaut(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawRoundedRect(QRectF(59, 52, 28, 10), 3, 3);  // neck ring
    p.drawEllipse(QPointF(73, 33), 21, 21);
    QLinearGradient visor(0, 22, 0, 44);
    visor.setColorAt(0.0, QColor(255, 245, 170));
    visor.setColorAt(0.5, QColor(240, 170, 30));
    visor.setColorAt(1.0, QColor(140, 80, 0));
    p.setBrush(visor);
    p.drawRoundedRect(QRectF(59, 23, 28, 19), 9, 9);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(65, 28), 3.2, 2.0);
    p.setBrush(QColor(80, 85, 110));
    p.drawEllipse(QPointF(53.5, 35), 2.5, 5);  // ear pieces
    p.drawEllipse(QPointF(92.5, 35), 2.5, 5);
}

// A head with long pointed ears, a ridged brow and glowing eyes.
void PlayerPainter::alien(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawRect(QRectF(67, 50, 12, 12));  // neck
    for (int side : {-1, 1}) {
        QPainterPath ear;
        ear.moveTo(73 + side * 12, 30);
        ear.lineTo(73 + side * 26, 14);
        ear.lineTo(73 + side * 14, 42);
        ear.closeSubpath();
        p.drawPath(ear);
    }
    QPainterPath head;
    head.moveTo(73, 8);
    head.cubicTo(88, 8, 90, 30, 84, 44);
    head.cubicTo(80, 54, 66, 54, 62, 44);
    head.cubicTo(56, 30, 58, 8, 73, 8);
    p.drawPath(head);
    // Brow ridges.
    p.setPen(QPen(QColor(90, 40, 50), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (double y : {13.0, 17.0}) p.drawLine(QPointF(66, y + 1.5), QPointF(80, y + 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 90));
    for (int side : {-1, 1}) {
        QPainterPath eye;
        eye.moveTo(73 + side * 2.5, 31);
        eye.quadTo(73 + side * 8, 25, 73 + side * 10.5, 27);
        eye.quadTo(73 + side * 8, 33, 73 + side * 2.5, 31);
        p.drawPath(eye);
    }
}

// A boxy robot head with an antenna, round eyes and a speaker grille.
void PlayerPainter::robot(QPainter& p) {
    p.setPen(QPen(shadow, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(73, 16), QPointF(73, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 80, 80));
    p.drawEllipse(QPointF(73, 6), 3.2, 3.2);
    p.setBrush(shadow);
    p.drawRect(QRectF(67, 50, 12, 12));  // neck
    p.drawRoundedRect(QRectF(56, 15, 34, 37), 6, 6);
    p.drawRect(QRectF(52, 26, 5, 12));  // side bolts
    p.drawRect(QRectF(89, 26, 5, 12));
    for (double x : {65.5, 80.5}) {
        QRadialGradient glow(QPointF(x, 29), 5.5);
        glow.setColorAt(0.0, QColor(230, 255, 255));
        glow.setColorAt(0.5, QColor(60, 230, 255));
        glow.setColorAt(1.0, QColor(0, 120, 200));
        p.setBrush(glow);
        p.drawEllipse(QPointF(x, 29), 5.0, 5.0);
    }
    p.setPen(QPen(QColor(150, 170, 200), 1.4, Qt::SolidLine, Qt::FlatCap));
    for (double x = 63.5; x <= 83; x += 4.0) p.drawLine(QPointF(x, 40), QPointF(x, 47));
}

}  // namespace quiz::assets
