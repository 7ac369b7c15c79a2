#pragma once

#include <QString>
#include <QStringList>

// Names of the generated assets, as the program finds them: the pictures as
// Qt resources built into the program (prefix ":/pictures/"), the sound cues
// and the instructions as files in the program's current directory.
class AssetCatalogue {
public:
    static QStringList pictureResources();
    static QStringList soundFiles();
    static QString instructionsFile();
};
