#include "qt/QtPictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>

#include "qt/QtHeadStart.h"
#include "runtime/RuntimeError.h"

namespace quiz {

namespace {

// Reads a file front to back through a small buffer: a file of any size is
// walked with a few kilobytes of memory, and a walk that stops early never
// reads the rest.
class ByteStream {
public:
    static constexpr qint64 chunk = qint64{64} * 1024;
    explicit ByteStream(const QString& path) : file_(path) { ok_ = file_.open(QIODevice::ReadOnly); }
    bool ok() const { return ok_; }
    // The next byte, or -1 at the end of the file or on a read error.
    int get() {
        if (at_ == buffer_.size()) {
            buffer_ = file_.read(chunk);
            at_ = 0;
            if (buffer_.isEmpty()) return -1;
        }
        return static_cast<unsigned char>(buffer_[at_++]);
    }
    // Skips n bytes; false when the file ends first.
    bool skip(qint64 n) {
        const qint64 buffered = buffer_.size() - at_;
        if (n <= buffered) {
            at_ += n;
            return true;
        }
        n -= buffered;
        at_ = buffer_.size();
        const qint64 target = file_.pos() + n;
        return target <= file_.size() && file_.seek(target);
    }
    int get16() {  // big-endian
        const int hi = get(), lo = get();
        return hi < 0 || lo < 0 ? -1 : (hi << 8) | lo;
    }

private:
    QFile file_;
    QByteArray buffer_;
    qsizetype at_ = 0;
    bool ok_ = false;
};

// libjpeg decodes a JPEG that was cut short, fills the missing rows with grey
// and only warns. Walking its markers finds whether the end marker is there;
// the picture data cannot hide one (an FF in it is followed by 00 or a
// restart marker). Data after the end marker is allowed and never read. A
// progressive JPEG is decoded whole before it can be scaled, so a large one
// would take its full size in memory: it counts as too large.
bool jpegUnfit(const QString& path, long long maxPixels) {
    ByteStream in(path);
    if (!in.ok() || in.get() != 0xFF || in.get() != 0xD8) return true;
    const auto restart = [](int m) { return m >= 0xD0 && m <= 0xD7; };
    int pending = -1;  // a marker met at the end of a scan's data
    for (;;) {
        int marker = pending;
        pending = -1;
        if (marker < 0) {
            if (in.get() != 0xFF) return true;
            do marker = in.get();
            while (marker == 0xFF);  // fill bytes
        }
        if (marker < 0) return true;
        if (marker == 0xD9) return false;
        if (marker == 0x01 || restart(marker)) continue;  // markers without a length
        const int length = in.get16();
        if (length < 2) return true;
        const bool progressive = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
        if (progressive && length >= 7) {
            in.get();  // sample precision
            const long long height = in.get16(), width = in.get16();
            if (height < 0 || width < 0 || width * height > maxPixels || !in.skip(length - 7)) return true;
        } else if (!in.skip(length - 2)) {
            return true;
        }
        if (marker != 0xDA) continue;
        // The start of a scan: its data runs to the next marker.
        while (pending < 0) {
            const int b = in.get();
            if (b < 0) return true;
            if (b != 0xFF) continue;
            int next = in.get();
            while (next == 0xFF) next = in.get();
            if (next < 0) return true;
            if (next != 0x00 && !restart(next)) pending = next;
        }
    }
}

// Qt's GIF reader shows as much of a cut-off GIF as there is. Walking its
// blocks finds whether the trailer is there.
bool gifCutShort(const QString& path) {
    ByteStream in(path);
    if (!in.ok() || !in.skip(10)) return true;  // signature, screen width and height
    const int packed = in.get();
    if (packed < 0 || !in.skip(2)) return true;
    if ((packed & 0x80) && !in.skip(3LL << ((packed & 7) + 1))) return true;
    const auto subBlocks = [&in] {
        for (;;) {
            const int n = in.get();
            if (n <= 0) return n == 0;
            if (!in.skip(n)) return false;
        }
    };
    for (;;) {
        switch (in.get()) {
            case 0x3B: return false;  // the trailer
            case 0x21:                // an extension: label, then its data
                if (in.get() < 0 || !subBlocks()) return true;
                break;
            case 0x2C: {  // an image: its descriptor, colours, code size, data
                if (!in.skip(8)) return true;
                const int local = in.get();
                if (local < 0) return true;
                if ((local & 0x80) && !in.skip(3LL << ((local & 7) + 1))) return true;
                if (in.get() < 0 || !subBlocks()) return true;
                break;
            }
            default: return true;
        }
    }
}

// The largest the background can be shown: the screen, in device pixels.
QSize largestShown() {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return {1920, 1200};
    return s->size() * s->devicePixelRatio();
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
    const QByteArray format = reader.format();
    const QSize size = reader.size();
    // A JPEG is decoded straight at the size that will be shown (libjpeg
    // scales while it decodes), so even a phone's largest photo takes only a
    // few megabytes. Every other format is decoded whole first: its announced
    // size is held to the limits before a single pixel is decoded.
    const long long pixels = size.isValid() ? static_cast<long long>(size.width()) * size.height() : 0;
    if (format == "jpeg") {
        if (jpegUnfit(file, maxPixels)) throw RuntimeError::invalidPicture();
    } else {
        if (size.isValid() && (size.width() > maxSide || size.height() > maxSide || pixels > maxPixels))
            throw RuntimeError::invalidPicture();
        if (format == "gif" && gifCutShort(file)) throw RuntimeError::invalidPicture();
    }
    if (size.isValid()) {
        const QSize shown = size.scaled(largestShown(), Qt::KeepAspectRatio);
        if (shown.width() < size.width()) reader.setScaledSize(shown);
    }
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
