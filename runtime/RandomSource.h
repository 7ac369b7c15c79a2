#pragma once

namespace quiz {

// Randomize and Rnd: re-seed from the clock, then uniform numbers in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void randomize() = 0;
    virtual float rnd() = 0;
};

}  // namespace quiz
