#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cube/cube.h"
#include "cube/view.h"
#include "history/history.h"

namespace vx {

// The longest history a puzzle file may hold. The history itself has no
// fixed capacity; this only tells a real file from a damaged one, whose
// length would otherwise make the computer pop millions of empty entries.
// A million turns is far beyond any game (a scramble is at most 10000 turns
// and every new cube empties the history), and such a file, at most about
// 18 bytes an entry, still fits well inside the size readTextFile accepts.
inline constexpr int kMaxFileHistory = 1'000'000;

// The text of a puzzle file. The first line holds five numbers: `cubesize`,
// `frontface`, `frontturn`, `histcount` and `newaxis` (the axis of the top
// history entry, 0 for an empty history); every further number stands on a
// line of its own. Then, for f = 1..6, b = 1..n, a = 1..n (a fastest),
// `squarecolor` and `squarecopy` of square (a, b, f); then the history
// entries from the top (index `histcount`) down to 1: axis, col, row. Every
// number is in print form, lines end with CR LF, and numbers on one line are
// separated by the blanks of their print forms alone (no padding). n is the
// value of a CubeSize.
std::string formatPuzzle(int n, View view, const History& history, const Cube& cube);

// What a puzzle file holds, as far as the file goes.
struct PuzzleNumbers {
    std::vector<int> header;   // up to 5: cubesize, frontface, frontturn, histcount, newaxis
    std::vector<int> squares;  // squarecolor, squarecopy pairs in file order (may stop mid-pair)
    std::vector<int> history;  // axis, col, row triples from the top down (may stop mid-entry)
    friend bool operator==(const PuzzleNumbers&, const PuzzleNumbers&) = default;

    // True when the file held every number its header promised.
    bool complete() const;
};

// Reads a puzzle file's text, each field taken with leadingNumber and made
// whole with toWhole. A file that stops early gives what it held up to there.
// Nothing when the file must be refused whole because a value read is out of
// range: a size outside 2..20, a view outside 1..6 / 1..4, a history length
// outside 0..kMaxFileHistory, a header axis outside 0..3, a square colour
// (either array) that is not one of 1..6 and 8..15, a history axis outside
// 1..3 or a coordinate outside 1..n, the header's size (a text that ends
// inside the header holds no squares or history to check). Numbers beyond
// the history are ignored.
std::optional<PuzzleNumbers> parsePuzzle(std::string_view text);

// The load's writes. Square pairs in file order go into `squarecolor` and
// `squarecopy` of the n-cube; history entry j (0-based, from the top down)
// goes into index histcount - j. Whatever the file did not reach keeps its
// old value. applyHistory writes entries only: the caller sets `histcount`.
void applySquares(const PuzzleNumbers& p, int n, Cube& cube);
void applyHistory(const PuzzleNumbers& p, int histcount, History& history);

}  // namespace vx
