#pragma once

#include <filesystem>
#include <vector>

namespace quiz::assets {

// Writes samples in [-1, 1] as a 16-bit PCM mono RIFF/WAVE file.
class WavWriter {
public:
    static bool write(const std::filesystem::path& file, const std::vector<double>& samples, int sampleRate);
};

}  // namespace quiz::assets
