#include <gtest/gtest.h>

#include <string>

#include "files/puzzle_name.h"

namespace vx {
namespace {

TEST(PuzzleName, TakesTheTextUpToItsFirstDot) {
    const std::pair<std::string, std::string> cases[] = {
        {"abc.def", "abc"}, {"my.cube", "my"}, {"my", "my"},    {".x", ""},     {"  my", "my"},
        {"\tmy", "my"},     {"a.b.c", "a"},    {"my name", "my name"}, {"my ", "my "}, {"   ", ""},
        {"..", ""},         {"ab.c/d", "ab"}, {"../x", ""},
    };
    for (const auto& [box, name] : cases) {
        EXPECT_EQ(puzzleName(box), name) << '"' << box << '"';
    }
    EXPECT_EQ(puzzleFileName("abc"), "abc.cube");
    EXPECT_EQ(puzzleFileName(""), ".cube");
}

TEST(PuzzleName, RefusesNamesThatLeaveTheWorkingDirectory) {
    const std::string refused[] = {"a/b", "a\\b", "/etc/passwd", " /x", "\\\\server", std::string("a\0b", 3)};
    for (const std::string& box : refused) EXPECT_EQ(puzzleName(box), std::nullopt) << '"' << box << '"';
}

}  // namespace
}  // namespace vx
