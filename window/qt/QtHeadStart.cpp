#include "QtHeadStart.h"

#include <QFontDatabase>

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
    return QImage(resource);
}

void QtHeadStart::run(const QStringList& first, const QStringList& later) {
    for (const QString& name : first) publish(name, QImage(name));
    // The font database is read once per process, by whoever asks first; the
    // main thread finds it ready when it lays out its first text.
    (void)QFontDatabase::families();
    for (const QString& name : later) publish(name, QImage(name));
    std::lock_guard<std::mutex> lock(mutex_);
    pending_.clear();
    changed_.notify_all();
}

void QtHeadStart::publish(const QString& resource, QImage picture) {
    std::lock_guard<std::mutex> lock(mutex_);
    pictures_.insert(resource, std::move(picture));
    pending_.removeAll(resource);
    changed_.notify_all();
}

}  // namespace quiz
