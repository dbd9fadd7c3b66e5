// Whatever lies in the working directory, start-up, the file lists and the
// load panel carry on.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>

#include "game/game_support.h"

namespace vx::test {
namespace {

// Damaged puzzles are refused or read as far as they go; the cube stays
// whole. A short file that would change the cube's size (a 7-cube chosen
// from the menu) is refused whole: the squares it does not give would have
// no colour.
TEST(HostileFiles, DamagedPuzzlesAreRefusedAndTheCubeStays) {
    const struct {
        const char* name;
        std::string bytes;
        bool seven;  // another size is chosen first
    } files[] = {
        {"huge.cube", " 3  1  1  999999999999  1 \r\n", false},
        {"junk.cube", std::string("\x00\x01\xfe\xff binary \x7f", 13), false},
        {"big.cube", " 99  1  1  0  0 \r\n", false},
        {"colour.cube", " 2  1  1  0  0 \r\n 7 \r\n 7 \r\n", false},
        {"negative.cube", " 3  1  1 -5  1 \r\n", false},
        {"empty.cube", "", true},
        {"header.cube", " 5  1  1  0  0 \r\n", true},
        {"cut.cube", " 7  1  1  0  0 \r\n 10 \r\n 10 \r\n 9 \r\n", true},
    };
    for (const auto& [name, bytes, seven] : files) {
        ScriptFolder folder(solvedStart());
        folder.write(name, bytes);
        const ScriptResult r = folder.run(std::string(seven ? "menu by7\n" : "") + "menu loadpuzzle\nselect File2 " +
                                          name + "\npress Command8\ndump\n");
        ASSERT_EQ(r.status, 0) << r.errors;
        const Json d = r.lastDump();
        EXPECT_EQ(d["cubesize"].integer(), 3) << name;
        EXPECT_TRUE(solved(d)) << name;
        EXPECT_EQ(d["histcount"].integer(), 0) << name;
        EXPECT_EQ(d["panelopen"].integer(), 0) << name;
        EXPECT_TRUE(visible(d, "Notice") || !seven) << name;
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

// Folders, links, pipes and unreadable files where the game reads its
// settings and lists its puzzles; a settings file too big for any settings.
TEST(HostileFiles, FoldersLinksAndUnreadableFilesInTheLists) {
    ScriptFolder folder;
    std::filesystem::create_directory(folder.path() / "vexelcz.settings");
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
    EXPECT_EQ(d[0]["cubesize"].integer(), 3);
    // Only regular files are listed.
    for (const Json& e : d[0]["controls"]["File2"]["entries"].array()) EXPECT_EQ(e.string(), "locked.cube");
    EXPECT_EQ(d.back()["panelopen"].integer(), 0);
    EXPECT_EQ(ScriptFolder(std::string(5 << 20, '9')).run("dump\n").lastDump()["cubesize"].integer(), 3);
}

}  // namespace
}  // namespace vx::test
