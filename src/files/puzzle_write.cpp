#include <algorithm>

#include "files/numbers.h"
#include "files/puzzle_file.h"

namespace vx {

std::string formatPuzzle(int n, View view, const History& history, const Cube& cube) {
    const int histcount = std::max(history.histcount, 0);
    constexpr const char* kLineEnd = "\r\n";

    std::string out;
    // About six bytes a number (" 12 " and the line end).
    out.reserve(6 * (5 + squareNumbers(n) + 3 * static_cast<std::size_t>(histcount)));

    for (int value : {n, view.face, view.turn, histcount, history.at(histcount).axis}) appendPrintForm(out, value);
    out += kLineEnd;

    const auto line = [&](int value) {
        appendPrintForm(out, value);
        out += kLineEnd;
    };
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) {
                line(cube.squarecolor(a, b, f));
                line(cube.squarecopy(a, b, f));
            }
    for (int k = histcount; k >= 1; --k) {
        const HistEntry e = history.at(k);
        line(e.axis);
        line(e.col);
        line(e.row);
    }
    return out;
}

}  // namespace vx
