// The puzzle file: its layout byte for byte, round trips at every size, and
// damaged files (cut anywhere, values out of range) read as far as they go
// or refused whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
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

// What was saved loads as it was, the way the load panel does it into a
// fresh state: saved again it is the same file.
TEST(PuzzleRoundTrip, EverySizeWithShortAndLongHistories) {
    for (int n : {2, 3, 9, 20})
        for (int histcount : {0, 1, 4000}) {
            SCOPED_TRACE("n = " + std::to_string(n) + ", histcount = " + std::to_string(histcount));
            const std::string text = randomPuzzle(n, histcount, static_cast<unsigned>(n * 100003 + histcount)).text(n);
            const auto p = parsePuzzle(text);
            ASSERT_TRUE(p && p->complete());
            Puzzle loaded;
            loaded.view = {p->header[1], p->header[2]};
            loaded.history.histcount = p->header[3];
            applySquares(*p, p->header[0], loaded.cube);
            applyHistory(*p, loaded.history.histcount, loaded.history);
            EXPECT_EQ(loaded.text(p->header[0]), text);
        }
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
    EXPECT_EQ(p.text(2), " 2  5  3  2  3 \r\n"
                         " 10 \r\n 14 \r\n 1 \r\n 14 \r\n 10 \r\n 14 \r\n 10 \r\n 14 \r\n"
                         " 9 \r\n 13 \r\n 9 \r\n 13 \r\n 9 \r\n 13 \r\n 9 \r\n 13 \r\n"
                         " 12 \r\n 12 \r\n 12 \r\n 12 \r\n 12 \r\n 12 \r\n 12 \r\n 12 \r\n"
                         " 13 \r\n 11 \r\n 13 \r\n 11 \r\n 13 \r\n 11 \r\n 13 \r\n 11 \r\n"
                         " 14 \r\n 10 \r\n 14 \r\n 10 \r\n 14 \r\n 10 \r\n 14 \r\n 10 \r\n"
                         " 15 \r\n 9 \r\n 15 \r\n 9 \r\n 15 \r\n 8 \r\n 15 \r\n 9 \r\n"
                         " 3 \r\n 2 \r\n 1 \r\n"   // the top entry first
                         " 1 \r\n 2 \r\n 1 \r\n");
}

// True when `part` is `whole` cut short, its last value possibly cut in the
// middle of its digits.
bool isCutOf(const std::vector<int>& part, const std::vector<int>& whole) {
    if (part.size() > whole.size()) return false;
    if (part.empty()) return true;
    const std::size_t last = part.size() - 1;
    return std::equal(part.begin(), part.begin() + static_cast<long>(last), whole.begin()) &&
           std::to_string(whole[last]).starts_with(std::to_string(part[last]));
}

TEST(DamagedPuzzle, CutAtEveryByteKeepsWhatItDidNotReach) {
    const std::string text = randomPuzzle(2, 3, 42).text(2);
    const auto full = parsePuzzle(text);
    ASSERT_TRUE(full && full->complete());
    const std::size_t lastDigit = text.find_last_not_of(" \r\n") + 1;
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        // Every number of a 2-cube file cut in its digits is still in range.
        const auto p = parsePuzzle(std::string_view(text).substr(0, cut));
        ASSERT_TRUE(p);
        EXPECT_EQ(p->complete(), cut >= lastDigit);
        EXPECT_TRUE(isCutOf(p->header, full->header) && isCutOf(p->squares, full->squares) &&
                    isCutOf(p->history, full->history));
        EXPECT_TRUE(p->squares.empty() || p->header.size() == 5u);
        EXPECT_TRUE(p->history.empty() || p->squares.size() == 48u);
        // What the file reached goes in, the rest keeps what was there.
        Cube cube;
        for (int f = 1; f <= 6; ++f) cube.setSquarecolor(1, 1, f, 7);
        applySquares(*p, 2, cube);
        EXPECT_EQ(cube.squarecolor(1, 1, 1), p->squares.empty() ? 7 : p->squares[0]);
        EXPECT_EQ(cube.squarecolor(1, 1, 6), p->squares.size() > 40 ? p->squares[40] : 7);
    }
}

TEST(DamagedPuzzle, OutOfRangeValuesRefuseTheFile) {
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
    ASSERT_TRUE(parsePuzzle(joined(good)));

    const std::size_t square = 5;          // squarecolor(1, 1, 1)
    const std::size_t copy = 5 + 107;      // squarecopy(3, 3, 6)
    const std::size_t axis = 113;          // the top entry (3, 1, 2)
    const std::size_t col = 114, row = 115;
    const std::size_t lowAxis = 116, lowRow = 118;  // the entry (1, 2, 3)
    const std::tuple<std::size_t, const char*, const char*> cases[] = {
        {0, "1", "size 1"},           {0, "21", "size 21"},         {0, "-3", "negative size"},
        {1, "0", "front face 0"},     {1, "7", "front face 7"},     {2, "0", "turn 0"},
        {2, "5", "turn 5"},           {3, "-1", "negative length"}, {3, "1000001", "length above the cap"},
        {3, "99999999999", "huge length"}, {4, "4", "header axis 4"}, {4, "-1", "header axis -1"},
        {square, "7", "colour 7"},    {square, "0", "colour 0"},    {square, "16", "colour 16"},
        {square, "x", "no number"},   {copy, "7", "copy 7"},        {copy, "0", "copy 0"},
        {copy, "16", "copy 16"},      {axis, "0", "axis 0"},        {axis, "4", "axis 4"},
        {col, "4", "col N + 1"},      {col, "0", "col 0"},          {row, "4", "row N + 1"},
        {row, "0", "row 0"},          {lowAxis, "4", "axis 4 lower down"}, {lowRow, "-2", "row -2 lower down"},
    };
    for (const auto& [field, value, what] : cases) {
        std::vector<std::string> fields = good;
        fields[field] = value;
        EXPECT_EQ(parsePuzzle(joined(fields)), std::nullopt) << what;
        // Refused also when the file stops right after the bad value.
        fields.resize(field + 1);
        EXPECT_EQ(parsePuzzle(joined(fields)), std::nullopt) << what << ", cut after it";
    }
}

}  // namespace
}  // namespace vx
