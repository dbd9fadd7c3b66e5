// Whole games played through the script mode, each held to a transcript of
// all it shows and leaves (game/golden/NAME.txt), pictures taken with blank
// texts. After an intended change, rerun with VEXEL_GOLDEN_UPDATE=1
// (test_game --gtest_filter='Games/Golden*') and review the diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>

#include <nlohmann/json.hpp>

#include "game/game_support.h"
#include "shell/form.h"
#include "support/test_glyphs.h"

namespace vx::test {
namespace {

// Every menu item but Quit, and every button, check box and text box.
const std::vector<std::string> kMenus = [] {
    std::vector<std::string> names(kMenuNames.begin(), kMenuNames.end());
    std::erase(names, "quit");
    return names;
}();
std::vector<std::string> controlsOf(ControlKind kind) {
    std::vector<std::string> names;
    for (const Control& c : makeMainForm().controls)
        if (c.kind == kind) names.push_back(c.name);
    return names;
}
const std::vector<std::string> kButtons = controlsOf(ControlKind::Button);
const std::vector<std::string> kBoxes = controlsOf(ControlKind::CheckBox);
const std::vector<std::string> kTextBoxes = controlsOf(ControlKind::TextBox);
const char* const kKeys[] = {"left", "up", "right", "down", "b", "r", "t", "13", "65", "200"};
const char* const kNames[] = {"p1", "p2.cube", "p3.x", "", " p4", ".", "../up", "a/b", "ü-é", "p1"};

class Player {
public:
    explicit Player(unsigned seed) : rng_(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    template <class List>
    std::string any(const List& list) {
        return list[pick(static_cast<int>(std::size(list)))];
    }

    std::string text() {
        const int kind = pick(4);
        if (kind == 0) return std::to_string(pick(200) - 50);
        if (kind == 1) return any(kNames);
        std::string s;
        for (int i = pick(6); i > 0; --i) s += static_cast<char>(' ' + pick(95));
        return s;
    }

    std::string event() {
        const int kind = pick(16);
        if (kind < 4) {  // mostly on the cube
            const int x = pick(4) == 0 ? pick(900) - 50 : 230 + pick(240);
            const int y = pick(4) == 0 ? pick(650) - 50 : 210 + pick(240);
            return "click " + std::to_string(x) + " " + std::to_string(y) + (pick(2) ? " left\n" : " right\n");
        }
        if (kind < 6) return "key " + any(kKeys) + "\n";
        if (kind < 8) return "menu " + any(kMenus) + "\n";
        if (kind < 10) return "press " + any(kButtons) + "\n";
        if (kind == 10) return "toggle " + any(kBoxes) + "\n";
        if (kind == 11) return "type " + any(kTextBoxes) + " " + text() + "\n";
        if (kind == 12) return std::string("select File") + (pick(2) ? "1 " : "2 ") + kNames[pick(3)] + ".cube\n";
        if (kind == 13) return "wait " + std::to_string(1 + pick(3)) + "\n";
        if (kind == 14) return pick(2) ? "settle\n" : "dump\n";
        return scenario();
    }

    // A few events a player makes together: a save, a load, a new count.
    std::string scenario() {
        const std::string name = any(kNames);
        switch (pick(4)) {
        case 0: return "menu savepuzzle\ntype Text4 " + name + "\npress Command10\n";
        case 1: return "menu loadpuzzle\nselect File2 " + name + ".cube\npress Command8\n";
        case 2: return "menu difficulty\ntype Text1 " + std::to_string(pick(12)) + "\npress Command3\nmenu newpuzzle\n";
        default: return "menu choosetime\ntype Text2 " + std::to_string(pick(3)) + "\npress Command5\n";
        }
    }

private:
    std::mt19937 rng_;
};

// Closes whatever panel is open, has the computer solve and leaves draw-mode
// (which holds the computer back until it ends).
const char* const kCheckpoint =
    "press Command3\npress Command5\npress Command11\npress Command9\npress Command2\npress Command1\n"
    "menu choosetime\ntype Text2 0\npress Command5\nmenu usolve\nmenu csolve\nmenu messup\nsettle\ndump\n"
    "echo checkpoint\n";

std::string randomPlay(unsigned seed, int events) {
    Player player(seed);
    std::string script;
    for (int i = 1; i <= events; ++i) {
        script += player.event();
        if (i % 400 == 0) script += kCheckpoint;
    }
    return script + kCheckpoint;
}

// The centres of the front cells of a 3-cube at 800x560: column (row) k at
// 272 + 76 (k - 1) across (251 + 76 (k - 1) down).
std::string click(int col, int row, const char* button) {
    return "click " + std::to_string(272 + 76 * (col - 1)) + " " + std::to_string(251 + 76 * (row - 1)) + " " + button +
           "\ndump\n";
}

// The script so far, then the clicks that undo what its last dump shows.
std::string thenSolveByHand(const ScriptFolder& folder, const std::string& script) {
    return script + undoByClicks(folder.run(script + "dump\n").lastDump()) + "dump\n";
}

struct Scenario {
    const char* name;
    std::string settings;  // the settings file at the start, if any
    std::function<std::string(const ScriptFolder&)> script;
    std::vector<std::string> args = {"--clock", "1000"};
};

std::vector<Scenario> scenarios() {
    const std::string game2 = settingsLine({10, 9, 12, 13, 14, 15, 3, 2, 0, 0});
    return {
        {"startup", "", [](auto&) { return "dump\npng start.png\n"; }},
        {"startup_settings", settingsLine({1, 2, 3, 4, 5, 6, 5, 7, 0.5, 1}), [](auto&) { return "dump\n"; }},
        {"clicks_and_keys", solvedStart(),
         [](auto&) {
             std::string s;
             for (int col = 1; col <= 3; ++col)
                 for (int row = 1; row <= 3; ++row) s += click(col, row, "left") + click(col, row, "right");
             s += click(1, 1, "left") + click(1, 3, "left");  // a turn and its undo
             for (const char* key : {"left", "up", "right", "down", "r", "t", "66", "98", "114"})
                 s += std::string("key ") + key + "\n" + click(3, 1, "right");
             return s + "click 234 251 left\nclick 310 251 left\nclick 272 240 left\ndump\n";
         }},
        {"computer_paced", settingsLine({10, 9, 12, 13, 14, 15, 3, 6, 1, 0}),
         [](auto&) { return "menu csolve\nwait 3\ndump\nsettle\ndump\nkey left\nkey r\ndump\n"; }},
        {"computer_one_move", settingsLine({10, 9, 12, 13, 14, 15, 4, 9, 0, 0}),
         [](auto&) { return "key b\ndump\nkey b\ndump\nclick 50 110 left\nsettle\ndump\nclick 50 40 left\ndump\n"; }},
        {"game", game2,
         [](const ScriptFolder& f) {
             std::string s = thenSolveByHand(f, "menu gamemode\nsettle\n");
             s = thenSolveByHand(f, s + "click 272 251 left\npress Command6\nsettle\n");
             return s + "menu choosecolors\npress Command1\nmenu gamemode\nmenu createp\nkey b\npress Command7\ndump\n";
         }},
        {"game_turned_and_solved_again", game2,
         [](const ScriptFolder& f) {
             const std::string s = thenSolveByHand(f, "menu gamemode\nsettle\n");
             return thenSolveByHand(f, s + "press Command7\nmenu gamemode\nsettle\n") +
                    "menu newpuzzle\nsettle\ndump\n";
         }},
        {"draw_save_load", solvedStart(),
         [](auto&) {
             return "menu createp\n" + click(2, 2, "left") + click(1, 3, "right") +
                    "menu messup\nmenu savepuzzle\ntype Text4 mine.x\npress Command10\n"
                    "menu savepuzzle\ntype Text4 a/b\npress Command10\npress Command11\n"
                    "menu newpuzzle\nmenu loadpuzzle\nselect File2 mine.cube\npress Command8\ndump\n"
                    "menu csolve\nsettle\ndump\nmenu savepuzzle\ntype Text4 solved\npress Command10\ndump\npng "
                    "solved.png\n";
         }},
        {"load_into_game", solvedStart(5),
         [](auto&) {
             return "menu createp\n" + click(2, 2, "left") +
                    "menu messup\nmenu savepuzzle\ntype Text4 p\n"
                    "press Command10\nmenu by3\nmenu newpuzzle\nmenu gamemode\nsettle\nmenu loadpuzzle\n"
                    "select File2 p.cube\npress Command8\nsettle\ndump\nmenu csolve\nmenu usolve\nmenu gamemode\n"
                    "settle\ndump\n";
         }},
        {"panels_and_settings", "",
         [](auto&) {
             return "menu choosecolors\ntoggle Check35\ntoggle Check43\ndump\ntoggle Check35\ntoggle "
                    "Check36\ndump\npress Command1\n"
                    "menu choosecolors\npress Command4\npress Command1\ndump\nmenu choosecolors\npress Command2\n"
                    "toggle Check2\ntoggle Check4\npress Command1\nmenu difficulty\ntype Text1 1x2\nmenu csolve\n"
                    "press Command3\nmenu choosetime\ntype Text2 2.55\npress Command5\nmenu by5\nmenu by12\n"
                    "menu by7\nmenu savesettings\nmenu newpuzzle\nsettle\ndump\n"
                    "menu fgdfg\nmenu sizeofcube\nmenu quit\necho never\n";
         }},
        {"sizes", "",
         [](auto&) {
             std::string s;
             for (const char* size : {"by2", "by20", "by11", "by4"})
                 s += std::string("menu ") + size +
                      "\nmenu newpuzzle\nsettle\nclick 300 260 left\n"
                      "click 300 260 right\nkey up\nmenu csolve\nsettle\nmenu usolve\ndump\n";
             return s;
         }},
        {"wide_window",
         "",
         [](auto&) { return "menu csolve\nsettle\ndump\nmenu usolve\nclick 554 323 left\ndump\n"; },
         {"--clock", "9", "--client", "1366x700"}},
        {"narrow_window",
         "",
         [](auto&) { return "menu csolve\nsettle\ndump\n"; },
         {"--clock", "9", "--client", "333x700"}},
        {"random_player_1", "", [](auto&) { return randomPlay(1, 3000); }, {"--clock", "1"}},
        {"random_player_2", "", [](auto&) { return randomPlay(2, 3000); }, {"--clock", "2"}},
        {"random_player_3", "", [](auto&) { return randomPlay(3, 3000); }, {"--clock", "3"}},
    };
}

std::string hex(std::uint64_t h) {
    char digits[17];
    return {digits, std::to_chars(digits, digits + sizeof digits, h, 16).ptr};
}

constexpr const char* kHexDigits = "0123456789abcdef";

// Bytes as one line: control characters and backslashes escaped.
std::string escaped(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\' || u < 0x20 || u == 0x7f)
            out += c == '\\' ? std::string("\\\\") : std::string{'\\', 'x', kHexDigits[u >> 4], kHexDigits[u & 15]};
        else
            out += c;
    }
    return out;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A cube's faces as one hexadecimal digit a square, rows apart by '/'.
std::string facesText(const nlohmann::ordered_json& faces) {
    std::string out;
    for (const auto& face : faces) {
        out += out.empty() ? "" : " ";
        for (const auto& row : face) {
            if (&row != &face.front()) out += '/';
            for (const auto& colour : row) out += kHexDigits[colour.get<int>() & 15];
        }
    }
    return out;
}

// A big cube's faces by their hash: a game that turns them differently
// changes other lines too (the history, the counts).
std::string valueText(const std::string& key, const nlohmann::ordered_json& v) {
    if (key == "faces") return v.size() == 6 && v[0].size() > 6 ? "hash " + hex(fnv1a(facesText(v))) : facesText(v);
    if (key != "history") return v.dump();
    std::string out = std::to_string(v.size()) + ":";
    for (const auto& e : v)
        out += " " + std::to_string(e[0].get<int>()) + "," + std::to_string(e[1].get<int>()) + "," +
               std::to_string(e[2].get<int>());
    return out;
}

// A dump as the values that changed since the one before (the whole dump the
// first time); the menu's items and the controls one a line, and after that
// each changed property on a line of its own.
void addDump(std::string& out, const nlohmann::ordered_json& d, const nlohmann::ordered_json& before) {
    out += "dump\n";
    const nlohmann::ordered_json none;
    for (const auto& [key, v] : d.items()) {
        const auto& old = before.contains(key) ? before[key] : none;
        if (old == v) continue;
        if (!v.is_object() || (key != "menu" && key != "controls")) {
            out += "  " + key + " " + valueText(key, v) + "\n";
            continue;
        }
        for (const auto& [name, item] : v.items()) {
            const auto& was = old.is_object() && old.contains(name) ? old[name] : none;
            if (!was.is_object()) out += "  " + key + "." + name + " " + item.dump() + "\n";
            for (const auto& [property, value] : item.items())
                if (was.is_object() && (!was.contains(property) || was[property] != value))
                    out += "  " + key + "." + name + "." + property + " " + value.dump() + "\n";
        }
    }
}

// A long file by its first lines and its hash.
constexpr std::size_t kFileLinesInFull = 60, kFileLinesShown = 12;

void addFile(std::string& out, const std::string& name, const std::string& bytes) {
    out += "file " + escaped(name) + " (" + std::to_string(bytes.size()) + " bytes)";
    if (name.ends_with(".png")) {
        out += " hash " + hex(fnv1a(bytes)) + "\n";
        return;
    }
    out += "\n";
    const std::vector<std::string> lines = linesOf(bytes);
    const bool whole = lines.size() <= kFileLinesInFull;
    for (std::size_t i = 0; i < (whole ? lines.size() : kFileLinesShown); ++i) out += "  | " + escaped(lines[i]) + "\n";
    if (!whole) out += "  | ... " + std::to_string(lines.size()) + " lines, hash " + hex(fnv1a(bytes)) + "\n";
}

// The warnings, one line a kind: "line N: what" lines that say the same
// thing are given together, with all their line numbers.
void addWarnings(std::string& out, const std::string& errors) {
    std::vector<std::pair<std::string, std::string>> kinds;  // what, the lines
    for (const std::string& line : linesOf(errors)) {
        std::string where, what = line;
        if (line.starts_with("line ") && line.find(": ") != std::string::npos) {
            where = line.substr(5, line.find(": ") - 5);
            what = line.substr(line.find(": ") + 2);
        }
        auto it = std::find_if(kinds.begin(), kinds.end(), [&](const auto& k) { return k.first == what; });
        if (it == kinds.end()) it = kinds.insert(kinds.end(), {what, ""});
        if (!where.empty()) it->second += (it->second.empty() ? "" : " ") + where;
    }
    for (const auto& [what, where] : kinds)
        out += "! " + escaped(what) + (where.empty() ? "" : " (lines " + where + ")") + "\n";
}

// The exit status, every printed line, the warnings, the files in the folder
// and the hash of the last picture.
std::string transcript(const ScriptFolder& folder, const ScriptResult& r) {
    std::string out = "exit " + std::to_string(r.status) + "\n";
    nlohmann::ordered_json before = nlohmann::ordered_json::object();
    for (const std::string& line : r.lines) {
        if (line.starts_with("{")) {
            const auto d = nlohmann::ordered_json::parse(line);
            addDump(out, d, before);
            before = d;
        } else {
            out += "> " + escaped(line) + "\n";
        }
    }
    addWarnings(out, r.errors);
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(folder.path()))
        files[e.path().filename().string()] = folder.read(e.path().filename().string());
    for (const auto& [name, bytes] : files) addFile(out, name, bytes);
    return out + "picture " + hex(r.surfaceHash) + "\n";
}

// The first line where two transcripts differ, to show in a failure.
std::string firstDifference(const std::string& want, const std::string& got) {
    const std::vector<std::string> a = linesOf(want), b = linesOf(got);
    const auto i = static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
    const auto at = [i](const std::vector<std::string>& v) { return i < v.size() ? v[i] : "(the end)"; };
    return "line " + std::to_string(i + 1) + "\n  was: " + at(a) + "\n  now: " + at(b);
}

class Golden : public testing::TestWithParam<Scenario> {};

TEST_P(Golden, PlaysAsBefore) {
    const Scenario& sc = GetParam();
    ScriptFolder folder(sc.settings);
    const std::string script = sc.script(folder);
    const ScriptResult r = folder.run(script, sc.args, blankGlyphs());
    ASSERT_EQ(r.status, 0) << r.errors;
    // At each of the random player's checkpoints the computer has solved the cube.
    for (std::size_t i = 1; i < r.lines.size(); ++i)
        if (r.lines[i] == "checkpoint") {
            EXPECT_TRUE(solved(Json::parse(r.lines[i - 1]))) << "line " << i;
        }
    const std::string got = transcript(folder, r);
    const std::filesystem::path file = std::filesystem::path(VEXEL_GOLDEN_DIR) / (std::string(sc.name) + ".txt");
    if (std::getenv("VEXEL_GOLDEN_UPDATE")) {
        std::ofstream(file, std::ios::binary) << got;
        return;
    }
    std::ifstream in(file, std::ios::binary);
    const std::string want{std::istreambuf_iterator<char>(in), {}};
    EXPECT_TRUE(got == want) << "the game plays differently from " << file.string() << ", first at "
                             << firstDifference(want, got) << "\n(see the top of " << __FILE__ << ")";
}

INSTANTIATE_TEST_SUITE_P(Games, Golden, testing::ValuesIn(scenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vx::test
