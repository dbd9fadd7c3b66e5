#pragma once
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "shell/form.h"
#include "shell/platform.h"

namespace vx {

struct ScriptOptions {
    int width = 800;
    int height = 560;
    std::optional<double> clock;  // seconds since midnight; the real clock when absent
};

// The window replaced by a script: at every yield of the main loop, query
// lines run at once and the first event line is delivered. Time is virtual:
// it moves on only when the loop waits for Timer1 and the script lets it tick.
class ScriptPlatform final : public Platform {
public:
    ScriptPlatform(std::istream& script, std::ostream& out, std::ostream& err, GlyphSource& glyphs,
                   ScriptOptions options);

    void pumpEvents(Game& game, YieldPoint where, bool wait) override;
    void timerChanged(const Timer& timer) override { timer_ = timer; }
    ClientSize clientSize() override { return size_; }
    // The game's own maximise gives the client area its first size back.
    void maximise() override;
    double clock() override;
    GlyphSource& glyphs() override { return glyphs_; }

    // 0 when the script ran to its end or quit, 2 for a bad line, 3 for a
    // settle that never settled.
    int exitStatus() const { return exitStatus_; }
    long long timeMs() const { return timeMs_; }

private:
    enum class LineResult { Query, Yield, Dropped, Failed };

    LineResult runLine(Game& g, YieldPoint where, std::string_view line);
    LineResult runQuery(Game& g, std::string_view command, std::string_view rest);
    LineResult deliver(Game& g, std::string_view command, std::string_view rest);
    // A yield with no event; in a move wait Timer1 ticks.
    void quietYield(Game& g, YieldPoint where);
    bool idle(const Game& g, YieldPoint where) const;
    LineResult fail(Game& g, int status, std::string_view message);
    void warn(std::string_view message);

    std::istream& script_;
    std::ostream& out_;
    std::ostream& err_;
    GlyphSource& glyphs_;
    ScriptOptions options_;
    ClientSize size_;
    Game* game_ = nullptr;  // the game the last yield was for
    Timer timer_;
    long long timeMs_ = 0;
    long long waitsLeft_ = 0;
    bool settling_ = false;
    long long settleYields_ = 0;
    int lineNumber_ = 0;
    std::string line_;
    int exitStatus_ = 0;
};

}  // namespace vx
