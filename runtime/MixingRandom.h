#pragma once
#include <cstdint>
#include <functional>

#include "runtime/RandomSource.h"

namespace quiz {

// xoshiro128** with Randomize mixing a clock reading into the state (not
// replacing it), so two re-seeds within one clock tick still differ.
class MixingRandom : public RandomSource {
public:
    MixingRandom(std::uint64_t seed, std::function<std::uint64_t()> entropy);
    void randomize() override;
    float rnd() override;
    std::uint32_t next();
    // What Randomize mixes in from now on.
    void setEntropy(std::function<std::uint64_t()> entropy) { entropy_ = std::move(entropy); }

private:
    void seedWith(std::uint64_t value);
    std::uint32_t s_[4]{};
    std::function<std::uint64_t()> entropy_;
};

}  // namespace quiz
