// Whatever lies in the working directory, start-up, the file lists and the
// load panel carry on.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>

#include "game/game_support.h"

namespace vx::test {
namespace {

TEST(HostileFiles, DamagedPuzzlesAreRefusedAndTheCubeStays) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart());
    const std::pair<const char*, std::string> files[] = {
        {"huge.cube", " 3  1  1  999999999999  1 \r\n"},
        {"junk.cube", std::string("\x00\x01\xfe\xff binary \x7f", 13)},
        {"big.cube", " 99  1  1  0  0 \r\n"},
        {"colour.cube", " 2  1  1  0  0 \r\n 7 \r\n 7 \r\n"},
        {"empty.cube", ""},
        {"negative.cube", " 3  1  1 -5  1 \r\n"},
    };
    std::string script = "dump\n";
    for (const auto& [name, bytes] : files) {
        folder.write(name, bytes);
        script += std::string("menu loadpuzzle\nselect File2 ") + name + "\npress Command8\ndump\n";
    }
    const ScriptResult r = folder.run(script);
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    for (std::size_t i = 1; i < d.size(); ++i) {
        EXPECT_EQ(d[i]["cubesize"].integer(), 3) << i;
        EXPECT_TRUE(solved(d[i])) << i;
        EXPECT_EQ(d[i]["panelopen"].integer(), 0);
    }
    // A file that ends early is read as far as it goes.
    EXPECT_EQ(d.back()["histcount"].integer(), 0);
}

// A short file that would change the cube's size is refused whole: the
// squares it does not give would have no colour.
TEST(HostileFiles, ShortFilesOfAnotherSizeAreRefused) {
    const std::pair<const char*, std::string> files[] = {
        {"empty.cube", ""},
        {"header.cube", " 5  1  1  0  0 \r\n"},
        {"cut.cube", " 7  1  1  0  0 \r\n 10 \r\n 10 \r\n 9 \r\n"},
    };
    for (const auto& [name, bytes] : files) {
        ScriptFolder folder;
        folder.write("vexelcz.settings", solvedStart());
        folder.write(name, bytes);
        const ScriptResult r =
            folder.run(std::string("menu by7\nmenu loadpuzzle\nselect File2 ") + name + "\npress Command8\ndump\n");
        ASSERT_EQ(r.status, 0) << r.errors;
        const Json d = r.lastDump();
        EXPECT_EQ(d["cubesize"].integer(), 3) << name;
        EXPECT_TRUE(solved(d)) << name;
        EXPECT_TRUE(visible(d, "Notice")) << name;
        for (int f = 1; f <= 6; ++f) EXPECT_NE(square(d, 1, 1, f), 0) << name;
    }
}

// Killed saves leave their temporary files; the game clears its own when
// they are more than a minute old, and nothing else.
TEST(HostileFiles, StaleTemporariesOfKilledSavesAreCleared) {
    namespace fs = std::filesystem;
    ScriptFolder folder;
    const std::pair<const char*, bool> files[] = {
        {".x.cube.tmp123", true},       {".vexelcz.settings.tmp9", true}, {".x.cube.tmp", false},
        {".x.cube.tmpabc", false},      {".notes.txt.tmp1", false},       {"x.cube.tmp5", false},
        {".cube.tmp7", false},          {".x.cube.tmp12x", false},
    };
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    for (const auto& [name, stale] : files) {
        folder.write(name, "partial");
        fs::last_write_time(folder.path() / name, old);
    }
    folder.write(".y.cube.tmp456", "a save under way");
    ASSERT_EQ(folder.run("dump\n").status, 0);
    for (const auto& [name, stale] : files) EXPECT_EQ(folder.exists(name), !stale) << name;
    EXPECT_TRUE(folder.exists(".y.cube.tmp456"));
}

TEST(HostileFiles, FoldersLinksAndUnreadableFilesInTheLists) {
    ScriptFolder folder;
    std::filesystem::create_directory(folder.path() / "folder.cube");
    folder.write("locked.cube", " 3  1  1  0  0 \r\n");
    std::filesystem::permissions(folder.path() / "locked.cube", std::filesystem::perms::none);
    std::filesystem::create_symlink("nowhere.cube", folder.path() / "dangling.cube");
    ASSERT_EQ(mkfifo((folder.path() / "pipe.cube").c_str(), 0600), 0);
    const ScriptResult r = folder.run("menu loadpuzzle\ndump\nselect File2 locked.cube\npress Command8\ndump\n"
                                      "menu loadpuzzle\nselect File2 folder.cube\npress Command8\n"
                                      "menu loadpuzzle\nselect File2 pipe.cube\npress Command8\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    // Only regular files are listed.
    std::set<std::string> entries;
    for (const Json& e : d[0]["controls"]["File2"]["entries"].array()) entries.insert(e.string());
    EXPECT_EQ(entries.count("folder.cube"), 0u);
    EXPECT_EQ(entries.count("dangling.cube"), 0u);
    EXPECT_EQ(entries.count("pipe.cube"), 0u);
    EXPECT_EQ(d.back()["panelopen"].integer(), 0);
}

TEST(HostileFiles, SettingsFileThatIsAFolderOrHuge) {
    ScriptFolder folder;
    std::filesystem::create_directory(folder.path() / "vexelcz.settings");
    EXPECT_EQ(folder.run("dump\n").lastDump()["cubesize"].integer(), 3);
    ScriptFolder other;
    other.write("vexelcz.settings", std::string(5 << 20, '9'));
    const ScriptResult r = other.run("dump\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.lastDump()["cubesize"].integer(), 3);
}

}  // namespace
}  // namespace vx::test
