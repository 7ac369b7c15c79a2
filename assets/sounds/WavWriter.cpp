#include "assets/sounds/WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

namespace quiz::assets {

namespace {

// RIFF is little-endian whatever machine builds the game.
void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

}  // namespace

bool WavWriter::write(const std::filesystem::path& file, const std::vector<double>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);  // size of the fmt chunk
    put(out, 1, 2);   // PCM
    put(out, 1, 2);   // mono
    put(out, static_cast<std::uint32_t>(sampleRate), 4);
    put(out, static_cast<std::uint32_t>(sampleRate) * 2, 4);  // bytes per second
    put(out, 2, 2);                                           // bytes per frame
    put(out, 16, 2);                                          // bits per sample
    out += "data";
    put(out, dataBytes, 4);
    for (double s : samples) {
        const long v = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        put(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(v)) & 0xFFFFu, 2);
    }
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(stream);
}

}  // namespace quiz::assets
