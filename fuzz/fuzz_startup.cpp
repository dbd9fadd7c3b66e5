// Any bytes as the settings file of the real game: start-up reads it, then
// a few passes of the main loop run through the script mode (a computer
// move, New puzzle, the computer solving for a while, Gamemode). Nothing may
// crash, overflow or hang.
//
// The game reads its settings from the working directory, so each input is
// played in a folder of its own, made for it and removed after it, and the
// fuzzer's own folder is the working directory again before it goes on:
// corpus and artifact paths given relative to where it was started work,
// and nothing is left behind.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "files/settings_file.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "ui/headless/script_platform.h"

#include <stdlib.h>

namespace {

// Text as solid blocks: the game only needs masks of some size.
class BlockGlyphs final : public vx::GlyphSource {
public:
    vx::GlyphMask render(std::string_view text, double points) override {
        const int height = std::clamp(static_cast<int>(points), 1, 40);
        const int width = static_cast<int>(std::min<std::size_t>(text.size(), 64)) * (height / 2 + 1);
        return {width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, 1)};
    }
};

constexpr const char* kScript =
    "key b\nsettle\nmenu newpuzzle\nsettle\nmenu csolve\nwait 40\nmenu usolve\nsettle\n"
    "menu gamemode\nsettle\nkey left\nclick 300 230 left\nwait 3\n";

// A new folder under TMPDIR (or /tmp) for one input, the working directory
// while it lasts; then the old working directory again, and the folder gone.
class ScratchFolder {
public:
    ScratchFolder() : home_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        const char* tmp = std::getenv("TMPDIR");
        std::string folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/vexel-fuzz-startup-XXXXXX";
        if (home_ < 0 || !::mkdtemp(folder.data()) || ::chdir(folder.c_str()) != 0) std::abort();
        folder_ = folder;
    }
    ~ScratchFolder() {
        if (::fchdir(home_) != 0) std::abort();
        ::close(home_);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

private:
    int home_;
    std::filesystem::path folder_;
};

// The path an option names, made absolute against the folder the fuzzer
// started in.
std::string absoluteOption(std::string_view option, std::string_view value, const std::string& home) {
    if (value.starts_with('/')) return std::string(option) + std::string(value);
    return std::string(option) + home + "/" + std::string(value);
}

}  // namespace

// A crash is written out while its input's folder is the working directory:
// the paths of the files the fuzzer writes then are made absolute here, and
// without any, crashes go to the folder the fuzzer started in (as they would
// by default), not into the input's folder.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static std::vector<std::string> options;
    static std::vector<char*> pointers;
    std::error_code ec;
    const std::string home = std::filesystem::current_path(ec).string();
    if (ec) return 0;
    bool named = false;
    for (int i = 0; i < *argc; ++i) {
        const std::string_view arg = (*argv)[i];
        std::string option(arg);
        for (const std::string_view name : {"-artifact_prefix=", "-exact_artifact_path="}) {
            if (!arg.starts_with(name)) continue;
            option = absoluteOption(name, arg.substr(name.size()), home);
            named = true;
        }
        options.push_back(std::move(option));
    }
    if (!named) options.push_back("-artifact_prefix=" + home + "/");
    for (std::string& option : options) pointers.push_back(option.data());
    pointers.push_back(nullptr);
    *argc = static_cast<int>(options.size());
    *argv = pointers.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ScratchFolder folder;
    std::ofstream(vx::kSettingsFileName, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    std::istringstream script(kScript);
    std::ostringstream out, err;
    BlockGlyphs glyphs;
    vx::ScriptPlatform platform(script, out, err, glyphs, vx::ScriptOptions{800, 560, 1000.0});
    vx::Game game(platform);
    vx::Form_Activate(game);
    if (platform.exitStatus() != 0) std::abort();
    return 0;
}
