#include "AssetCatalogue.h"

QStringList AssetCatalogue::pictureResources()
{
    return {
        QStringLiteral(":/pictures/background.jpg"), QStringLiteral(":/pictures/start.png"),
        QStringLiteral(":/pictures/start2.png"),     QStringLiteral(":/pictures/neu.png"),
        QStringLiteral(":/pictures/next.png"),       QStringLiteral(":/pictures/bg.png"),
        QStringLiteral(":/pictures/ende.png"),       QStringLiteral(":/pictures/icon.png"),
        QStringLiteral(":/pictures/spieler1.jpg"),   QStringLiteral(":/pictures/spieler2.jpg"),
        QStringLiteral(":/pictures/spieler3.jpg"),
    };
}

QStringList AssetCatalogue::soundFiles()
{
    return {
        QStringLiteral("start.wav"),        QStringLiteral("los.wav"),     QStringLiteral("glasses.wav"),
        QStringLiteral("laser.wav"),        QStringLiteral("kommuni.wav"), QStringLiteral("glass.wav"),
        QStringLiteral("kling.wav"),        QStringLiteral("zeit.wav"),    QStringLiteral("jubel.wav"),
        QStringLiteral("faszinierend.wav"), QStringLiteral("perfect.wav"), QStringLiteral("endrunde.wav"),
        QStringLiteral("parameter.wav"),    QStringLiteral("schirm.wav"),  QStringLiteral("ende.wav"),
    };
}

QString AssetCatalogue::instructionsFile()
{
    return QStringLiteral("Spielanleitung.txt");
}
