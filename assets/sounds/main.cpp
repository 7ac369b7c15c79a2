// make-sounds: writes the game's sound cues into the folder given as argument.

#include <filesystem>
#include <iostream>
#include <system_error>

#include "assets/sounds/SoundBook.h"
#include "assets/sounds/Track.h"
#include "assets/sounds/WavWriter.h"

using namespace quiz::assets;  // NOLINT(google-build-using-namespace)

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-sounds <output folder>\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "make-sounds: cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }
    int failures = 0;
    for (const quiz::Cue cue : quiz::allCues) {
        const Track track = SoundBook::compose(cue);
        const std::filesystem::path file = folder / std::string(quiz::cueFile(cue));
        if (!WavWriter::write(file, track.samples(), Track::rate)) {
            std::cerr << "make-sounds: cannot write " << file << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
