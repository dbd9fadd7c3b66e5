#include "files/puzzle_name.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

// A name the player types for a new puzzle is cut at its first dot.
TEST(PuzzleName, TakesTheTextUpToItsFirstDot) {
    const std::pair<std::string, std::string> cases[] = {
        {"abc.def", "abc"}, {"my.cube", "my"}, {"my", "my"},           {"  my", "my"},
        {"a.b.c", "a"},     {"x.", "x"},       {"my name", "my name"}, {"my ", "my "},
    };
    for (const auto& [box, name] : cases) EXPECT_EQ(puzzleName(box), name) << '"' << box << '"';
    EXPECT_EQ(puzzleFileName("abc"), "abc.cube");
}

// Refused: a name that is empty once cut (it would save a hidden ".cube" no
// list shows), or one that would leave the working directory or holds a
// control character anywhere, from the lowest to the highest (0x1f) and DEL,
// a leading tab too.
TEST(PuzzleName, RefusesNamesNoListWouldShow) {
    const std::string refused[] = {".x",    ".",       "..",          "   ",      "",           " .x",    "\t.mine",
                                   "a/b",   "a\\b",    "/etc/passwd", " /x",      "\\\\server", "ab.c/d", "x.\\y",
                                   "../x",  "..\\x",   "esc\x1b",     "tab\tx",   "\tmy",       " \tmy",  "cr\rx",
                                   "lf\nx", "del\x7f", "bell\a",      "unit\x1f", "\x1fx",      "\x01"};
    for (const std::string& box : refused) EXPECT_EQ(puzzleName(box), std::nullopt) << '"' << box << '"';
    EXPECT_EQ(puzzleName(std::string("a\0b", 3)), std::nullopt);
}

// A file of the folder holds the puzzle its whole name gives, dots, blanks
// and all; only names that end in ".cube" after something are puzzle files.
TEST(PuzzleName, OfAFileIsItsWholeNameWithoutTheExtension) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"x.v2.cube", "x.v2"}, {" lead.cube", " lead"},      {"x.cube", "x"},
        {"..cube", "."},       {"a\tb.cube", "a\tb"},        {".cube", std::nullopt},
        {"x", std::nullopt},   {"x.cube.bak", std::nullopt}, {"x.CUBE", std::nullopt},
    };
    for (const auto& [file, name] : cases) EXPECT_EQ(puzzleNameOfFile(file), name) << '"' << file << '"';
}

}  // namespace
}  // namespace vx
