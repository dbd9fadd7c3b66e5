// Any bytes as a puzzle file: reading never crashes; a file is either
// refused with a reason the player can read, or loads whole, and then saved
// again it reads back as the same numbers.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/puzzle_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vx::PuzzleRead read = vx::parsePuzzle(text);
    if (!read.puzzle) {
        if (vx::problemSentence(read.problem, "x.cube").empty()) std::abort();
        return 0;
    }
    const vx::PuzzleNumbers& p = *read.puzzle;
    vx::Cube cube;
    vx::History history;
    vx::applySquares(p, cube);
    vx::applyHistory(p, history);
    const vx::PuzzleRead again = vx::parsePuzzle(vx::formatPuzzle(p.cubesize, p.view, history, cube));
    if (!again.puzzle) std::abort();
    vx::PuzzleNumbers want = p;
    // The first line's axis is written from the top entry.
    want.lastaxis = p.histcount > 0 ? p.history.front().axis : 0;
    if (*again.puzzle != want) std::abort();
    return 0;
}
