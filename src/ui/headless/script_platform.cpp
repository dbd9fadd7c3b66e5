#include "ui/headless/script_platform.h"

#include <charconv>
#include <chrono>
#include <ctime>
#include <istream>
#include <ostream>

#include "cube/key_codes.h"
#include "render/png.h"
#include "shell/events.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/layout.h"
#include "ui/headless/dump.h"

namespace vx {

namespace {

constexpr long long kSettleLimit = 1'000'000;
constexpr int kMaxClientSide = 10'000;

// The line without its line end and leading blanks; the rest of a `type` or
// `echo` line is taken as it stands.
std::string_view lineText(std::string_view s) {
    if (!s.empty() && s.back() == '\r') s.remove_suffix(1);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// The first word of a line and the rest after the blank that ends it.
std::pair<std::string_view, std::string_view> firstWord(std::string_view s) {
    const std::size_t blank = s.find(' ');
    if (blank == std::string_view::npos) return {s, {}};
    return {s.substr(0, blank), s.substr(blank + 1)};
}

template <class T>
bool parseNumber(std::string_view s, T& value) {
    s = trim(s);
    if (s.empty()) return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc{} && end == s.data() + s.size();
}

int keyCode(std::string_view name) {
    constexpr std::pair<std::string_view, int> names[] = {{"left", key::Left}, {"up", key::Up}, {"right", key::Right},
                                                          {"down", key::Down}, {"b", key::B},   {"h", key::H},
                                                          {"r", key::R},       {"t", key::T}};
    for (const auto& [n, code] : names)
        if (name == n) return code;
    int code = -1;
    if (parseNumber(name, code) && code >= 0 && code <= 255) return code;
    return -1;
}

}  // namespace

ScriptPlatform::ScriptPlatform(std::istream& script, std::ostream& out, std::ostream& err, GlyphSource& glyphs,
                               ScriptOptions options)
    : script_(script),
      out_(out),
      err_(err),
      glyphs_(glyphs),
      options_(options),
      size_(heldToSmallest({options.width, options.height})) {}

// The window holds its client area to the smallest it allows; so does the
// script mode, for --client and resize alike.
void ScriptPlatform::maximise() {
    const ClientSize own = heldToSmallest({options_.width, options_.height});
    if (size_.width == own.width && size_.height == own.height) return;
    size_ = own;
    if (game_) Form_Resize(*game_);
}

double ScriptPlatform::clock() {
    if (options_.clock) return *options_.clock;
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto sinceSecond = now - std::chrono::system_clock::from_time_t(t);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
           std::chrono::duration<double>(sinceSecond).count();
}

bool ScriptPlatform::idle(const Game& g, YieldPoint where) const {
    const GameState& s = g.s;
    return where == YieldPoint::IdlePoll && !s.loop.clickpending && !s.loop.viewchanged &&
           (!s.play.computersolves || s.play.history.histcount == 0);
}

void ScriptPlatform::quietYield(Game& g, YieldPoint where) {
    if (where == YieldPoint::MoveWait && timer_.enabled) {
        timeMs_ += timer_.interval;
        Timer1_Timer(g);
    }
}

void ScriptPlatform::warn(std::string_view message) {
    err_ << "line " << lineNumber_ << ": " << message << '\n';
    err_.flush();
}

ScriptPlatform::LineResult ScriptPlatform::fail(Game& g, int status, std::string_view message) {
    warn(message);
    exitStatus_ = status;
    g.ended = true;
    return LineResult::Failed;
}

void ScriptPlatform::pumpEvents(Game& g, YieldPoint where, bool) {
    game_ = &g;
    if (settling_) {
        if (!idle(g, where)) {
            if (++settleYields_ > kSettleLimit) {
                fail(g, 3, "settle did not settle after 1000000 yields");
                return;
            }
            quietYield(g, where);
            return;
        }
        settling_ = false;
    }
    if (waitsLeft_ > 0) {
        --waitsLeft_;
        quietYield(g, where);
        return;
    }
    while (std::getline(script_, line_)) {
        ++lineNumber_;
        const std::string_view line = lineText(line_);
        if (trim(line).empty() || line.front() == '#') continue;
        const LineResult result = runLine(g, where, line);
        if (result == LineResult::Yield || result == LineResult::Failed) return;
    }
    // The script has ended: the window closes.
    Form_Unload(g);
}

ScriptPlatform::LineResult ScriptPlatform::runLine(Game& g, YieldPoint where, std::string_view line) {
    const auto [command, rest] = firstWord(line);
    if (command == "dump" || command == "pixel" || command == "png" || command == "echo")
        return runQuery(g, command, rest);
    if (command == "settle") {
        if (!trim(rest).empty()) return fail(g, 2, "settle takes nothing after it");
        if (idle(g, where)) return LineResult::Query;
        settling_ = true;
        settleYields_ = 1;
        quietYield(g, where);
        return LineResult::Yield;
    }
    if (command == "wait") {
        long long k = 1;
        if (!trim(rest).empty() && (!parseNumber(rest, k) || k < 0)) return fail(g, 2, "wait takes a count");
        if (k == 0) return LineResult::Query;
        waitsLeft_ = k - 1;
        quietYield(g, where);
        return LineResult::Yield;
    }
    if (command == "quit") {
        Form_Unload(g);
        return LineResult::Yield;
    }
    return deliver(g, command, rest);
}

ScriptPlatform::LineResult ScriptPlatform::runQuery(Game& g, std::string_view command, std::string_view rest) {
    if (command == "dump") {
        out_ << dumpJson(g, timeMs_) << '\n';
    } else if (command == "echo") {
        out_ << rest << '\n';
    } else if (command == "pixel") {
        const auto [xs, ys] = firstWord(trim(rest));
        int x = 0, y = 0;
        if (!parseNumber(xs, x) || !parseNumber(ys, y) || g.surface.pixel(x, y) < 0)
            return fail(g, 2, "pixel needs a point on the surface");
        out_ << g.surface.pixel(x, y) << '\n';
    } else if (command == "png") {
        const std::string file(trim(rest));
        if (file.empty()) return fail(g, 2, "png needs a file name");
        if (!writePng(g.surface, file)) warn("could not write " + file);
    }
    out_.flush();
    return LineResult::Query;
}

ScriptPlatform::LineResult ScriptPlatform::deliver(Game& g, std::string_view command, std::string_view rest) {
    Delivery d = Delivery::Unknown;
    if (command == "click") {
        const auto [xs, more] = firstWord(trim(rest));
        const auto [ys, button] = firstWord(trim(more));
        float x = 0, y = 0;
        const int code = button == "left" ? 1 : button == "right" ? 2 : 0;
        if (!parseNumber(xs, x) || !parseNumber(ys, y) || code == 0) return fail(g, 2, "click needs X Y left|right");
        Form_MouseDown(g, code, x, y);
        return LineResult::Yield;
    }
    if (command == "key") {
        const int code = keyCode(trim(rest));
        if (code < 0) return fail(g, 2, "unknown key");
        pressKey(g, code, g.form.focus);
        return LineResult::Yield;
    }
    if (command == "resize") {
        const auto [ws, hs] = firstWord(trim(rest));
        int w = 0, h = 0;
        if (!parseNumber(ws, w) || !parseNumber(hs, h) || w < 1 || h < 1 || w > kMaxClientSide || h > kMaxClientSide)
            return fail(g, 2, "resize needs a width and a height of 1..10000");
        size_ = heldToSmallest({w, h});
        Form_Resize(g);
        return LineResult::Yield;
    }
    if (command == "menu") {
        d = chooseMenu(g, trim(rest));
    } else if (command == "press") {
        d = pressButton(g, trim(rest));
    } else if (command == "toggle") {
        d = toggleCheckBox(g, trim(rest));
    } else if (command == "type") {
        const auto [name, text] = firstWord(rest);
        d = typeText(g, name, text);
    } else if (command == "select") {
        const auto [name, entry] = firstWord(rest);
        d = selectEntry(g, name, entry);
    } else {
        return fail(g, 2, "unknown command");
    }
    switch (d) {
    case Delivery::Done: return LineResult::Yield;
    case Delivery::Unavailable: warn("cannot be used now, dropped"); return LineResult::Dropped;
    case Delivery::Unknown: break;
    }
    return fail(g, 2, "no such control or menu item");
}

}  // namespace vx
