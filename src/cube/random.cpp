#include "cube/random.h"

#include <cstring>

namespace vx {

double Random::rnd() {
    // splitmix64: small, fast and good enough for a game's dice.
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

void Random::seed(double secondsSinceMidnight) {
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof secondsSinceMidnight);
    std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
    state_ = bits ^ 0x6a09e667f3bcc909ULL;
}

}  // namespace vx
