// Fuzz target: bytes -> a file -> QtPictureLoader::load, the decoding path
// of the background dialog with its limits. "file not found" and "invalid
// picture" are the orderly outcomes; a crash, a sanitizer report, a hang or
// any other exception is a finding.
#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "qt/QtPictureLoader.h"
#include "runtime/RuntimeError.h"

namespace {

std::string& picturePath() {
    static std::string path;
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The image plugins come with the application object; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    const auto dir = std::filesystem::temp_directory_path() / ("quiz-fuzz-picture-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    picturePath() = (dir / "bild.jpg").string();
    std::atexit([] { std::filesystem::remove_all(std::filesystem::path(picturePath()).parent_path()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream f(picturePath(), std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!f) {
            std::fprintf(stderr, "picture fuzz: cannot write %s\n", picturePath().c_str());
            std::abort();
        }
    }
    static quiz::QtPictureLoader loader;
    try {
        loader.load(picturePath());
    } catch (const quiz::RuntimeError&) {
        // not a picture, or one past the limits: refused in order
    }
    return 0;
}
