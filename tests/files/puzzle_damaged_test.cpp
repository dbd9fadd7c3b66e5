#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/numbers.h"
#include "files/puzzle_file.h"
#include "puzzle_samples.h"

namespace vx {
namespace {

// Applies what a text holds over the pattern state, as a load does.
struct Applied {
    Cube cube;
    History history;
};

Applied applyOverPattern(const PuzzleNumbers& p, int fallbackSize, int oldHistcount) {
    Applied s;
    test::fillWithPattern(s.cube, s.history, oldHistcount);
    const int n = p.header.size() >= 1 ? p.header[0] : fallbackSize;
    const int histcount = p.header.size() >= 4 ? p.header[3] : 0;
    applySquares(p, n, s.cube);
    applyHistory(p, histcount, s.history);
    return s;
}

// True when `part` is `whole` cut short, its last value possibly cut in the
// middle of its digits.
bool isCutOf(const std::vector<int>& part, const std::vector<int>& whole) {
    if (part.size() > whole.size()) return false;
    for (std::size_t i = 0; i + 1 < part.size(); ++i)
        if (part[i] != whole[i]) return false;
    if (part.empty()) return true;
    const std::string last = std::to_string(part.back());
    return std::to_string(whole[part.size() - 1]).starts_with(last);
}

TEST(DamagedPuzzle, CutAtEveryByteKeepsWhatItDidNotReach) {
    test::Puzzle saved = test::randomPuzzle(2, 3, 42);
    const std::string text = formatPuzzle(2, saved.view, saved.history, saved.cube);
    const auto full = parsePuzzle(text);
    ASSERT_TRUE(full);
    ASSERT_TRUE(full->complete());

    const std::size_t lastDigit = text.find_last_not_of(" \r\n") + 1;
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        // Every number of a 2-cube file cut in its digits is still in range.
        const auto p = parsePuzzle(std::string_view(text).substr(0, cut));
        ASSERT_TRUE(p);
        EXPECT_EQ(p->complete(), cut >= lastDigit);
        EXPECT_TRUE(isCutOf(p->header, full->header));
        EXPECT_TRUE(isCutOf(p->squares, full->squares));
        EXPECT_TRUE(isCutOf(p->history, full->history));
        if (!p->squares.empty()) {
            EXPECT_EQ(p->header.size(), 5u);
        }
        if (!p->history.empty()) {
            EXPECT_EQ(p->squares.size(), 48u);
        }

        const Applied s = applyOverPattern(*p, 2, 3);
        std::size_t i = 0;
        for (int f = 1; f <= 6; ++f)
            for (int b = 1; b <= 2; ++b)
                for (int a = 1; a <= 2; ++a, i += 2) {
                    const int colour = i < p->squares.size() ? p->squares[i] : 7;
                    const int copy = i + 1 < p->squares.size() ? p->squares[i + 1] : 7;
                    ASSERT_EQ(s.cube.squarecolor(a, b, f), colour);
                    ASSERT_EQ(s.cube.squarecopy(a, b, f), copy);
                }
        // Entries are read from the top (3) down; the rest keep (9, 99, 99).
        for (int k = 1; k <= 3; ++k) {
            const std::size_t at = 3 * static_cast<std::size_t>(3 - k);
            const auto value = [&](std::size_t j, int old) { return j < p->history.size() ? p->history[j] : old; };
            const HistEntry want{value(at, 9), value(at + 1, 99), value(at + 2, 99)};
            EXPECT_EQ(s.history.at(k), want) << "entry " << k;
        }
        // Nothing outside the cube's faces or above the history is touched.
        EXPECT_EQ(s.cube.squarecolor(3, 1, 1), 7);
        EXPECT_EQ(s.cube.squarecolor(1, 1, 7), 7);
        EXPECT_EQ(s.history.at(0), (HistEntry{9, 99, 99}));
    }
}

TEST(DamagedPuzzle, CompleteHeaderAndCutSquaresKeepsTheOldSquares) {
    // A 5-cube file whose squares stop after face 2, loaded over a 3-cube.
    test::Puzzle saved = test::randomPuzzle(5, 10, 5);
    const std::string text = formatPuzzle(5, saved.view, saved.history, saved.cube);
    const std::vector<std::string_view> fields = splitFields(text);
    std::string cut;
    for (std::size_t i = 0; i < 5 + 2 * 2 * 25; ++i) cut += std::string(fields[i]) + " ";

    const auto p = parsePuzzle(cut);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->header.size(), 5u);
    EXPECT_EQ(p->squares.size(), 100u);
    EXPECT_TRUE(p->history.empty());

    test::Puzzle old = test::randomPuzzle(5, 12, 6);
    applySquares(*p, 5, old.cube);
    applyHistory(*p, p->header[3], old.history);
    const test::Puzzle before = test::randomPuzzle(5, 12, 6);
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= 5; ++b)
            for (int a = 1; a <= 5; ++a) {
                const Cube& want = f <= 2 ? saved.cube : before.cube;
                EXPECT_EQ(old.cube.squarecolor(a, b, f), want.squarecolor(a, b, f));
                EXPECT_EQ(old.cube.squarecopy(a, b, f), want.squarecopy(a, b, f));
            }
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(old.history.at(k), before.history.at(k));
}

TEST(DamagedPuzzle, NumbersBeyondTheHistoryAreIgnored) {
    test::Puzzle saved = test::randomPuzzle(3, 2, 9);
    const std::string text = formatPuzzle(3, saved.view, saved.history, saved.cube);
    const auto p = parsePuzzle(text + " 77 \r\n garbage 0 -1\r\n");
    ASSERT_TRUE(p);
    EXPECT_EQ(p, parsePuzzle(text));
}

TEST(DamagedPuzzle, ReadsSeparatorsAndFractionsLikeAnyNumberFile) {
    test::Puzzle saved = test::randomPuzzle(2, 1, 3);
    const std::string text = formatPuzzle(2, saved.view, saved.history, saved.cube);
    std::string commas, lf, padded;
    for (std::string_view field : splitFields(text)) {
        commas += std::string(field) + ",";
        lf += std::string(field) + "\n";
        padded += std::string(field) + std::string(14 - field.size(), ' ');
    }
    EXPECT_EQ(parsePuzzle(commas), parsePuzzle(text));
    EXPECT_EQ(parsePuzzle(lf), parsePuzzle(text));
    EXPECT_EQ(parsePuzzle(padded), parsePuzzle(text));

    // Fields are whole numbers by rounding half to even: 2.5 -> 2, 1.5 -> 2.
    const auto p = parsePuzzle("2.5 1.5 0.6 0 0");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->header, (std::vector<int>{2, 2, 1, 0, 0}));
}

// A valid 3-cube file with two entries as a list of fields, to damage one
// number at a time.
std::vector<std::string> validFields() {
    test::Puzzle saved = test::randomPuzzle(3, 2, 11);
    saved.history[1] = {1, 2, 3};
    saved.history[2] = {3, 1, 2};
    const std::string text = formatPuzzle(3, saved.view, saved.history, saved.cube);
    std::vector<std::string> fields;
    for (std::string_view f : splitFields(text)) fields.emplace_back(f);
    return fields;
}

std::string joined(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& f : fields) text += " " + f + " \r\n";
    return text;
}

TEST(DamagedPuzzle, OutOfRangeValuesRefuseTheFile) {
    const std::size_t square = 5;          // squarecolor(1, 1, 1)
    const std::size_t copy = 5 + 107;      // squarecopy(3, 3, 6)
    const std::size_t axis = 113;          // the top entry (3, 1, 2)
    const std::size_t col = 114, row = 115;
    const std::size_t lowAxis = 116, lowRow = 118;  // the entry (1, 2, 3)
    struct Case {
        std::size_t field;
        const char* value;
        const char* what;
    };
    const Case cases[] = {
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
    const std::vector<std::string> good = validFields();
    ASSERT_EQ(good.size(), 119u);
    ASSERT_TRUE(parsePuzzle(joined(good)));
    for (const Case& c : cases) {
        std::vector<std::string> fields = good;
        fields[c.field] = c.value;
        EXPECT_EQ(parsePuzzle(joined(fields)), std::nullopt) << c.what;
        // Refused also when the file stops right after the bad value.
        fields.resize(c.field + 1);
        EXPECT_EQ(parsePuzzle(joined(fields)), std::nullopt) << c.what << ", cut after it";
    }
}

TEST(DamagedPuzzle, ValuesAtTheEdgesOfTheirRangesAreAccepted) {
    struct Case {
        std::size_t field;
        const char* value;
    };
    const Case cases[] = {
        {1, "1"}, {1, "6"}, {2, "1"}, {2, "4"}, {4, "0"}, {4, "3"}, {5, "1"}, {5, "6"}, {5, "8"},
        {5, "15"}, {113, "1"}, {113, "3"}, {114, "1"}, {114, "3"}, {115, "1"}, {115, "3"},
    };
    const std::vector<std::string> good = validFields();
    for (const Case& c : cases) {
        std::vector<std::string> fields = good;
        fields[c.field] = c.value;
        EXPECT_TRUE(parsePuzzle(joined(fields))) << "field " << c.field << " = " << c.value;
    }
    // The longest history a file may claim: the file simply ends early.
    std::vector<std::string> fields = good;
    fields[3] = std::to_string(kMaxFileHistory);
    const auto p = parsePuzzle(joined(fields));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->history.size(), 6u);
    EXPECT_FALSE(p->complete());
}

TEST(DamagedPuzzle, SizeFromTheHeaderSetsTheRanges) {
    // One entry (1, c, c) after the squares of an n-cube.
    const auto file = [](int n, int c) {
        std::vector<std::string> fields = {std::to_string(n), "1", "1", "1", "1"};
        for (int i = 0; i < 12 * n * n; ++i) fields.emplace_back("9");
        for (int v : {1, c, c}) fields.push_back(std::to_string(v));
        return joined(fields);
    };
    EXPECT_TRUE(parsePuzzle(file(5, 5)));
    EXPECT_EQ(parsePuzzle(file(4, 5)), std::nullopt);
    EXPECT_TRUE(parsePuzzle(file(20, 20)));
    EXPECT_EQ(parsePuzzle(file(20, 21)), std::nullopt);
    EXPECT_TRUE(parsePuzzle(file(2, 2)));
    EXPECT_EQ(parsePuzzle(file(2, 3)), std::nullopt);
}

}  // namespace
}  // namespace vx
