#pragma once
#include <cstdint>

namespace vx {

// The game's one random generator: uniform numbers in [0, 1), re-seeded from
// the clock at every new cube. Before the first seeding it runs from a fixed
// start, so the first cube of a run is coloured the same way every time.
class Random {
public:
    // Uniform in [0, 1).
    double rnd();
    // Int(Rnd * k) + 1: a whole number from 1 to k.
    int upTo(int k) { return static_cast<int>(rnd() * k) + 1; }
    // Seed from a clock reading (seconds since midnight).
    void seed(double secondsSinceMidnight);

private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};

}  // namespace vx
