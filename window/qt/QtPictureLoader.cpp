#include "QtPictureLoader.h"

#include <QFileInfo>
#include <QImageReader>

#include "window/RuntimeError.h"

namespace quiz {

QtPictureLoader::QtPictureLoader() { QImageReader::setAllocationLimit(allocationLimitMb); }

std::string QtPictureLoader::load(const std::string& path) {
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.exists()) throw RuntimeError::fileNotFound();
    if (!info.isFile() || !info.isReadable()) throw RuntimeError::invalidPicture();
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) throw RuntimeError::invalidPicture();
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > maxSide || size.height() > maxSide ||
                           static_cast<long long>(size.width()) * size.height() > maxPixels))
        throw RuntimeError::invalidPicture();
    QImage picture = reader.read();
    if (picture.isNull()) throw RuntimeError::invalidPicture();
    std::string key = "picture:" + std::to_string(++loaded_) + ":" + info.fileName().toStdString();
    images_.emplace_back(key, std::move(picture));
    while (images_.size() > kept) images_.pop_front();
    return key;
}

QImage QtPictureLoader::image(const std::string& key) const {
    for (const auto& [k, picture] : images_)
        if (k == key) return picture;
    return {};
}

}  // namespace quiz
