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
    for (const auto& [box, name] : cases) {
        EXPECT_EQ(puzzleName(box), name) << '"' << box << '"';
    }
    EXPECT_EQ(puzzleFileName("abc"), "abc.cube");
}

// A name that is empty once cut would save a hidden ".cube" no list shows.
TEST(PuzzleName, RefusesNamesThatAreEmptyOnceCut) {
    for (const char* box : {".x", ".", "..", "   ", "", " .x", "\t.mine"})
        EXPECT_EQ(puzzleName(box), std::nullopt) << '"' << box << '"';
}

TEST(PuzzleName, RefusesNamesThatLeaveTheWorkingDirectory) {
    const std::string refused[] = {"a/b",   "a\\b", "/etc/passwd", " /x",   "\\\\server", std::string("a\0b", 3),
                                   "ab.c/d", "x.\\y", "../x",       "..\\x", "esc\x1b",    "tab\tx",
                                   "cr\rx",  "lf\nx", "del\x7f",    "bell\a"};
    for (const std::string& box : refused) EXPECT_EQ(puzzleName(box), std::nullopt) << '"' << box << '"';
}

}  // namespace
}  // namespace vx
