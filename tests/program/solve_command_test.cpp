// vexelcube --solve FILE.cube, as a cuber runs it: the printed moves, read
// back in cubing notation and made on the puzzle's cube, solve it; cubes no
// turns can solve and files that are no puzzle get their own statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cube/cube.h"
#include "cube/random.h"
#include "files/puzzle_file.h"
#include "support/solved_cube.h"

namespace {

namespace fs = std::filesystem;
using vx::Cube;
using vx::PhysicalMove;
using vx::test::solvedCube;

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class SolveCommand : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vexel-solve-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        root_ = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(root_ / name, std::ios::binary) << bytes;
    }
    Outcome solve(const std::string& name) const {
        const std::string command = "cd '" + root_.string() + "' && '" VEXELCUBE_PATH "' --solve '" + name +
                                    "' > out 2> err";
        Outcome r;
        const int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(root_ / "out");
        r.err = slurp(root_ / "err");
        return r;
    }
    fs::path root_;
};

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

TEST_F(SolveCommand, PrintsMovesThatSolveTheCube) {
    vx::Random rnd;
    for (int n : {2, 3, 4}) {
        Cube cube = solvedCube(n);
        cube.turnWhole(1, 1, n);  // not held as the game starts
        for (int i = 0; i < 80; ++i) cube.turn({rnd.upTo(3) - 1, rnd.upTo(n), rnd.upTo(2) == 1 ? 1 : -1}, n);
        write("mine.cube", puzzleText(cube, n));
        const Outcome r = solve("mine.cube");
        if (n == 4 && r.status == 1) continue;  // no solver for big cubes in this build
        ASSERT_EQ(r.status, 0) << n << ": " << r.err;
        ASSERT_EQ(r.out.back(), '\n');
        EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << "one line";
        for (const PhysicalMove& m : readNotation(r.out, n)) cube.turn(m, n);
        EXPECT_TRUE(cube.solved(n)) << n << ": " << r.out;
    }
}

TEST_F(SolveCommand, ASolvedCubeNeedsNoMoves) {
    write("done.cube", puzzleText(solvedCube(3), 3));
    const Outcome r = solve("done.cube");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "\n");
}

TEST_F(SolveCommand, RefusesCubesNoTurnsCanSolveAndFilesThatAreNoPuzzle) {
    Cube flipped = solvedCube(3);
    // The edge between the front's top row and the top's front row.
    flipped.setSquarecolor(2, 1, 1, 9);
    flipped.setSquarecolor(2, 3, 2, 10);
    write("flipped.cube", puzzleText(flipped, 3));
    Outcome r = solve("flipped.cube");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");

    const std::string whole = puzzleText(solvedCube(3), 3);
    write("short.cube", whole.substr(0, whole.size() / 2));
    write("words.cube", "not a puzzle\r\n");
    for (const char* name : {"short.cube", "words.cube", "missing.cube"}) {
        r = solve(name);
        EXPECT_EQ(r.status, 2) << name;
        EXPECT_EQ(r.out, "") << name;
        EXPECT_NE(r.err.find(name), std::string::npos) << r.err;
    }
}

}  // namespace
