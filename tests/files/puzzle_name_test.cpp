#include <gtest/gtest.h>

#include <string>

#include "files/puzzle_name.h"

namespace vx {
namespace {

TEST(PuzzleName, TakesTheTextUpToItsFirstDot) {
    const std::pair<std::string, std::string> cases[] = {
        {"abc.def", "abc"}, {"my.cube", "my"}, {"my", "my"},    {"  my", "my"},
        {"\tmy", "my"},     {"a.b.c", "a"},    {"my name", "my name"}, {"my ", "my "}, {"x.", "x"},
    };
    for (const auto& [box, name] : cases) EXPECT_EQ(puzzleName(box), name) << '"' << box << '"';
    EXPECT_EQ(puzzleFileName("abc"), "abc.cube");
}

// Refused: a name that is empty once cut (it would save a hidden ".cube" no
// list shows), or one that would leave the working directory or holds a
// control character.
TEST(PuzzleName, RefusesNamesNoListWouldShow) {
    const std::string refused[] = {".x",     ".",      "..",         "   ",    "",           " .x",
                                   "\t.mine", "a/b",   "a\\b",       "/etc/passwd", " /x", "\\\\server",
                                   std::string("a\0b", 3), "ab.c/d", "x.\\y", "../x", "..\\x", "esc\x1b",
                                   "tab\tx",  "cr\rx",  "lf\nx",     "del\x7f", "bell\a"};
    for (const std::string& box : refused) EXPECT_EQ(puzzleName(box), std::nullopt) << '"' << box << '"';
}

}  // namespace
}  // namespace vx
