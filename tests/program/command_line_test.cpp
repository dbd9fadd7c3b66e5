// The program's command line, run as the player's shell or the desktop runs
// it: --help, --version, wrong options, where --data-folder keeps the
// settings and puzzles, and --solve.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cube/cube.h"
#include "cube/random.h"
#include "files/puzzle_file.h"
#include "support/solved_cube.h"

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void put(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

struct Outcome {
    int status = -1;
    std::string out, err;
};

// A scratch folder holding a working directory, a home folder and an XDG
// data folder, all empty.
class Scratch {
public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "vexel-cli-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
        root = pattern;
        fs::create_directories(work());
        fs::create_directories(home());
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path work() const { return root / "work"; }
    fs::path home() const { return root / "home"; }

    // Runs the program in work() with `env` (assignments for env(1)) and `args`.
    Outcome run(const std::string& env, const std::string& args) const {
        const std::string command = "cd '" + work().string() + "' && env -u XDG_DATA_HOME HOME='" + home().string() +
                                    "' " + env + " QT_QPA_PLATFORM=offscreen '" VEXELCUBE_PATH "' " + args +
                                    " > '" + (root / "out").string() + "' 2> '" + (root / "err").string() + "'";
        Outcome r;
        const int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(root / "out");
        r.err = slurp(root / "err");
        return r;
    }

    fs::path root;
};

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

struct ArgumentCase {
    const char* args;
    int status;
    const char* out;  // a part of standard output ("" for none expected)
    const char* err;  // a part of standard error
};

void PrintTo(const ArgumentCase& c, std::ostream* os) { *os << c.args; }

class Arguments : public testing::TestWithParam<ArgumentCase> {};

TEST_P(Arguments, AnswerWithTheirStatusAndText) {
    const ArgumentCase& c = GetParam();
    const Scratch scratch;
    const Outcome r = scratch.run("", c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_TRUE(contains(r.out, c.out)) << r.out;
    EXPECT_TRUE(contains(r.err, c.err)) << r.err;
    if (c.status == 2) {
        EXPECT_EQ(r.out, "");
    } else {
        EXPECT_EQ(r.err, "");
    }
    // Asking about the program never starts the game.
    EXPECT_FALSE(fs::exists(scratch.home() / ".local"));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Arguments,
    testing::Values(ArgumentCase{"--help", 0, "--data-folder", ""},
                    ArgumentCase{"--help", 0, "Usage: vexelcube [OPTION]...\n", ""},
                    ArgumentCase{"--version", 0, "vexelcube " VEXELCUBE_VERSION "\n", ""},
                    ArgumentCase{"--data-folder --version", 0, "vexelcube ", ""},
                    ArgumentCase{"--bogus", 2, "", "unknown option --bogus"},
                    ArgumentCase{"--bogus --help", 2, "", "usage: vexelcube"},
                    ArgumentCase{"--script", 2, "", "--script needs a value"},
                    ArgumentCase{"--script - --client 0x560", 2, "", "--client"},
                    ArgumentCase{"--script - --clock noon", 2, "", "--clock"}),
    [](const testing::TestParamInfo<ArgumentCase>& info) {
        std::string name = std::to_string(info.index) + "_";
        for (const char* p = info.param.args; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

// Face colours, size 5, no scramble, no pacing, draw-mode off.
const std::string kSizeFive = " 10  9  12  13  14  15  5  0  0  0 \r\n";

struct FolderCase {
    const char* name;
    const char* env;     // with ROOT standing for the scratch folder
    const char* folder;  // where the game's files go, under ROOT
};

void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.env; }

class DataFolder : public testing::TestWithParam<FolderCase> {};

std::string withRoot(std::string s, const fs::path& root) {
    for (std::size_t at; (at = s.find("ROOT")) != std::string::npos;) s.replace(at, 4, root.string());
    return s;
}

TEST_P(DataFolder, IsMadeAndHoldsTheSettings) {
    const FolderCase& c = GetParam();
    const Scratch scratch;
    const fs::path folder = scratch.root / c.folder;
    put(scratch.work() / "save.txt", "menu savesettings\necho saved\n");
    const Outcome r = scratch.run(withRoot(c.env, scratch.root), "--data-folder --script save.txt --clock 5");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "saved\n");
    // Made on the first start, for its owner only; the settings went there.
    struct stat st {};
    ASSERT_EQ(stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(fs::exists(folder / "vexelcz.settings"));
    EXPECT_FALSE(fs::exists(scratch.work() / "vexelcz.settings"));

    // The next start reads them there, not from the working directory.
    put(folder / "vexelcz.settings", kSizeFive);
    put(scratch.work() / "vexelcz.settings", " 10  9  12  13  14  15  4  0  0  0 \r\n");
    put(folder / "mine.cube", "");
    put(scratch.work() / "size.txt", "menu loadpuzzle\ndump\n");
    const Outcome again = scratch.run(withRoot(c.env, scratch.root), "--data-folder --script size.txt --clock 5");
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

TEST(DataFolder, WithoutTheOptionTheWorkingDirectoryHoldsTheFiles) {
    const Scratch scratch;
    put(scratch.work() / "save.txt", "menu savesettings\n");
    const Outcome r = scratch.run("", "--script save.txt --clock 5");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(scratch.work() / "vexelcz.settings"));
    EXPECT_FALSE(fs::exists(scratch.home() / ".local"));
}

TEST(DataFolder, ThatCannotBeMadeIsRefusedWithTheReason) {
    const Scratch scratch;
    put(scratch.home() / ".local", "a file where a folder should be");
    put(scratch.work() / "save.txt", "menu savesettings\necho saved\n");
    const Outcome r = scratch.run("", "--data-folder --script save.txt");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(contains(r.err, (scratch.home() / ".local/share/vexelcube").string())) << r.err;
    EXPECT_FALSE(fs::exists(scratch.work() / "vexelcz.settings"));
    EXPECT_EQ(slurp(scratch.home() / ".local"), "a file where a folder should be");
}

// vexelcube --solve FILE.cube, as a cuber runs it: the printed moves, read
// back in cubing notation and made on the puzzle's cube, solve it; cubes no
// turns can solve and files that are no puzzle get their own statuses.

using vx::Cube;
using vx::PhysicalMove;
using vx::test::solvedCube;

std::string puzzleText(const Cube& c, int n) { return vx::formatPuzzle(n, {1, 1}, vx::History{}, c); }

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
        if (depth == 0) depth = 1;
        const std::string faces = "LRDUBF";
        const std::size_t face = faces.find(token.at(at++));
        EXPECT_NE(face, std::string::npos) << token;
        const int axis = static_cast<int>(face / 2);
        const bool high = face % 2 == 1;
        const int layer = high ? n + 1 - depth : depth;
        // Clockwise seen from the face: against the axis for R, U, F.
        int quarter = high ? -1 : 1;
        int count = 1;
        if (at < token.size() && token[at] == '2') count = 2;
        if (at < token.size() && token[at] == '\'') quarter = -quarter;
        for (int i = 0; i < count; ++i) moves.push_back({axis, layer, quarter});
    }
    return moves;
}

TEST(SolveCommand, PrintsMovesThatSolveTheCube) {
    const Scratch scratch;
    vx::Random rnd;
    for (int n : {2, 3, 4}) {
        Cube cube = solvedCube(n);
        cube.turnWhole(1, 1, n);  // not held as the game starts
        for (int i = 0; i < 80; ++i) cube.turn({rnd.upTo(3) - 1, rnd.upTo(n), rnd.upTo(2) == 1 ? 1 : -1}, n);
        put(scratch.work() / "mine.cube", puzzleText(cube, n));
        const Outcome r = scratch.run("", "--solve mine.cube");
        ASSERT_EQ(r.status, 0) << n << ": " << r.err;
        ASSERT_EQ(r.out.back(), '\n');
        EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << "one line";
        for (const PhysicalMove& m : readNotation(r.out, n)) cube.turn(m, n);
        EXPECT_TRUE(cube.solved(n)) << n << ": " << r.out;
    }
}

TEST(SolveCommand, ASolvedCubeNeedsNoMoves) {
    const Scratch scratch;
    put(scratch.work() / "done.cube", puzzleText(solvedCube(3), 3));
    const Outcome r = scratch.run("", "--solve done.cube");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "\n");
}

TEST(SolveCommand, RefusesCubesNoTurnsCanSolveAndFilesThatAreNoPuzzle) {
    const Scratch scratch;
    Cube flipped = solvedCube(3);
    // The edge between the front's top row and the top's front row.
    flipped.setSquarecolor(2, 1, 1, 9);
    flipped.setSquarecolor(2, 3, 2, 10);
    put(scratch.work() / "flipped.cube", puzzleText(flipped, 3));
    Outcome r = scratch.run("", "--solve flipped.cube");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");

    const std::string whole = puzzleText(solvedCube(3), 3);
    put(scratch.work() / "short.cube", whole.substr(0, whole.size() / 2));
    put(scratch.work() / "words.cube", "not a puzzle\r\n");
    for (const char* name : {"short.cube", "words.cube", "missing.cube"}) {
        r = scratch.run("", std::string("--solve ") + name);
        EXPECT_EQ(r.status, 2) << name;
        EXPECT_EQ(r.out, "") << name;
        EXPECT_NE(r.err.find(name), std::string::npos) << r.err;
    }
}

}  // namespace
