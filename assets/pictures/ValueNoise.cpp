#include "assets/pictures/ValueNoise.h"

#include <cmath>

namespace quiz::assets {

double ValueNoise::lattice(std::int32_t x, std::int32_t y) const {
    std::uint32_t h = seed_;
    h ^= static_cast<std::uint32_t>(x) * 0x27d4eb2du;
    h = (h ^ (h >> 15)) * 0x85ebca6bu;
    h ^= static_cast<std::uint32_t>(y) * 0x165667b1u;
    h = (h ^ (h >> 13)) * 0xc2b2ae35u;
    h ^= h >> 16;
    return static_cast<double>(h) / 4294967295.0;
}

double ValueNoise::at(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    // Smoothstep weights hide the lattice grid.
    const double tx = (x - fx) * (x - fx) * (3.0 - 2.0 * (x - fx));
    const double ty = (y - fy) * (y - fy) * (3.0 - 2.0 * (y - fy));
    const double top = lattice(ix, iy) + tx * (lattice(ix + 1, iy) - lattice(ix, iy));
    const double bottom = lattice(ix, iy + 1) + tx * (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1));
    return top + ty * (bottom - top);
}

double ValueNoise::cloud(double x, double y, int octaves) const {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        // Offsetting each octave keeps their lattice points from lining up.
        sum += weight * at(x + 17.3 * i, y - 9.1 * i);
        total += weight;
        weight *= 0.5;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / total;
}

}  // namespace quiz::assets
