// The puzzle file: its layout byte for byte, and damaged files (values out
// of range, cut short right after them) refused whole with the place and
// kind of their first fault. (Files cut short, and round trips through the
// game's save and load panels: file_cases_test.cpp and the golden games.)
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "files/fields.h"
#include "files/puzzle_file.h"

namespace vx {
namespace {

struct Puzzle {
    View view{};
    Cube cube;
    History history;
    std::string text(int n) const { return formatPuzzle(n, view, history, cube); }
};

Puzzle randomPuzzle(int n, int histcount, unsigned seed) {
    constexpr int kSquareColours[] = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    std::mt19937 rng(seed);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    Puzzle p;
    p.view = {pick(1, 6), pick(1, 4)};
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) {
                p.cube.setSquarecolor(a, b, f, kSquareColours[pick(0, 13)]);
                p.cube.setSquarecopy(a, b, f, kSquareColours[pick(0, 13)]);
            }
    for (int k = 0; k < histcount; ++k) p.history.push({pick(1, 3), pick(1, n), pick(1, n)});
    return p;
}

TEST(PuzzleLayout, TwoCubeWithTwoEntriesByteForByte) {
    Puzzle p;
    p.view = {5, 3};
    const int colour[7] = {0, 10, 9, 12, 13, 14, 15}, copy[7] = {0, 14, 13, 12, 11, 10, 9};
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= 2; ++b)
            for (int a = 1; a <= 2; ++a) {
                p.cube.setSquarecolor(a, b, f, colour[f]);
                p.cube.setSquarecopy(a, b, f, copy[f]);
            }
    p.cube.setSquarecolor(2, 1, 1, 1);  // the second square of face 1
    p.cube.setSquarecopy(1, 2, 6, 8);   // the third square of face 6
    p.history.push({1, 2, 1});
    p.history.push({3, 2, 1});
    EXPECT_EQ(p.text(2),
              " 2  5  3  2  3 \r\n"
              " 10 \r\n 14 \r\n 1 \r\n 14 \r\n 10 \r\n 14 \r\n 10 \r\n 14 \r\n"
              " 9 \r\n 13 \r\n 9 \r\n 13 \r\n 9 \r\n 13 \r\n 9 \r\n 13 \r\n"
              " 12 \r\n 12 \r\n 12 \r\n 12 \r\n 12 \r\n 12 \r\n 12 \r\n 12 \r\n"
              " 13 \r\n 11 \r\n 13 \r\n 11 \r\n 13 \r\n 11 \r\n 13 \r\n 11 \r\n"
              " 14 \r\n 10 \r\n 14 \r\n 10 \r\n 14 \r\n 10 \r\n 14 \r\n 10 \r\n"
              " 15 \r\n 9 \r\n 15 \r\n 9 \r\n 15 \r\n 8 \r\n 15 \r\n 9 \r\n"
              " 3 \r\n 2 \r\n 1 \r\n"  // the top entry first
              " 1 \r\n 2 \r\n 1 \r\n");
}

TEST(DamagedPuzzle, TheFirstValueOutOfRangeRefusesTheFile) {
    Puzzle saved = randomPuzzle(3, 2, 11);
    saved.history[1] = {1, 2, 3};
    saved.history[2] = {3, 1, 2};
    const std::string text = saved.text(3);
    std::vector<std::string> good;
    for (std::string_view f : splitFields(text)) good.emplace_back(f);
    const auto joined = [](const std::vector<std::string>& fields) {
        std::string text;
        for (const std::string& f : fields) text += " " + f + " \r\n";
        return text;
    };
    ASSERT_EQ(good.size(), 119u);
    ASSERT_TRUE(parsePuzzle(joined(good)).puzzle);

    using Kind = PuzzleProblem::Kind;
    const std::size_t square = 5;      // squarecolor(1, 1, 1)
    const std::size_t copy = 5 + 107;  // squarecopy(3, 3, 6)
    const std::size_t axis = 113;      // the top entry (3, 1, 2)
    const std::size_t col = 114, row = 115;
    const std::size_t lowAxis = 116, lowRow = 118;  // the entry (1, 2, 3)
    const struct {
        std::size_t field;
        const char* value;
        Kind kind;
        const char* what;  // what the value stands for: a part of PuzzleProblem::what
        const char* allowed;
    } cases[] = {
        {0, "1", Kind::OutOfRange, "size", "2..20"},
        {0, "21", Kind::OutOfRange, "size", "2..20"},
        {1, "0", Kind::OutOfRange, "front face", "1..6"},
        {1, "7", Kind::OutOfRange, "front face", "1..6"},
        {2, "0", Kind::OutOfRange, "turn", "1..4"},
        {2, "5", Kind::OutOfRange, "turn", "1..4"},
        {3, "-1", Kind::OutOfRange, "length", "0..1000000"},
        {3, "1000001", Kind::OutOfRange, "length", "0..1000000"},
        {3, "99999999999", Kind::OutOfRange, "length", "0..1000000"},
        {4, "4", Kind::OutOfRange, "axis", "0..3"},
        {4, "-1", Kind::OutOfRange, "axis", "0..3"},
        {square, "7", Kind::OutOfRange, "color", "1..6 or 8..15"},
        {square, "0", Kind::OutOfRange, "color", "1..6 or 8..15"},
        {square, "16", Kind::OutOfRange, "color", "1..6 or 8..15"},
        {copy, "7", Kind::OutOfRange, "saved color", "1..6 or 8..15"},
        {copy, "16", Kind::OutOfRange, "saved color", "1..6 or 8..15"},
        {axis, "4", Kind::OutOfRange, "entry's axis", "1..3"},
        {col, "4", Kind::OutOfRange, "column", "1..3"},
        {row, "4", Kind::OutOfRange, "row", "1..3"},
        {row, "0", Kind::OutOfRange, "row", "1..3"},
        {lowAxis, "4", Kind::OutOfRange, "entry's axis", "1..3"},
        {lowRow, "-2", Kind::OutOfRange, "row", "1..3"},
        {0, "x", Kind::NotANumber, "", ""},
        {3, "2x", Kind::NotANumber, "", ""},
        {square, "1e1", Kind::NotANumber, "", ""},
        {row, "-", Kind::NotANumber, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " at value " + std::to_string(c.field + 1));
        std::vector<std::string> fields = good;
        fields[c.field] = c.value;
        // Refused the same way also when the file stops right after the bad value.
        for (const std::size_t length : {fields.size(), c.field + 1}) {
            fields.resize(length);
            const PuzzleRead read = parsePuzzle(joined(fields));
            ASSERT_FALSE(read.puzzle);
            EXPECT_EQ(read.problem.kind, c.kind);
            EXPECT_EQ(read.problem.value, c.field + 1);
            if (c.kind != Kind::OutOfRange) continue;
            EXPECT_NE(read.problem.what.find(c.what), std::string::npos) << read.problem.what;
            EXPECT_EQ(read.problem.written, c.value);
            EXPECT_EQ(read.problem.allowed, c.allowed);
        }
    }
}

}  // namespace
}  // namespace vx
