#pragma once

#include <QString>
#include <QStringList>

namespace quiz::assets {

// The pictures built into the program, as Qt resources (prefix
// ":/pictures/"). The sound cues are listed in game/Cue.h.
class AssetCatalogue {
public:
    static QStringList pictureResources();
};

}  // namespace quiz::assets
