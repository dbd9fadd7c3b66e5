// The program itself: its arguments, its exit statuses, a script on a pipe.
#include <gtest/gtest.h>

#include "support/script_run.h"

namespace vx::test {
namespace {

TEST(Program, ReadsAScriptFromStandardInputAndAnswersEachLine) {
    ScriptFolder folder;
    const ScriptResult r =
        folder.runProgram(VEXELCUBE_PATH, "echo one\ndump\n", {"--script", "-", "--clock", "5", "--client", "1024x700"});
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0], "one");
    const Json d = Json::parse(r.lines[1]);
    EXPECT_EQ(d["surface"]["width"].integer(), 1024);
    EXPECT_EQ(d["surface"]["height"].integer(), 700);
    EXPECT_EQ(r.errors, "") << "no chatter of the toolkit on standard error";
}

TEST(Program, ExitStatusesOfAScriptFile) {
    ScriptFolder folder;
    folder.write("good.txt", "echo fine\n");
    folder.write("bad.txt", "echo fine\njump\necho never\n");
    const struct {
        std::vector<std::string> args;
        int status;
        std::vector<std::string> lines;
    } cases[] = {
        {{"--script", "good.txt"}, 0, {"fine"}},
        {{"--script", "bad.txt"}, 2, {"fine"}},
        {{"--script", "missing.txt"}, 2, {}},
    };
    for (const auto& c : cases) {
        const ScriptResult r = folder.runProgram(VEXELCUBE_PATH, "", c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1];
        EXPECT_EQ(r.lines, c.lines) << c.args[1];
    }
}

TEST(Program, BadArgumentsGiveTheUsageAndStatusTwo) {
    const std::vector<std::string> bad[] = {
        {"--bogus"}, {"--script"}, {"--script", "-", "--client", "800"}, {"--script", "-", "--client", "0x560"},
        {"--script", "-", "--client", "99999x560"}, {"--script", "-", "--clock", "soon"},
    };
    ScriptFolder folder;
    for (const auto& args : bad) {
        const ScriptResult r = folder.runProgram(VEXELCUBE_PATH, "echo ran\n", args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_TRUE(r.lines.empty()) << args.back();
        EXPECT_NE(r.errors.find("usage"), std::string::npos) << args.back();
    }
}

}  // namespace
}  // namespace vx::test
