// The real main loop in script mode: a 20-cube scrambled 10,000 times, then
// 10,000 moves of the computer solving it, each a pass of the loop with its
// repaint and solve check. (With no pacing every pass yields once: the
// script's first line starts the computer, each `wait` lets one more pass run.)
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/game.h"
#include "shell/handlers.h"
#include "ui/headless/script_platform.h"

namespace {

// Text is not what this measures: a blank mask of about the right size.
class BlankGlyphs final : public vx::GlyphSource {
public:
    vx::GlyphMask render(std::string_view text, double points) override {
        vx::GlyphMask m;
        m.width = static_cast<int>(text.size() * points * 0.8);
        m.height = static_cast<int>(points * 1.6);
        m.bits.assign(static_cast<std::size_t>(m.width) * static_cast<std::size_t>(m.height), 0);
        return m;
    }
};

// A working directory of its own, with settings for a 20-cube and 10,000
// scramble turns.
class Folder {
public:
    Folder() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "vexel-bench-XXXXXX").string();
        path_ = mkdtemp(tmpl.data());
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
        std::ofstream("vexelcz.settings") << " 10  9  12  13  14  15  20  10000  0  0 \r\n";
    }
    ~Folder() {
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(path_);
    }

private:
    std::filesystem::path path_, old_;
};

void BM_ScriptComputerMoves10k(benchmark::State& state) {
    Folder folder;
    BlankGlyphs glyphs;
    std::int64_t moves = 0;
    for (auto _ : state) {
        std::istringstream script("menu csolve\nwait 9999\n");
        std::ostringstream out, err;
        vx::ScriptPlatform platform(script, out, err, glyphs, {800, 560, 1000.0});
        vx::Game game(platform);
        vx::Form_Activate(game);
        // Some of the moves turn the whole cube and leave the history as it was.
        const int left = game.s.play.history.histcount;
        if (platform.exitStatus() != 0 || left <= 0 || left >= 10000 - 10000 / 2)
            state.SkipWithError("the computer did not make its moves");
        moves += 10000;
    }
    state.counters["moves"] = benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScriptComputerMoves10k)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
