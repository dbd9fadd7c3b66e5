#pragma once
#include <optional>

#include "cube/cube.h"

namespace vx {

// An edge length the game can play, 2..20. Only `of` makes one, so a
// CubeSize is always in range: a size from a file, the settings or the size
// menu goes through it once, where it enters, and everything below trusts
// the int it is given.
class CubeSize {
public:
    static constexpr std::optional<CubeSize> of(int n) {
        if (n < kMinCubeSize || n > kMaxCubeSize) return std::nullopt;
        return CubeSize(n);
    }
    constexpr int value() const { return n_; }

private:
    constexpr explicit CubeSize(int n) : n_(n) {}
    int n_;
};

}  // namespace vx
