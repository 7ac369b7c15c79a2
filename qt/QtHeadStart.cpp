#include "qt/QtHeadStart.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageReader>

namespace quiz {

QtHeadStart::QtHeadStart(QStringList first, QStringList later) : pending_(first + later) {
    thread_ = std::thread([this, first = std::move(first), later = std::move(later)] { run(first, later); });
}

QtHeadStart::~QtHeadStart() { thread_.join(); }

QImage QtHeadStart::picture(const QString& resource) const {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return !pending_.contains(resource); });
    const auto it = pictures_.constFind(resource);
    if (it != pictures_.constEnd()) return it.value();
    lock.unlock();
    return decode(resource);
}

void QtHeadStart::run(const QStringList& first, const QStringList& later) {
    for (const QString& name : first) publish(name, decode(name));
    // The font database is read once per process, by whoever asks first; the
    // main thread finds it ready when it lays out its first text.
    (void)QFontDatabase::families();
    for (const QString& name : later) publish(name, decode(name));
    std::lock_guard<std::mutex> lock(mutex_);
    pending_.clear();
    changed_.notify_all();
}

// In the format its suffix names, and only in that: left to guess, Qt loads
// every image plugin it has (and their libraries) to ask each about the file.
QImage QtHeadStart::decode(const QString& resource) {
    // Some buttons have no second picture; a reader would complain on stderr.
    if (!QFile::exists(resource)) return {};
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

void QtHeadStart::publish(const QString& resource, const QImage& picture) {
    std::lock_guard<std::mutex> lock(mutex_);
    pictures_.insert(resource, picture);
    pending_.removeAll(resource);
    changed_.notify_all();
}

}  // namespace quiz
