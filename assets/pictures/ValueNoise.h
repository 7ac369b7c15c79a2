#pragma once

#include <cstdint>

namespace quiz::assets {

// Smooth lattice noise with a fixed seed, summed over octaves into cloudy
// structure. Pure integer hashing, so every build paints the same nebula.
class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed) : seed_(seed) {}

    // Noise in [0, 1] at (x, y); one lattice cell per unit.
    double at(double x, double y) const;

    // Octaves of at(), each twice as fine and half as strong; result in [0, 1].
    double cloud(double x, double y, int octaves) const;

private:
    double lattice(std::int32_t x, std::int32_t y) const;

    std::uint32_t seed_;
};

}  // namespace quiz::assets
