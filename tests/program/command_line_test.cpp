// The program itself, run as the player's shell or the desktop runs it: its
// arguments and exit statuses, a script on a pipe, where --data-folder keeps
// the settings and puzzles, --solve, and a start with no display.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cube/random.h"
#include "files/puzzle_file.h"
#include "solver/notation.h"
#include "solver/solver.h"
#include "support/script_run.h"
#include "support/solved_cube.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

void put(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

struct Outcome {
    int status = -1;
    std::string out, err;
};

// A scratch folder holding a working directory and a home folder, both empty.
class Scratch : public ScriptFolder {
public:
    Scratch() : root(path()) {
        fs::create_directories(work());
        fs::create_directories(home());
    }
    fs::path work() const { return root / "work"; }
    fs::path home() const { return root / "home"; }

    // Runs the program in work() with `env` (assignments for env(1), ROOT
    // standing for the scratch folder), `args` and standard input, on Qt's
    // offscreen platform unless `unset` (options -u NAME of env(1)) and `env`
    // say otherwise.
    Outcome run(std::string env, const std::string& args, const std::string& input = "",
                const std::string& unset = "") const {
        for (std::size_t at; (at = env.find("ROOT")) != std::string::npos;) env.replace(at, 4, root.string());
        write("in", input);
        const std::string platform = unset.empty() ? " QT_QPA_PLATFORM=offscreen" : "";
        const std::string command = "cd '" + work().string() + "' && timeout 60 env -u XDG_DATA_HOME " + unset +
                                    " HOME='" + home().string() + "' " + env + platform + " '" VEXELCUBE_PATH "' " +
                                    args + " < ../in > ../out 2> ../err";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read("out"), read("err")};
    }

    const fs::path root;
};

struct ArgumentCase {
    const char* args;
    int status;
    const char* out;  // a part of standard output ("" for none at all)
    const char* err;  // a part of standard error ("" for none at all)
};

void PrintTo(const ArgumentCase& c, std::ostream* os) { *os << c.args; }

class Arguments : public testing::TestWithParam<ArgumentCase> {};

TEST_P(Arguments, AnswerWithTheirStatusAndText) {
    const ArgumentCase& c = GetParam();
    const Scratch scratch;
    put(scratch.work() / "good.txt", "echo fine\n");
    put(scratch.work() / "bad.txt", "echo fine\njump\necho never\n");
    const Outcome r = scratch.run("", c.args, "echo ran\ndump\n");
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_TRUE(*c.out ? contains(r.out, c.out) : r.out.empty()) << r.out;
    EXPECT_TRUE(*c.err ? contains(r.err, c.err) : r.err.empty()) << r.err;
    // Nothing but a script with --data-folder starts the game in its folder.
    EXPECT_FALSE(fs::exists(scratch.home() / ".local"));
}

// A script on a pipe is answered line by line, with no chatter of the
// toolkit on standard error.
INSTANTIATE_TEST_SUITE_P(CommandLine, Arguments,
                         testing::ValuesIn(std::vector<ArgumentCase>{
                             {"--help", 0, "Usage: vexelcube [OPTION]...\n", ""},
                             {"--version", 0, "vexelcube " VEXELCUBE_VERSION "\n", ""},
                             {"--data-folder --version", 0, "vexelcube ", ""},
                             {"--bogus", 2, "", "unknown option --bogus"},
                             {"--bogus --help", 2, "", "usage: vexelcube"},
                             {"--script", 2, "", "--script needs a value"},
                             {"--script - --client 800", 2, "", "--client"},
                             {"--script - --client 0x560", 2, "", "usage: vexelcube"},
                             {"--script - --client 99999x560", 2, "", "--client"},
                             {"--script - --clock noon", 2, "", "--clock"},
                             {"--script - --clock 5", 0, "ran\n{", ""},
                             {"--script - --client 1024x700", 0, "\"surface\":{\"width\":1024,\"height\":700}", ""},
                             {"--script good.txt", 0, "fine\n", ""},
                             {"--script bad.txt", 2, "fine\n", "line 2"},
                             {"--script missing.txt", 2, "", "missing.txt"}}));

struct FolderCase {
    const char* name;
    const char* env;     // with ROOT standing for the scratch folder
    const char* folder;  // where the game's files go, under ROOT
};

class DataFolder : public testing::TestWithParam<FolderCase> {};

TEST_P(DataFolder, IsMadeAndHoldsTheSettings) {
    const FolderCase& c = GetParam();
    const Scratch scratch;
    const fs::path folder = scratch.root / c.folder;
    put(scratch.work() / "save.txt", "menu savesettings\necho saved\n");
    const Outcome r = scratch.run(c.env, "--data-folder --script save.txt --clock 5");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "saved\n");
    // Made on the first start, for its owner only; the settings went there.
    struct stat st {};
    ASSERT_EQ(stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(fs::exists(folder / "vexelcz.settings"));
    EXPECT_FALSE(fs::exists(scratch.work() / "vexelcz.settings"));

    // The next start reads them there, not from the working directory.
    put(folder / "vexelcz.settings", " 10  9  12  13  14  15  5  0  0  0 \r\n");
    put(scratch.work() / "vexelcz.settings", " 10  9  12  13  14  15  4  0  0  0 \r\n");
    put(folder / "mine.cube", "");
    const Outcome again = scratch.run(c.env, "--data-folder --script - --clock 5", "menu loadpuzzle\ndump\n");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_TRUE(contains(again.out, "\"cubesize\":5,")) << again.out;
    EXPECT_TRUE(contains(again.out, "\"entries\":[\"mine.cube\"]")) << again.out;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, DataFolder,
    testing::Values(FolderCase{"Xdg", "XDG_DATA_HOME=ROOT/xdg", "xdg/vexelcube"},
                    FolderCase{"Home", "", "home/.local/share/vexelcube"},
                    FolderCase{"RelativeXdgIsIgnored", "XDG_DATA_HOME=xdg", "home/.local/share/vexelcube"},
                    FolderCase{"EmptyXdgIsIgnored", "XDG_DATA_HOME=", "home/.local/share/vexelcube"}),
    [](const testing::TestParamInfo<FolderCase>& info) { return info.param.name; });

TEST(DataFolder, ThatCannotBeMadeIsRefusedWithTheReason) {
    const Scratch scratch;
    put(scratch.home() / ".local", "a file where a folder should be");
    const Outcome r = scratch.run("", "--data-folder --script -", "menu savesettings\necho saved\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(contains(r.err, (scratch.home() / ".local/share/vexelcube").string())) << r.err;
    EXPECT_FALSE(fs::exists(scratch.work() / "vexelcz.settings"));
    EXPECT_EQ(scratch.read("home/.local"), "a file where a folder should be");
}

// vexelcube --solve FILE.cube, as a cuber runs it: the printed moves, read
// back in cubing notation and made on the puzzle's cube, solve it; cubes no
// turns can solve and files that are no puzzle get their own statuses.

std::string puzzleText(const Cube& c, int n) { return formatPuzzle(n, {1, 1}, History{}, c); }

// Reads moves in cubing notation with face 1 in front, face 2 on top and
// face 6 on the right (x to the right, y up, z towards the viewer).
std::vector<PhysicalMove> readNotation(const std::string& text, int n) {
    std::vector<PhysicalMove> moves;
    std::istringstream in(text);
    for (std::string token; in >> token;) {
        std::size_t at = 0;
        int depth = 0;
        while (at < token.size() && std::isdigit(static_cast<unsigned char>(token[at])))
            depth = depth * 10 + (token[at++] - '0');
        const std::size_t face = std::string("LRDUBF").find(token.at(at++));
        EXPECT_NE(face, std::string::npos) << token;
        const bool high = face % 2 == 1;
        // Clockwise seen from the face: against the axis for R, U, F.
        const int quarter = (high ? -1 : 1) * (at < token.size() && token[at] == '\'' ? -1 : 1);
        const int count = at < token.size() && token[at] == '2' ? 2 : 1;
        const int layer = high ? n + 1 - std::max(depth, 1) : std::max(depth, 1);
        for (int i = 0; i < count; ++i) moves.push_back({static_cast<int>(face / 2), layer, quarter});
    }
    return moves;
}

TEST(SolveCommand, PrintsMovesThatSolveTheCube) {
    const Scratch scratch;
    Random rnd;
    for (int n : {2, 3, 4}) {
        Cube cube = solvedCube(n);
        cube.turnWhole(1, 1, n);  // not held as the game starts
        for (int i = 0; i < 80; ++i) cube.turn({rnd.upTo(3) - 1, rnd.upTo(n), rnd.upTo(2) == 1 ? 1 : -1}, n);
        put(scratch.work() / "mine.cube", puzzleText(cube, n));
        const Outcome r = scratch.run("", "--solve mine.cube");
        ASSERT_EQ(r.status, 0) << n << ": " << r.err;
        // The program's solution is the one the game's computer works out.
        EXPECT_EQ(r.out, solver::signNotation(solver::solve(cube, n).moves, n) + "\n") << n;
        EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << "one line";
        for (const PhysicalMove& m : readNotation(r.out, n)) cube.turn(m, n);
        EXPECT_TRUE(cube.solved(n)) << n << ": " << r.out;
    }
    put(scratch.work() / "done.cube", puzzleText(solvedCube(3), 3));
    EXPECT_EQ(scratch.run("", "--solve done.cube").out, "\n") << "a solved cube needs no moves";
}

TEST(SolveCommand, RefusesACubeNoTurnsCanSolve) {
    const Scratch scratch;
    Cube flipped = solvedCube(3);
    // The edge between the front's top row and the top's front row.
    flipped.setSquarecolor(2, 1, 1, 9);
    flipped.setSquarecolor(2, 3, 2, 10);
    put(scratch.work() / "flipped.cube", puzzleText(flipped, 3));
    const Outcome r = scratch.run("", "--solve flipped.cube");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
}

// A file the game would not load is refused with the very sentence its load
// panel shows (the load cases of file_cases_test.cpp), on one line, with
// status 2.
TEST(SolveCommand, RefusesWhatTheLoadPanelRefusesInTheSameWords) {
    const Scratch scratch;
    const std::string whole = puzzleText(solvedCube(3), 3);
    put(scratch.work() / "short.cube", whole.substr(0, whole.size() / 2));
    put(scratch.work() / "words.cube", "not a puzzle\r\n");
    put(scratch.work() / "range.cube", " 3  7  1  0  0 \r\n");
    put(scratch.work() / "nothing.cube", "");
    put(scratch.work() / "big.cube", whole);
    fs::resize_file(scratch.work() / "big.cube", std::size_t{65} << 20);  // sparse: no disk used
    fs::create_directory(scratch.work() / "folder.cube");
    ASSERT_EQ(::mkfifo((scratch.work() / "pipe.cube").c_str(), 0600), 0);
    const struct {
        const char* file;
        const char* sentence;  // what --solve and the load panel both say after "vexelcube: "
    } cases[] = {
        {"short.cube", "short.cube is cut short: it ends after 59 of the 113 values it announces."},
        {"words.cube", "words.cube is not a puzzle: value 1 is not a number."},
        {"range.cube", "range.cube is not a puzzle: value 2 (the view's front face) is 7, not 1..6."},
        {"nothing.cube", "nothing.cube holds no numbers."},
        {"big.cube", "big.cube is too large to be a file of the game."},
        {"folder.cube", "folder.cube is not a regular file."},
        {"pipe.cube", "pipe.cube is not a regular file."},
        {"/dev/zero", "/dev/zero is not a regular file."},
        {"missing.cube", "There is no file missing.cube."},
    };
    for (const auto& c : cases) {
        const Outcome r = scratch.run("", std::string("--solve ") + c.file);
        EXPECT_EQ(r.status, 2) << c.file;
        EXPECT_EQ(r.out, "") << c.file;
        EXPECT_EQ(r.err, "vexelcube: " + std::string(c.sentence) + "\n");
    }
}

// With no display to open the window on (none named, or one that cannot be
// reached), the program says so in one line and ends with status 1, also
// when its folder cannot be made (that reason first).
TEST(NoDisplay, OneLineAndStatusOne) {
    constexpr const char* kUnreachable = ":4711";
    ASSERT_FALSE(fs::exists("/tmp/.X11-unix/X4711")) << "a display " << kUnreachable << " is there";
    const Scratch scratch;
    const struct {
        const char* unset;
        std::string env;
        const char* args;
    } cases[] = {
        {"-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM", "", ""},
        {"-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM", std::string("DISPLAY=") + kUnreachable, ""},
        {"-u WAYLAND_DISPLAY", std::string("DISPLAY=") + kUnreachable + " QT_QPA_PLATFORM=xcb", ""},
        {"-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM", "", "--data-folder"},
    };
    const std::string line =
        "vexelcube: no display could be opened for the window; --script and --solve work without one\n";
    for (const auto& c : cases) {
        const Outcome r = scratch.run(c.env, c.args, "", c.unset);
        EXPECT_TRUE(r.status == 1 && r.err == line && r.out.empty())
            << c.unset << ' ' << c.env << ' ' << c.args << ": " << r.status << ' ' << r.err << r.out;
    }
    const Scratch noFolder;
    put(noFolder.home() / ".local", "a file where a folder should be");
    const Outcome r = noFolder.run("", "--data-folder", "", "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.starts_with("vexelcube: cannot make the game's folder ")) << r.err;
    EXPECT_TRUE(r.err.ends_with(line)) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
}

}  // namespace
}  // namespace vx::test
