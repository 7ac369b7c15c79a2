#include "qt/QtPictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "qt/QtHeadStart.h"
#include "runtime/RuntimeError.h"

namespace quiz {

namespace {

// libjpeg decodes a JPEG that was cut short, fills the missing rows with grey
// and only warns. Walking its markers finds whether the end marker is there;
// the picture data cannot hide one (an FF in it is followed by 00 or a
// restart marker). Data after the end marker is allowed.
bool jpegCutShort(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return true;
    const QByteArray d = f.readAll();
    const auto at = [&d](qsizetype i) { return static_cast<unsigned char>(d[i]); };
    const auto restart = [](unsigned char m) { return m >= 0xD0 && m <= 0xD7; };
    qsizetype i = 2;  // after the start marker
    while (i + 1 < d.size()) {
        if (at(i) != 0xFF) return true;
        const unsigned char marker = at(i + 1);
        if (marker == 0xD9) return false;
        if (marker == 0xFF) {  // a fill byte
            ++i;
            continue;
        }
        if (marker == 0x01 || restart(marker)) {  // markers without a length
            i += 2;
            continue;
        }
        if (i + 3 >= d.size()) return true;
        i += 2 + ((at(i + 2) << 8) | at(i + 3));
        if (marker == 0xDA)  // start of scan: its data runs to the next marker
            while (i + 1 < d.size() && !(at(i) == 0xFF && at(i + 1) != 0x00 && !restart(at(i + 1)))) ++i;
    }
    return true;
}

}  // namespace

QtPictureLoader::QtPictureLoader(const QtHeadStart* headStart) : headStart_(headStart) {
    QImageReader::setAllocationLimit(allocationLimitMb);
}

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
    if (reader.format() == "jpeg" && jpegCutShort(file)) throw RuntimeError::invalidPicture();
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

QImage QtPictureLoader::builtIn(const std::string& name) const {
    const QString resource = QStringLiteral(":/pictures/") + QString::fromStdString(name);
    return headStart_ ? headStart_->picture(resource) : QtHeadStart::decode(resource);
}

}  // namespace quiz
