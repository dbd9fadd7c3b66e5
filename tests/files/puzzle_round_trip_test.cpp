#include <gtest/gtest.h>

#include "files/numbers.h"
#include "files/puzzle_file.h"
#include "puzzle_samples.h"

namespace vx {
namespace {

using test::Puzzle;

// Loads a puzzle text the way the load panel does, into a fresh state.
Puzzle load(const std::string& text) {
    Puzzle loaded;
    const auto p = parsePuzzle(text);
    EXPECT_TRUE(p.has_value());
    if (!p) return loaded;
    EXPECT_TRUE(p->complete());
    loaded.n = p->header[0];
    loaded.view = {p->header[1], p->header[2]};
    loaded.history.histcount = p->header[3];
    applySquares(*p, loaded.n, loaded.cube);
    applyHistory(*p, loaded.history.histcount, loaded.history);
    return loaded;
}

void expectSame(const Puzzle& want, const Puzzle& got) {
    ASSERT_EQ(got.n, want.n);
    EXPECT_EQ(got.view, want.view);
    ASSERT_EQ(got.history.histcount, want.history.histcount);
    int wrongSquares = 0;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= want.n; ++b)
            for (int a = 1; a <= want.n; ++a)
                if (got.cube.squarecolor(a, b, f) != want.cube.squarecolor(a, b, f) ||
                    got.cube.squarecopy(a, b, f) != want.cube.squarecopy(a, b, f))
                    ++wrongSquares;
    EXPECT_EQ(wrongSquares, 0);
    int wrongEntries = 0;
    for (int k = 1; k <= want.history.histcount; ++k)
        if (got.history.at(k) != want.history.at(k)) ++wrongEntries;
    EXPECT_EQ(wrongEntries, 0);
}

TEST(PuzzleRoundTrip, EverySizeWithShortAndLongHistories) {
    for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n)
        for (int histcount : {0, 1, 2, 4000}) {
            SCOPED_TRACE("n = " + std::to_string(n) + ", histcount = " + std::to_string(histcount));
            const Puzzle saved = test::randomPuzzle(n, histcount, static_cast<unsigned>(n * 100003 + histcount));
            const std::string text = formatPuzzle(n, saved.view, saved.history, saved.cube);
            expectSame(saved, load(text));
            // A file saved again after loading is the same file.
            const Puzzle loaded = load(text);
            EXPECT_EQ(formatPuzzle(loaded.n, loaded.view, loaded.history, loaded.cube), text);
        }
}

TEST(PuzzleRoundTrip, HeaderAxisIsTheTopEntrysAxis) {
    Puzzle p = test::randomPuzzle(4, 0, 1);
    p.history.push({2, 1, 4});
    p.history.push({3, 4, 2});
    auto numbers = parsePuzzle(formatPuzzle(4, p.view, p.history, p.cube));
    ASSERT_TRUE(numbers);
    EXPECT_EQ(numbers->header[4], 3);
    // Entries are written from the top down.
    EXPECT_EQ(numbers->history, (std::vector<int>{3, 4, 2, 2, 1, 4}));

    p.history.clear();
    numbers = parsePuzzle(formatPuzzle(4, p.view, p.history, p.cube));
    ASSERT_TRUE(numbers);
    EXPECT_EQ(numbers->header[4], 0);
}

TEST(PuzzleLayout, ThreeCubeHolds113PlusThreeNumbersAnEntry) {
    for (int histcount : {0, 1, 7, 500}) {
        const Puzzle p = test::randomPuzzle(3, histcount, 7);
        const std::string text = formatPuzzle(3, p.view, p.history, p.cube);
        EXPECT_EQ(splitFields(text).size(), 113u + 3u * histcount);
        // Five numbers on the first line, one on every other.
        std::size_t lines = 0;
        for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
        EXPECT_EQ(lines, 1u + 108u + 3u * histcount);
        EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
        EXPECT_TRUE(text.ends_with(" \r\n"));
    }
}

TEST(PuzzleLayout, TwoCubeWithTwoEntriesByteForByte) {
    Cube cube;
    const int colour[7] = {0, 10, 9, 12, 13, 14, 15};
    const int copy[7] = {0, 14, 13, 12, 11, 10, 9};
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= 2; ++b)
            for (int a = 1; a <= 2; ++a) {
                cube.setSquarecolor(a, b, f, colour[f]);
                cube.setSquarecopy(a, b, f, copy[f]);
            }
    cube.setSquarecolor(2, 1, 1, 1);   // the second square of face 1
    cube.setSquarecopy(1, 2, 6, 8);    // the third square of face 6
    History history;
    history.push({1, 2, 1});
    history.push({3, 2, 1});

    std::string want = " 2  5  3  2  3 \r\n";
    const char* faceLines[7] = {
        "",
        " 10 \r\n 14 \r\n 1 \r\n 14 \r\n 10 \r\n 14 \r\n 10 \r\n 14 \r\n",
        " 9 \r\n 13 \r\n 9 \r\n 13 \r\n 9 \r\n 13 \r\n 9 \r\n 13 \r\n",
        " 12 \r\n 12 \r\n 12 \r\n 12 \r\n 12 \r\n 12 \r\n 12 \r\n 12 \r\n",
        " 13 \r\n 11 \r\n 13 \r\n 11 \r\n 13 \r\n 11 \r\n 13 \r\n 11 \r\n",
        " 14 \r\n 10 \r\n 14 \r\n 10 \r\n 14 \r\n 10 \r\n 14 \r\n 10 \r\n",
        " 15 \r\n 9 \r\n 15 \r\n 9 \r\n 15 \r\n 8 \r\n 15 \r\n 9 \r\n",
    };
    for (int f = 1; f <= 6; ++f) want += faceLines[f];
    want += " 3 \r\n 2 \r\n 1 \r\n";   // the top entry first
    want += " 1 \r\n 2 \r\n 1 \r\n";

    EXPECT_EQ(formatPuzzle(2, View{5, 3}, history, cube), want);
}

}  // namespace
}  // namespace vx
