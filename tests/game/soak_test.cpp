// A random player: thousands of random events of every kind, with the
// computer asked now and then to solve whatever the player left. Every seed
// is reproducible; a failure names its seed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "game/game_support.h"

namespace vx::test {
namespace {

const char* const kMenus[] = {"newpuzzle", "loadpuzzle", "savepuzzle", "savesettings", "messup", "createp",
                              "usolve",    "csolve",     "choosetime", "gamemode",     "difficulty",
                              "choosecolors", "by2",     "by3",        "by4",          "by5",   "by7",
                              "by9",       "by12",       "by20",       "options",      "instructions",
                              "fgdfg",     "ghfg",       "largersizes"};
const char* const kButtons[] = {"Command1", "Command2", "Command3", "Command4",  "Command5", "Command6",
                                "Command7", "Command8", "Command9", "Command10", "Command11"};
const char* const kBoxes[] = {"Check35", "Check36", "Check37", "Check38", "Check39", "Check3", "Check4",
                              "Check42", "Check43", "Check44", "Check45", "Check46", "Check1", "Check2"};
const char* const kTextBoxes[] = {"Text1", "Text2", "Text3", "Text4"};
const char* const kKeys[] = {"left", "up", "right", "down", "b", "r", "t", "13", "65", "200"};
const char* const kNames[] = {"p1", "p2.cube", "p3.x", "", " p4", ".", "../up", "a/b", "ü-é", "p1"};

class Player {
public:
    explicit Player(unsigned seed) : rng_(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::string text() {
        const int kind = pick(4);
        if (kind == 0) return std::to_string(pick(200) - 50);
        if (kind == 1) return kNames[pick(std::size(kNames))];
        std::string s;
        for (int i = pick(6); i > 0; --i) s += static_cast<char>(' ' + pick(95));
        return s;
    }

    std::string event() {
        switch (pick(16)) {
        case 0:
        case 1:
        case 2:
        case 3: {  // mostly on the cube
            const int x = pick(4) == 0 ? pick(900) - 50 : 230 + pick(240);
            const int y = pick(4) == 0 ? pick(650) - 50 : 210 + pick(240);
            return "click " + std::to_string(x) + " " + std::to_string(y) + (pick(2) ? " left\n" : " right\n");
        }
        case 4:
        case 5: return std::string("key ") + kKeys[pick(std::size(kKeys))] + "\n";
        case 6:
        case 7: return std::string("menu ") + kMenus[pick(std::size(kMenus))] + "\n";
        case 8:
        case 9: return std::string("press ") + kButtons[pick(std::size(kButtons))] + "\n";
        case 10: return std::string("toggle ") + kBoxes[pick(std::size(kBoxes))] + "\n";
        case 11: return std::string("type ") + kTextBoxes[pick(std::size(kTextBoxes))] + " " + text() + "\n";
        case 12: return std::string("select File") + (pick(2) ? "1 " : "2 ") + kNames[pick(3)] + ".cube\n";
        case 13: return "wait " + std::to_string(1 + pick(3)) + "\n";
        case 14: return pick(2) ? "settle\n" : "dump\n";
        default: return scenario();
        }
    }

    // A few events a player makes together: a save, a load, a new count.
    std::string scenario() {
        const std::string name = kNames[pick(std::size(kNames))];
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

struct Soak {
    unsigned seed;
    int events;
};

class SoakTest : public testing::TestWithParam<Soak> {};

TEST_P(SoakTest, RandomPlayerNeverBreaksTheGameAndTheComputerAlwaysSolves) {
    const Soak soak = GetParam();
    Player player(soak.seed);
    std::string script;
    int checkpoints = 0;
    for (int i = 1; i <= soak.events; ++i) {
        script += player.event();
        if (i % 400 == 0) {
            script += kCheckpoint;
            ++checkpoints;
        }
    }
    script += kCheckpoint;
    ++checkpoints;

    ScriptFolder folder;
    const ScriptResult r = folder.run(script, {"--clock", std::to_string(soak.seed)});
    ASSERT_EQ(r.status, 0) << "seed " << soak.seed << ": " << r.errors.substr(r.errors.size() > 2000 ? r.errors.size() - 2000 : 0);
    int seen = 0;
    for (std::size_t i = 1; i < r.lines.size(); ++i) {
        if (r.lines[i] != "checkpoint") continue;
        const Json d = Json::parse(r.lines[i - 1]);
        ++seen;
        EXPECT_EQ(d["histcount"].integer(), 0) << "seed " << soak.seed << " checkpoint " << seen;
        EXPECT_TRUE(solved(d)) << "seed " << soak.seed << " checkpoint " << seen;
    }
    EXPECT_EQ(seen, checkpoints) << "seed " << soak.seed;
}

// The seeds can be widened from outside: VEXEL_SOAK_SEEDS=N runs N more.
std::vector<Soak> soaks() {
    std::vector<Soak> s = {{1, 5000}, {2, 5000}, {3, 5000}, {4, 5000}};
    if (const char* more = std::getenv("VEXEL_SOAK_SEEDS"))
        for (int i = 0, n = std::atoi(more); i < n; ++i) s.push_back({100u + static_cast<unsigned>(i), 5000});
    return s;
}

INSTANTIATE_TEST_SUITE_P(Seeds, SoakTest, testing::ValuesIn(soaks()),
                         [](const auto& info) { return "seed" + std::to_string(info.param.seed); });

}  // namespace
}  // namespace vx::test
