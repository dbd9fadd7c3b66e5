#pragma once
// Numbering of arrangements: permutations by their Lehmer code, choices of
// k places out of n by the combinatorial number system.
#include <array>
#include <cstdint>

namespace vx::solver {

constexpr int factorial(int k) { return k <= 1 ? 1 : k * factorial(k - 1); }
constexpr int choose(int n, int k) {
    if (k < 0 || k > n) return 0;
    int r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

// The rank 0..K!-1 of a permutation of 0..K-1.
template <std::size_t K>
int permutationRank(const std::array<std::uint8_t, K>& p) {
    int rank = 0;
    for (std::size_t i = 0; i < K; ++i) {
        int smaller = 0;
        for (std::size_t j = i + 1; j < K; ++j) smaller += p[j] < p[i];
        rank = rank * static_cast<int>(K - i) + smaller;
    }
    return rank;
}

template <std::size_t K>
std::array<std::uint8_t, K> permutationOfRank(int rank) {
    std::array<int, K> code{};
    for (std::size_t i = K; i-- > 0;) {
        const int radix = static_cast<int>(K - i);
        code[i] = rank % radix;
        rank /= radix;
    }
    std::array<std::uint8_t, K> p{};
    std::array<bool, K> used{};
    for (std::size_t i = 0; i < K; ++i) {
        int skip = code[i];
        for (std::size_t v = 0; v < K; ++v) {
            if (used[v]) continue;
            if (skip-- == 0) {
                p[i] = static_cast<std::uint8_t>(v);
                used[v] = true;
                break;
            }
        }
    }
    return p;
}

}  // namespace vx::solver
