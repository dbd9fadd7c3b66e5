#pragma once
// Reading the game from its dumps, the clicks a player makes, and settings.
#include <string>

#include "support/script_run.h"

namespace vx::test {

// squarecolor(a, b, f) as a dump shows it.
inline int square(const Json& d, int a, int b, int f) {
    return d["faces"][static_cast<std::size_t>(f - 1)][static_cast<std::size_t>(b - 1)][static_cast<std::size_t>(a - 1)]
        .integer();
}

inline bool solved(const Json& d) {
    const int n = d["cubesize"].integer();
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a)
                if (square(d, a, b, f) != square(d, 1, 1, f)) return false;
    return true;
}

// A click on the middle of front-face cell (c, r).
inline std::string clickCell(const Json& d, int c, int r, const char* button) {
    const Json& g = d["geometry"];
    const int s = g["squarewidth"].integer();
    const int x = g["cubeleft"].integer() + (c - 1) * s + s / 2;
    const int y = g["cubetop"].integer() + (r - 1) * s + s / 2;
    return "click " + std::to_string(x) + " " + std::to_string(y) + " " + button + "\n";
}

// The clicks (and whole-cube turns) that undo a dump's history from the top,
// for a player looking at the cube in the standard view: every click is the
// turn its entry records, so each pops the entry.
inline std::string undoByClicks(const Json& d) {
    const int n = d["cubesize"].integer();
    std::string script;
    const auto& history = d["history"].array();
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        const int axis = (*it)[0].integer(), x = (*it)[1].integer(), y = (*it)[2].integer();
        if (axis == 1) script += clickCell(d, x, y, "left");
        if (axis == 3) script += clickCell(d, x, y, "right");
        if (axis == 2)  // from the right face, where these layers are columns
            script += "key left\n" + clickCell(d, n + 1 - x, n + 1 - y, "left") + "key right\n";
    }
    return script;
}

inline bool visible(const Json& d, const char* control) { return d["controls"][control]["visible"].boolean(); }
inline bool checked(const Json& d, const char* item) { return d["menu"][item]["checked"].boolean(); }
inline bool enabled(const Json& d, const char* item) { return d["menu"][item]["enabled"].boolean(); }
inline std::string caption(const Json& d, const char* control) { return d["controls"][control]["caption"].string(); }
inline std::string text(const Json& d, const char* control) { return d["controls"][control]["text"].string(); }

// A settings line: ten numbers in print form and the empty eleventh field.
inline std::string settingsLine(std::initializer_list<double> fields) {
    std::string line;
    for (double v : fields) {
        std::string n = std::to_string(v);
        n.erase(n.find_last_not_of('0') + 1);
        if (n.back() == '.') n.pop_back();
        line += (v < 0 ? "" : " ") + n + " ";
    }
    return line + "\r\n";
}

// Settings for an n-cube scrambled `turns` turns at start-up (paced by
// `tenths`), shown in the standard view, not in draw-mode.
inline std::string scrambledStart(int n, double turns, double tenths = 0) {
    return settingsLine({10, 9, 12, 13, 14, 15, static_cast<double>(n), turns, tenths, 0});
}
inline std::string solvedStart(int n = 3) { return scrambledStart(n, 0); }

}  // namespace vx::test
