// make-sounds: writes the game's sound cues into the folder given as argument.

#include "SoundBook.h"
#include "Track.h"
#include "WavWriter.h"

#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv)
{
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
    for (const SoundBook::Entry& entry : SoundBook::entries()) {
        const Track track = entry.compose();
        if (!WavWriter::write(folder / entry.file, track.samples(), Track::rate)) {
            std::cerr << "make-sounds: cannot write " << (folder / entry.file) << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
