#pragma once
// Reading the game from its dumps, the clicks a player makes, and settings.
#include <string>

#include "support/script_run.h"

namespace vx::test {

// Every face of one colour.
inline bool solved(const Json& d) {
    for (const Json& face : d["faces"].array())
        for (const Json& row : face.array())
            for (const Json& colour : row.array())
                if (colour != face[0][0]) return false;
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
inline std::string caption(const Json& d, const char* control) { return d["controls"][control]["caption"].string(); }

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
