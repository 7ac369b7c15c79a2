#include "runtime/MixingRandom.h"

namespace quiz {
namespace {

std::uint64_t splitmix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint32_t rotl(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

}  // namespace

MixingRandom::MixingRandom(std::uint64_t seed, std::function<std::uint64_t()> entropy) : entropy_(std::move(entropy)) {
    seedWith(seed);
}

void MixingRandom::seedWith(std::uint64_t value) {
    std::uint64_t x = value;
    for (auto& w : s_) w = static_cast<std::uint32_t>(splitmix(x) >> 32);
    if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0) s_[0] = 1;
}

void MixingRandom::randomize() {
    const std::uint64_t state = (static_cast<std::uint64_t>(next()) << 32) | next();
    seedWith(state ^ (entropy_ ? entropy_() : 0));
}

std::uint32_t MixingRandom::next() {
    const std::uint32_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint32_t t = s_[1] << 9;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 11);
    return result;
}

// 24 random bits: every value is exact in single precision and below 1.
float MixingRandom::rnd() { return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f); }

}  // namespace quiz
