// quiz_assets_check: links quiz_assets like the game does and checks that the
// pictures really arrive as resources, with the right sizes, and that the
// window background keeps the blue and the yellow labels readable.

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QSize>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "assets/AssetCatalogue.h"

using namespace quiz::assets;  // NOLINT(google-build-using-namespace)

namespace {

int passed = 0;
int failed = 0;

void report(bool ok, const QString& what) {
    (ok ? passed : failed) += 1;
    std::printf("%s  %s\n", ok ? "ok    " : "FAILED", qPrintable(what));
}

QSize expectedSize(const QString& resource) {
    if (resource.endsWith(QLatin1String("background.jpg"))) return {800, 600};
    if (resource.contains(QLatin1String("spieler"))) return {100, 75};
    return {32, 32};
}

double luminance(QRgb c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

// The contrast that nine in ten pixels of the area at least reach against the text colour.
double contrastOfArea(const QImage& image, const QRect& area, QRgb text) {
    const double fg = luminance(text);
    std::vector<double> ratios;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const double bg = luminance(image.pixel(x, y));
            ratios.push_back((std::max(fg, bg) + 0.05) / (std::min(fg, bg) + 0.05));
        }
    std::sort(ratios.begin(), ratios.end());
    return ratios[ratios.size() / 10];
}

QRgb meanColour(const QImage& image) {
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    const double n = static_cast<double>(image.width()) * image.height();
    return qRgb(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);

    for (const QString& resource : AssetCatalogue::pictureResources()) {
        report(QFile::exists(resource), resource + QStringLiteral(" is linked in"));
        QImageReader reader(resource);
        const QImage image = reader.read();
        const QSize want = expectedSize(resource);
        const bool loaded = !image.isNull() && image.size() == want;
        report(loaded, QStringLiteral("%1 loads as %2x%3 (got %4x%5%6)")
                           .arg(resource)
                           .arg(want.width())
                           .arg(want.height())
                           .arg(image.width())
                           .arg(image.height())
                           .arg(image.isNull() ? QStringLiteral(", ") + reader.errorString() : QString()));
    }

    QFile icon(QStringLiteral(":/pictures/icon.png"));
    QFile start2(QStringLiteral(":/pictures/start2.png"));
    report(icon.open(QIODevice::ReadOnly) && start2.open(QIODevice::ReadOnly) && icon.readAll() == start2.readAll(),
           QStringLiteral("the window icon is the Start button's second picture"));

    // Label areas of the window, in pixels, and the colours they are written in.
    const QImage background(QStringLiteral(":/pictures/background.jpg"));
    if (!background.isNull()) {
        const QRect blueLabels[] = {
            {16, 168, 89, 33}, {120, 168, 81, 33}, {16, 256, 81, 25}, {88, 384, 105, 41}, {80, 432, 129, 57}};
        const QRect yellowLabels[] = {{16, 40, 121, 57}, {312, 256, 89, 41}, {648, 128, 121, 41}, {240, 336, 33, 41}};
        for (const QRect& area : blueLabels) {
            const double c = contrastOfArea(background, area, qRgb(0, 0, 255));
            report(c >= 4.0, QStringLiteral("blue label at %1,%2 readable (contrast %3 >= 4.0)")
                                 .arg(area.x())
                                 .arg(area.y())
                                 .arg(c, 0, 'f', 2));
        }
        for (const QRect& area : yellowLabels) {
            const double c = contrastOfArea(background, area, qRgb(255, 255, 0));
            report(c >= 7.0, QStringLiteral("yellow label at %1,%2 readable (contrast %3 >= 7.0)")
                                 .arg(area.x())
                                 .arg(area.y())
                                 .arg(c, 0, 'f', 2));
        }
    }

    // The three player pictures must be told apart at a glance: distinct main colours.
    std::vector<QRgb> means;
    for (int player = 1; player <= 3; ++player)
        means.push_back(meanColour(QImage(QStringLiteral(":/pictures/spieler%1.jpg").arg(player))));
    for (std::size_t a = 0; a < 3; ++a)
        for (std::size_t b = a + 1; b < 3; ++b) {
            const double d =
                std::hypot(std::hypot(qRed(means[a]) - qRed(means[b]), qGreen(means[a]) - qGreen(means[b])),
                           qBlue(means[a]) - qBlue(means[b]));
            report(d > 60.0, QStringLiteral("players %1 and %2 differ in colour (distance %3 > 60)")
                                 .arg(a + 1)
                                 .arg(b + 1)
                                 .arg(d, 0, 'f', 0));
        }

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
