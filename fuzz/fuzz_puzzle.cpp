// Any bytes as a puzzle file: reading never crashes, a file that is accepted
// loads without touching memory outside the cube and the history, and a
// complete file saved again reads back as the same numbers.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/puzzle_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the size in force before the load.
    const int sizeInForce = vx::kMinCubeSize + data[0] % (vx::kMaxCubeSize - vx::kMinCubeSize + 1);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto p = vx::parsePuzzle(text);
    if (!p) return 0;

    const int n = p->header.size() >= 1 ? p->header[0] : sizeInForce;
    const int histcount = p->header.size() >= 4 ? p->header[3] : 0;
    vx::Cube cube;
    vx::History history;
    vx::applySquares(*p, n, cube);
    vx::applyHistory(*p, histcount, history);
    // Only the entries the file reached: a huge claimed length with nothing
    // behind it would only make the fuzzer slow.
    history.histcount = static_cast<int>(std::min<std::size_t>(histcount, (p->history.size() + 2) / 3));
    const vx::View view{p->header.size() >= 2 ? p->header[1] : 1, p->header.size() >= 3 ? p->header[2] : 1};
    const std::string saved = vx::formatPuzzle(n, view, history, cube);

    if (p->complete()) {
        const auto again = vx::parsePuzzle(saved);
        if (!again || !again->complete()) std::abort();
        vx::PuzzleNumbers want = *p;
        // The header axis is written from the top entry.
        want.header[4] = histcount > 0 ? p->history[0] : 0;
        if (*again != want) std::abort();
    }
    return 0;
}
