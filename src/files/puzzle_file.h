#pragma once
#include <cstddef>
#include <filesystem>
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

// How many square values a puzzle file of an n-cube gives: squarecolor and
// squarecopy of every square of the six faces.
constexpr std::size_t squareNumbers(int n) { return 2 * 6 * static_cast<std::size_t>(n) * static_cast<std::size_t>(n); }

// Everything a whole puzzle file holds, every value in range.
struct PuzzleNumbers {
    int cubesize = 0;
    View view;
    int histcount = 0;
    int lastaxis = 0;                // the first line's fifth value, which nothing uses
    std::vector<int> squares;        // squareNumbers(n): squarecolor, squarecopy pairs in file order
    std::vector<HistEntry> history;  // histcount entries, from the top down
    friend bool operator==(const PuzzleNumbers&, const PuzzleNumbers&) = default;
};

// Why a puzzle file is refused: the first fault the reader met.
struct PuzzleProblem {
    enum class Kind { NotANumber, OutOfRange, CutShort };
    Kind kind = Kind::CutShort;
    // NotANumber, OutOfRange: the place of the value at fault, counted from 1.
    // CutShort: how many values the file gives.
    std::size_t value = 0;
    // OutOfRange: what the value stands for ("the size"), the value as the
    // file writes it, and the values it may take ("2..20").
    std::string what, written, allowed;
    // CutShort: how many values the file announces (all five of the first
    // line while that is not whole).
    std::size_t announced = 0;
    friend bool operator==(const PuzzleProblem&, const PuzzleProblem&) = default;
};

// A file's puzzle, or the one reason it is refused whole.
struct PuzzleRead {
    std::optional<PuzzleNumbers> puzzle;
    PuzzleProblem problem;  // when there is no puzzle
};

// Reads a puzzle file's text. Every field must be a number (an optional
// sign, digits and at most one decimal point), made whole with toWhole, and
// in range: a size of 2..20, a view of 1..6 / 1..4, a history length of
// 0..kMaxFileHistory, a header axis of 0..3, square colours (either array)
// of 1..6 and 8..15, history axes of 1..3 and coordinates of 1..n. The file
// must give every square and every history entry its first line announces;
// numbers after those are not read. The program never writes a short file,
// so a short file is a damaged one.
PuzzleRead parsePuzzle(std::string_view text);

// The sentence that tells the player why `file` is refused:
// "x.cube is not a puzzle: value 1 (the size) is 99, not 2..20."
std::string problemSentence(const PuzzleProblem& problem, std::string_view file);

// Reads and parses the puzzle file at `path`. When it cannot be had,
// `refusal` is the one sentence that says why (the file named as `path`
// names it), as the load panel and --solve both tell it.
struct PuzzleFile {
    std::optional<PuzzleNumbers> puzzle;
    std::string refusal;
};
PuzzleFile readPuzzle(const std::filesystem::path& path);

// The load's writes: the square pairs in file order into `squarecolor` and
// `squarecopy` of the puzzle's cube, and its history entries (the top one
// first in the file) into indexes histcount down to 1, with `histcount`.
void applySquares(const PuzzleNumbers& p, Cube& cube);
void applyHistory(const PuzzleNumbers& p, History& history);

}  // namespace vx
