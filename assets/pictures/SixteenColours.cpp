#include "assets/pictures/SixteenColours.h"

#include <QList>
#include <limits>

namespace quiz::assets {

QImage SixteenColours::reduce(const QImage& picture) {
    static const QRgb palette[16] = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_Indexed8);
    QList<QRgb> table(palette, palette + 16);
    table.append(qRgba(0, 0, 0, 0));  // index 16: transparent
    out.setColorTable(table);

    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* line = out.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(in[x]) < 128) {
                line[x] = 16;
                continue;
            }
            // Weighted distance: the eye is most sensitive to green.
            int best = 0;
            int bestDistance = std::numeric_limits<int>::max();
            for (int i = 0; i < 16; ++i) {
                const int dr = qRed(in[x]) - qRed(palette[i]);
                const int dg = qGreen(in[x]) - qGreen(palette[i]);
                const int db = qBlue(in[x]) - qBlue(palette[i]);
                const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            line[x] = static_cast<uchar>(best);
        }
    }
    return out;
}

}  // namespace quiz::assets
