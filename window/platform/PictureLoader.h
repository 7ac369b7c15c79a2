#pragma once
#include <string>

namespace quiz {

// Loads a bitmap, GIF, JPEG or icon file. Returns the key under which the
// picture is known to the view; throws RuntimeError when the file is no picture.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    virtual std::string load(const std::string& path) = 0;
};

}  // namespace quiz
