#include <algorithm>

#include "files/numbers.h"
#include "files/puzzle_file.h"

#include "cube/cube_size.h"

namespace vx {
namespace {

enum Header { kSize, kFace, kTurn, kCount, kAxis, kHeaderLength };

bool inRange(int v, int low, int high) { return v >= low && v <= high; }

// The colours a square may have: 0 is the background and 7 the outline.
bool squareColour(int v) { return inRange(v, 1, 15) && v != 7; }

bool headerValueValid(int index, int v) {
    switch (index) {
    case kSize: return CubeSize::of(v).has_value();
    case kFace: return inRange(v, 1, 6);
    case kTurn: return inRange(v, 1, 4);
    case kCount: return inRange(v, 0, kMaxFileHistory);
    default: return inRange(v, 0, 3);
    }
}

std::size_t squareNumbers(int n) { return 12 * static_cast<std::size_t>(n) * static_cast<std::size_t>(n); }

}  // namespace

bool PuzzleNumbers::complete() const {
    if (header.size() < kHeaderLength) return false;
    return squares.size() == squareNumbers(header[kSize]) &&
           history.size() == 3 * static_cast<std::size_t>(header[kCount]);
}

std::optional<PuzzleNumbers> parsePuzzle(std::string_view text) {
    FieldReader fields(text);
    const auto nextNumber = [&]() -> std::optional<int> {
        const auto field = fields.next();
        if (!field) return std::nullopt;
        return toWhole(leadingNumber(*field));
    };

    PuzzleNumbers p;
    while (p.header.size() < kHeaderLength) {
        const auto v = nextNumber();
        if (!v) return p;
        if (!headerValueValid(static_cast<int>(p.header.size()), *v)) return std::nullopt;
        p.header.push_back(*v);
    }
    // Squares and history follow a complete header, so its size and length
    // rule them.
    const int n = p.header[kSize];
    const int histcount = p.header[kCount];

    const std::size_t squareCount = squareNumbers(n);
    p.squares.reserve(squareCount);
    while (p.squares.size() < squareCount) {
        const auto v = nextNumber();
        if (!v) return p;
        if (!squareColour(*v)) return std::nullopt;
        p.squares.push_back(*v);
    }

    const std::size_t historyCount = 3 * static_cast<std::size_t>(histcount);
    while (p.history.size() < historyCount) {
        const auto v = nextNumber();
        if (!v) return p;
        const bool axis = p.history.size() % 3 == 0;
        if (!(axis ? inRange(*v, 1, 3) : inRange(*v, 1, n))) return std::nullopt;
        p.history.push_back(*v);
    }
    return p;
}

void applySquares(const PuzzleNumbers& p, int n, Cube& cube) {
    const std::size_t count = std::min(p.squares.size(), squareNumbers(n));
    std::size_t i = 0;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) {
                if (i >= count) return;
                cube.setSquarecolor(a, b, f, p.squares[i++]);
                if (i >= count) return;
                cube.setSquarecopy(a, b, f, p.squares[i++]);
            }
}

void applyHistory(const PuzzleNumbers& p, int histcount, History& history) {
    if (!inRange(histcount, 0, kMaxFileHistory)) return;
    for (std::size_t i = 0; i < p.history.size(); ++i) {
        const long long index = static_cast<long long>(histcount) - static_cast<long long>(i / 3);
        if (index < 1) return;
        HistEntry& e = history[static_cast<int>(index)];
        const int v = p.history[i];
        switch (i % 3) {
        case 0: e.axis = v; break;
        case 1: e.col = v; break;
        default: e.row = v; break;
        }
    }
}

}  // namespace vx
