#pragma once
// Finding the ends of runs of pixels eight at a time. A pixel is "closed" when
// it holds either of two values; the flood fill uses the border colour and
// its marker for pixels already reached.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vx::scan {

using Word = std::uint64_t;
inline constexpr Word kOnes = 0x0101010101010101ULL;
inline constexpr Word kHigh = 0x8080808080808080ULL;
inline constexpr Word kLow7 = 0x7F7F7F7F7F7F7F7FULL;
inline constexpr bool kWordWise = std::endian::native == std::endian::little;

inline Word load(const std::uint8_t* p) {
    Word w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// The high bit of every byte that is zero, and of no other byte.
inline Word zeroBytes(Word v) { return ~(((v & kLow7) + kLow7) | v) & kHigh; }

struct ClosedBytes {
    std::uint8_t a, b;

    bool closed(std::uint8_t v) const { return v == a || v == b; }
    // The high bit of every closed byte of the word.
    Word mask(Word v) const { return zeroBytes(v ^ (kOnes * a)) | zeroBytes(v ^ (kOnes * b)); }

    // Most runs the fill meets end within a few pixels, so the first few are
    // looked at one by one before going word by word.
    static constexpr int kQuick = 8;

    // line[from] is open: the last index up to `last` of the open run from it.
    int runEndRight(const std::uint8_t* line, int from, int last) const {
        int q = from + 1;
        for (const int quick = std::min(last, from + kQuick); q <= quick; ++q)
            if (closed(line[q])) return q - 1;
        if constexpr (kWordWise) {
            for (; q + 7 <= last; q += 8) {
                const Word m = mask(load(line + q));
                if (m != 0) return q + std::countr_zero(m) / 8 - 1;
            }
        }
        while (q <= last && !closed(line[q])) ++q;
        return q - 1;
    }

    // line[from] is open: the first index down to `first` of the open run
    // that ends at it.
    int runEndLeft(const std::uint8_t* line, int from, int first) const {
        int q = from;  // line[q..from] is known open
        for (const int quick = std::max(first, from - kQuick); q > quick; --q)
            if (closed(line[q - 1])) return q;
        if constexpr (kWordWise) {
            for (; q - 8 >= first; q -= 8) {
                const Word m = mask(load(line + q - 8));
                if (m != 0) return q - 8 + (63 - std::countl_zero(m)) / 8 + 1;
            }
        }
        while (q > first && !closed(line[q - 1])) --q;
        return q;
    }

    // The first open index from `from` up to `last`, or last + 1.
    int nextOpen(const std::uint8_t* line, int from, int last) const {
        int q = from;
        for (const int quick = std::min(last, from + kQuick - 1); q <= quick; ++q)
            if (!closed(line[q])) return q;
        if constexpr (kWordWise) {
            for (; q + 7 <= last; q += 8) {
                const Word open = ~mask(load(line + q)) & kHigh;
                if (open != 0) return q + std::countr_zero(open) / 8;
            }
        }
        while (q <= last && closed(line[q])) ++q;
        return q;
    }
};

// Sets n bytes from p to v. Most runs of a repaint are a few pixels long,
// too short to be worth a call to memset.
inline void fillBytes(std::uint8_t* p, std::size_t n, std::uint8_t v) {
    if (n >= 8 && n <= 16) {
        const Word w = kOnes * v;
        std::memcpy(p, &w, sizeof w);
        std::memcpy(p + n - 8, &w, sizeof w);
    } else if (n < 8) {
        for (std::size_t i = 0; i < n; ++i) p[i] = v;
    } else {
        std::memset(p, v, n);
    }
}

}  // namespace vx::scan
