// Any bytes as the settings file of the real game: start-up reads it, then
// a few passes of the main loop run through the script mode (a computer
// move, New puzzle, the computer solving for a while, Gamemode). Nothing may
// crash, overflow or hang.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "shell/game.h"
#include "shell/handlers.h"
#include "files/settings_file.h"
#include "ui/headless/script_platform.h"

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

// Every run works in a folder of its own, made once.
bool enterScratchFolder() {
    std::string folder = "/tmp/vexel-fuzz-startup-XXXXXX";
    return mkdtemp(folder.data()) && chdir(folder.c_str()) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = enterScratchFolder();
    if (!ready) std::abort();
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
