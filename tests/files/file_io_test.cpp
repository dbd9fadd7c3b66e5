// Saves replace a file whole or leave it as it was; reads take regular files
// of bounded size only.
#include "files/file_io.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

namespace vx {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
constexpr fs::perms kReadOnly = fs::perms::owner_read | fs::perms::group_read;

// A fresh folder of its own for each test, removed afterwards.
class FileIo : public ::testing::Test {
protected:
    FileIo() : dir_(fs::path(::testing::TempDir()) / ("vexel-files-" + std::to_string(::getpid()))) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~FileIo() override { fs::remove_all(dir_); }
    fs::path at(const std::string& name) const { return dir_ / name; }
    static void put(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    static std::string contents(const fs::path& path) {
        const FileText file = readTextFile(path);
        return file.ok() ? file.text : "(none)";
    }
    // The names in the folder, to see that no temporary file stays behind.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir_)) found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
    fs::path dir_;
};

TEST_F(FileIo, WritesAndReplacesWholeKeepingThePermissions) {
    const std::string bytes = " 10  9 \r\n\0 binary"s;
    EXPECT_EQ(writeFileReplacing(at("a.cube"), bytes), WriteStatus::Ok);
    EXPECT_EQ(contents(at("a.cube")), bytes);
    fs::permissions(at("a.cube"), kReadOnly | fs::perms::owner_write);
    EXPECT_EQ(writeFileReplacing(at("a.cube"), "short"), WriteStatus::Ok);
    EXPECT_EQ(contents(at("a.cube")), "short");
    EXPECT_EQ(fs::status(at("a.cube")).permissions(), kReadOnly | fs::perms::owner_write);
    // A file the player marked read-only is kept, and the save says it failed.
    fs::permissions(at("a.cube"), kReadOnly);
    EXPECT_EQ(writeFileReplacing(at("a.cube"), "new"), WriteStatus::ReadOnly);
    EXPECT_EQ(contents(at("a.cube")), "short");
    EXPECT_EQ(names(), std::vector<std::string>{"a.cube"});
}

// A link is replaced itself: the file it names, wherever it lies, stays.
TEST_F(FileIo, ReplacingALinkReplacesTheLinkNotTheFileItNames) {
    fs::create_directories(at("inner"));
    put(at("victim"), "old");
    fs::create_symlink("../victim", at("inner") / "x.cube");
    fs::create_symlink("nowhere", at("inner") / "dangling.cube");
    for (const char* name : {"x.cube", "dangling.cube"}) {
        ASSERT_EQ(writeFileReplacing(at("inner") / name, "new"), WriteStatus::Ok) << name;
        EXPECT_FALSE(fs::is_symlink(at("inner") / name)) << name;
        EXPECT_EQ(contents(at("inner") / name), "new") << name;
    }
    EXPECT_EQ(contents(at("victim")), "old");
    EXPECT_FALSE(fs::exists(at("inner") / "nowhere"));
}

TEST_F(FileIo, AMissingFolderOrAFolderInTheWayFailsAndLeavesNoTemporaryFile) {
    EXPECT_EQ(writeFileReplacing(at("missing") / "a.cube", "x"), WriteStatus::CannotCreate);
    fs::create_directory(at("a.cube"));
    put(at("a.cube") / "inside", "kept");
    EXPECT_EQ(writeFileReplacing(at("a.cube"), "x"), WriteStatus::NotAFile);
    EXPECT_EQ(names(), std::vector<std::string>{"a.cube"});
    EXPECT_EQ(contents(at("a.cube") / "inside"), "kept");
}

// What cannot be read is told apart: the player learns which it was.
TEST_F(FileIo, ReadTellsWhyAFileCannotBeRead) {
    put(at("big"), std::string(1001, 'x'));
    put(at("empty"), "");
    ASSERT_EQ(::mkfifo(at("pipe").c_str(), 0600), 0);
    fs::create_symlink("nowhere", at("dangling"));
    const std::tuple<fs::path, std::size_t, ReadStatus> cases[] = {
        {at("missing.cube"), kMaxFileBytes, ReadStatus::Missing},
        {at("empty") / "inside", kMaxFileBytes, ReadStatus::Missing},
        {at("dangling"), kMaxFileBytes, ReadStatus::Missing},
        {dir_, kMaxFileBytes, ReadStatus::NotRegular},
        {at("pipe"), kMaxFileBytes, ReadStatus::NotRegular},
        {"/dev/zero", kMaxFileBytes, ReadStatus::NotRegular},
        {at("big"), 1000, ReadStatus::TooLarge},
        {at("big"), 1001, ReadStatus::Ok},
        {at("empty"), kMaxFileBytes, ReadStatus::Ok},
    };
    for (const auto& [path, limit, status] : cases) EXPECT_EQ(readTextFile(path, limit).status, status) << path;
    EXPECT_EQ(readTextFile(at("big"), 1001).text, std::string(1001, 'x'));
    // Only its owner may read a file of mode 0; root reads it all the same.
    put(at("locked"), "secret");
    fs::permissions(at("locked"), fs::perms::none);
    EXPECT_EQ(readTextFile(at("locked")).status, ::geteuid() == 0 ? ReadStatus::Ok : ReadStatus::NoPermission);
}

}  // namespace
}  // namespace vx
