// The program's command line, run as the player's shell or the desktop runs
// it: --help, --version, wrong options, and where --data-folder keeps the
// settings and puzzles.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void put(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

struct Outcome {
    int status = -1;
    std::string out, err;
};

// A scratch folder holding a working directory, a home folder and an XDG
// data folder, all empty.
class Scratch {
public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "vexel-cli-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
        root = pattern;
        fs::create_directories(work());
        fs::create_directories(home());
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path work() const { return root / "work"; }
    fs::path home() const { return root / "home"; }

    // Runs the program in work() with `env` (assignments for env(1)) and `args`.
    Outcome run(const std::string& env, const std::string& args) const {
        const std::string command = "cd '" + work().string() + "' && env -u XDG_DATA_HOME HOME='" + home().string() +
                                    "' " + env + " QT_QPA_PLATFORM=offscreen '" VEXELCUBE_PATH "' " + args +
                                    " > '" + (root / "out").string() + "' 2> '" + (root / "err").string() + "'";
        Outcome r;
        const int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(root / "out");
        r.err = slurp(root / "err");
        return r;
    }

    fs::path root;
};

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

struct ArgumentCase {
    const char* args;
    int status;
    const char* out;  // a part of standard output ("" for none expected)
    const char* err;  // a part of standard error
};

void PrintTo(const ArgumentCase& c, std::ostream* os) { *os << c.args; }

class Arguments : public testing::TestWithParam<ArgumentCase> {};

TEST_P(Arguments, AnswerWithTheirStatusAndText) {
    const ArgumentCase& c = GetParam();
    const Scratch scratch;
    const Outcome r = scratch.run("", c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_TRUE(contains(r.out, c.out)) << r.out;
    EXPECT_TRUE(contains(r.err, c.err)) << r.err;
    if (c.status == 2) {
        EXPECT_EQ(r.out, "");
    } else {
        EXPECT_EQ(r.err, "");
    }
    // Asking about the program never starts the game.
    EXPECT_FALSE(fs::exists(scratch.home() / ".local"));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Arguments,
    testing::Values(ArgumentCase{"--help", 0, "--data-folder", ""},
                    ArgumentCase{"--help", 0, "Usage: vexelcube [OPTION]...\n", ""},
                    ArgumentCase{"--version", 0, "vexelcube " VEXELCUBE_VERSION "\n", ""},
                    ArgumentCase{"--data-folder --version", 0, "vexelcube ", ""},
                    ArgumentCase{"--bogus", 2, "", "unknown option --bogus"},
                    ArgumentCase{"--bogus --help", 2, "", "usage: vexelcube"},
                    ArgumentCase{"--script", 2, "", "--script needs a value"},
                    ArgumentCase{"--script - --client 0x560", 2, "", "--client"},
                    ArgumentCase{"--script - --clock noon", 2, "", "--clock"}),
    [](const testing::TestParamInfo<ArgumentCase>& info) {
        std::string name = std::to_string(info.index) + "_";
        for (const char* p = info.param.args; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

// Face colours, size 5, no scramble, no pacing, draw-mode off.
const std::string kSizeFive = " 10  9  12  13  14  15  5  0  0  0 \r\n";

struct FolderCase {
    const char* name;
    const char* env;     // with ROOT standing for the scratch folder
    const char* folder;  // where the game's files go, under ROOT
};

void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.env; }

class DataFolder : public testing::TestWithParam<FolderCase> {};

std::string withRoot(std::string s, const fs::path& root) {
    for (std::size_t at; (at = s.find("ROOT")) != std::string::npos;) s.replace(at, 4, root.string());
    return s;
}

TEST_P(DataFolder, IsMadeAndHoldsTheSettings) {
    const FolderCase& c = GetParam();
    const Scratch scratch;
    const fs::path folder = scratch.root / c.folder;
    put(scratch.work() / "save.txt", "menu savesettings\necho saved\n");
    const Outcome r = scratch.run(withRoot(c.env, scratch.root), "--data-folder --script save.txt --clock 5");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "saved\n");
    // Made on the first start, for its owner only; the settings went there.
    struct stat st {};
    ASSERT_EQ(stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(fs::exists(folder / "vexelcz.settings"));
    EXPECT_FALSE(fs::exists(scratch.work() / "vexelcz.settings"));

    // The next start reads them there, not from the working directory.
    put(folder / "vexelcz.settings", kSizeFive);
    put(scratch.work() / "vexelcz.settings", " 10  9  12  13  14  15  4  0  0  0 \r\n");
    put(folder / "mine.cube", "");
    put(scratch.work() / "size.txt", "menu loadpuzzle\ndump\n");
    const Outcome again = scratch.run(withRoot(c.env, scratch.root), "--data-folder --script size.txt --clock 5");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_TRUE(contains(again.out, "\"cubesize\":5,")) << again.out;
    EXPECT_TRUE(contains(again.out, "\"entries\":[\"mine.cube\"]")) << again.out;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, DataFolder,
    testing::Values(FolderCase{"Xdg", "XDG_DATA_HOME=ROOT/xdg", "xdg/vexelcube"},
                    FolderCase{"Home", "", "home/.local/share/vexelcube"},
                    FolderCase{"RelativeXdgIsIgnored", "XDG_DATA_HOME=xdg", "home/.local/share/vexelcube"},
                    FolderCase{"EmptyXdgIsIgnored", "XDG_DATA_HOME=", "home/.local/share/vexelcube"}),
    [](const testing::TestParamInfo<FolderCase>& info) { return info.param.name; });

TEST(DataFolder, WithoutTheOptionTheWorkingDirectoryHoldsTheFiles) {
    const Scratch scratch;
    put(scratch.work() / "save.txt", "menu savesettings\n");
    const Outcome r = scratch.run("", "--script save.txt --clock 5");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(scratch.work() / "vexelcz.settings"));
    EXPECT_FALSE(fs::exists(scratch.home() / ".local"));
}

TEST(DataFolder, ThatCannotBeMadeIsRefusedWithTheReason) {
    const Scratch scratch;
    put(scratch.home() / ".local", "a file where a folder should be");
    put(scratch.work() / "save.txt", "menu savesettings\necho saved\n");
    const Outcome r = scratch.run("", "--data-folder --script save.txt");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(contains(r.err, (scratch.home() / ".local/share/vexelcube").string())) << r.err;
    EXPECT_FALSE(fs::exists(scratch.work() / "vexelcz.settings"));
    EXPECT_EQ(slurp(scratch.home() / ".local"), "a file where a folder should be");
}

}  // namespace
