#pragma once
#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace quiz {

// Work that the first frame waits for, done on a second thread while the
// main thread builds the window: decoding the pictures built into the
// program that the window wants at once, reading the system's font database,
// then decoding the pictures wanted later (the background alone is 800 x 600
// pixels of JPEG, needed only for the first paint). Needs the application
// object, which must outlive this one.
class QtHeadStart {
public:
    // Starts the thread; the pictures are resource names such as
    // ":/pictures/icon.png", each list decoded in its order.
    QtHeadStart(QStringList first, QStringList later);
    ~QtHeadStart();
    QtHeadStart(const QtHeadStart&) = delete;
    QtHeadStart& operator=(const QtHeadStart&) = delete;

    // The decoded picture of a resource, once the thread has it; one that
    // was not asked for is decoded here and now. Null when there is none.
    QImage picture(const QString& resource) const;
    // A built-in picture decoded here and now, in the format its suffix names.
    static QImage decode(const QString& resource);

private:
    void run(const QStringList& first, const QStringList& later);
    void publish(const QString& resource, const QImage& picture);

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    QMap<QString, QImage> pictures_;
    QStringList pending_;
    std::thread thread_;
};

}  // namespace quiz
