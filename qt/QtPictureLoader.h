#pragma once
#include <QImage>
#include <deque>
#include <string>
#include <utility>

#include "window/platform/PictureLoader.h"

namespace quiz {

// LoadPicture through QImageReader. A file that does not exist is the
// runtime's "file not found"; a directory, an unreadable, broken or too large
// file is "invalid picture". The reader's allocation limit and a check of the
// announced size come before any pixel is decoded, so a huge or hostile file
// fails cleanly instead of taking the memory.
//
// The loaded pictures are kept under the keys that load() returns, so the
// view can draw the one the window model names. The pictures built into the
// program are found by their names.
class QtHeadStart;

class QtPictureLoader : public PictureLoader {
public:
    static constexpr int allocationLimitMb = 128;
    static constexpr long long maxPixels = 32LL * 1024 * 1024;
    static constexpr int maxSide = 16384;

    // With a head start, the built-in pictures come decoded from its thread.
    explicit QtPictureLoader(const QtHeadStart* headStart = nullptr);
    std::string load(const std::string& path) override;
    // The picture loaded under key; a null image when there is none.
    QImage image(const std::string& key) const;
    // A picture built into the program, such as "background.jpg"; a null
    // image when there is none.
    QImage builtIn(const std::string& name) const;

private:
    // Only the newest few are kept: the model shows one background at a time.
    static constexpr std::size_t kept = 2;
    const QtHeadStart* headStart_;
    std::deque<std::pair<std::string, QImage>> images_;
    int loaded_ = 0;
};

}  // namespace quiz
