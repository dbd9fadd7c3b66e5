// Whatever lies in the working directory, start-up, the file lists and the
// load panel carry on. (Damaged puzzle files: file_cases_test.cpp.)
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>

#include "files/puzzle_file.h"
#include "game/game_support.h"
#include "support/solved_cube.h"

namespace vx::test {
namespace {

// Killed saves leave their temporary files; the game clears its own when
// they are more than a minute old, and nothing else.
TEST(HostileFiles, StaleTemporariesOfKilledSavesAreCleared) {
    namespace fs = std::filesystem;
    ScriptFolder folder;
    const std::pair<const char*, bool> files[] = {
        {".x.cube.tmp123", true},   {".vexelcz.settings.tmp9", true}, {".x.cube.tmp", false}, {".x.cube.tmpabc", false},
        {".notes.txt.tmp1", false}, {"x.cube.tmp5", false},           {".cube.tmp7", false},  {".x.cube.tmp12x", false},
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
    const ScriptResult r = folder.run("menu loadpuzzle\ndump\nselect File2 locked.cube\npress Command8\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    EXPECT_EQ(d[0]["cubesize"].integer(), 3);
    // Only regular files are listed.
    EXPECT_EQ(d[0]["controls"]["File2"]["entries"].text(), R"(["locked.cube"])");
    EXPECT_EQ(d[1]["panelopen"].integer(), 0);
    // Whoever may read it, the file is no puzzle the game could load.
    EXPECT_EQ(caption(d[1], "Notice").rfind("locked.cube ", 0), 0u) << caption(d[1], "Notice");
    EXPECT_EQ(ScriptFolder(std::string(5 << 20, '9')).run("dump\n").lastDump()["cubesize"].integer(), 3);
}

// Any bytes may name a file: the lists offer every puzzle file of the
// folder and load each by its whole name; the dump stays valid JSON, with
// bytes that are not UTF-8 shown as U+FFFD, while `select` takes the name's
// own bytes.
TEST(HostileFiles, NamesOfAnyBytesAreListedAndLoaded) {
    const std::pair<std::string, std::string> names[] = {
        {"\xff\xfe.cube", "\xef\xbf\xbd\xef\xbf\xbd.cube"},
        {"caf\xe9.cube", "caf\xef\xbf\xbd.cube"},
        {"tab\tin.cube", "tab\tin.cube"},
        {"esc\x1b[31m.cube", "esc\x1b[31m.cube"},
        {"\xc3\xbc.cube", "\xc3\xbc.cube"},
    };
    for (const auto& [name, shown] : names) {
        ScriptFolder folder(solvedStart());
        folder.write(name, formatPuzzle(2, {1, 1}, History{}, solvedCube(2)));
        const ScriptResult r = folder.run("menu loadpuzzle\ndump\nselect File2 " + name + "\npress Command8\ndump\n");
        ASSERT_EQ(r.status, 0) << r.errors;
        const std::vector<Json> d = r.dumps();  // each line parses as JSON
        ASSERT_EQ(d.size(), 2u);
        const std::vector<Json> entries = d[0]["controls"]["File2"]["entries"].array();
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].string(), shown);
        EXPECT_EQ(d[1]["cubesize"].integer(), 2) << "loaded";
        EXPECT_FALSE(visible(d[1], "Notice")) << caption(d[1], "Notice");
    }
}

}  // namespace
}  // namespace vx::test
