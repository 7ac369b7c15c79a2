#include "assets/AssetCatalogue.h"

namespace quiz::assets {

QStringList AssetCatalogue::pictureResources() {
    return {
        QStringLiteral(":/pictures/background.jpg"), QStringLiteral(":/pictures/start.png"),
        QStringLiteral(":/pictures/start2.png"),     QStringLiteral(":/pictures/neu.png"),
        QStringLiteral(":/pictures/next.png"),       QStringLiteral(":/pictures/bg.png"),
        QStringLiteral(":/pictures/ende.png"),       QStringLiteral(":/pictures/icon.png"),
        QStringLiteral(":/pictures/spieler1.jpg"),   QStringLiteral(":/pictures/spieler2.jpg"),
        QStringLiteral(":/pictures/spieler3.jpg"),
    };
}

}  // namespace quiz::assets
