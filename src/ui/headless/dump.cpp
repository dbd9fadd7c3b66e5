#include "ui/headless/dump.h"

#include <charconv>
#include <cstdio>
#include <type_traits>

#include "shell/game.h"

namespace vx {

namespace {

// A small JSON writer: values are separated by commas as they come.
class Json {
public:
    std::string text;

    void key(std::string_view k) {
        separate();
        quoted(k);
        text += ':';
        comma_ = false;
    }
    void string(std::string_view s) {
        separate();
        quoted(s);
        comma_ = true;
    }
    void number(long long v) {
        separate();
        text += std::to_string(v);
        comma_ = true;
    }
    void number(double v) {
        separate();
        char buf[32];
        const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
        text.append(buf, ec == std::errc{} ? end : buf);
        comma_ = true;
    }
    void boolean(bool b) {
        separate();
        text += b ? "true" : "false";
        comma_ = true;
    }
    void open(char c) {
        separate();
        text += c;
        comma_ = false;
    }
    void close(char c) {
        text += c;
        comma_ = true;
    }
    template <class T>
    void field(std::string_view k, T v) {
        key(k);
        if constexpr (std::is_same_v<T, bool>) {
            boolean(v);
        } else if constexpr (std::is_floating_point_v<T>) {
            number(static_cast<double>(v));
        } else if constexpr (std::is_integral_v<T>) {
            number(static_cast<long long>(v));
        } else {
            string(v);
        }
    }

private:
    void separate() {
        if (comma_) text += ',';
    }
    void quoted(std::string_view s) {
        text += '"';
        for (const char ch : s) {
            const auto c = static_cast<unsigned char>(ch);
            switch (c) {
            case '"': text += "\\\""; break;
            case '\\': text += "\\\\"; break;
            case '\n': text += "\\n"; break;
            case '\r': text += "\\r"; break;
            case '\t': text += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    text += buf;
                } else {
                    text += ch;
                }
            }
        }
        text += '"';
    }
    bool comma_ = false;
};

void faces(Json& j, const GameState& s) {
    const int n = s.cubesize;
    j.key("faces");
    j.open('[');
    for (int f = 1; f <= 6; ++f) {
        j.open('[');
        for (int b = 1; b <= n; ++b) {
            j.open('[');
            for (int a = 1; a <= n; ++a) j.number(static_cast<long long>(s.cube.squarecolor(a, b, f)));
            j.close(']');
        }
        j.close(']');
    }
    j.close(']');
}

void history(Json& j, const GameState& s) {
    j.key("history");
    j.open('[');
    for (int i = 1; i <= s.history.histcount; ++i) {
        const HistEntry e = s.history.at(i);
        j.open('[');
        j.number(static_cast<long long>(e.axis));
        j.number(static_cast<long long>(e.col));
        j.number(static_cast<long long>(e.row));
        j.close(']');
    }
    j.close(']');
}

void menu(Json& j, const Form& form) {
    j.key("menu");
    j.open('{');
    for (const MenuItem& m : form.menu) {
        j.key(m.name);
        j.open('{');
        j.field("caption", std::string_view(m.caption));
        j.field("checked", m.checked);
        j.field("enabled", m.enabled);
        j.close('}');
    }
    j.close('}');
}

void controls(Json& j, const Form& form) {
    j.key("controls");
    j.open('{');
    for (const Control& c : form.controls) {
        j.key(c.name);
        j.open('{');
        j.field(c.kind == ControlKind::TextBox ? "text" : "caption", std::string_view(c.text));
        j.field("visible", c.visible);
        j.field("enabled", c.enabled);
        if (c.kind == ControlKind::CheckBox) j.field("ticked", c.ticked);
        if (c.kind == ControlKind::FileList) {
            j.key("entries");
            j.open('[');
            for (const std::string& e : c.entries) j.string(e);
            j.close(']');
            j.field("selected", c.selected);
        }
        j.close('}');
    }
    j.close('}');
}

}  // namespace

std::string dumpJson(const Game& g, long long timeMs) {
    const GameState& s = g.s;
    Json j;
    j.open('{');
    j.field("cubesize", s.cubesize);
    j.field("pendingsize", s.pendingsize);
    j.field("frontface", s.view.face);
    j.field("frontturn", s.view.turn);
    faces(j, s);
    history(j, s);
    j.field("histcount", s.history.histcount);
    j.field("scramblesleft", s.scramblesleft);
    j.field("computersolves", s.computersolves);
    j.field("onemove", s.onemove);
    j.field("gameon", s.gameon);
    j.field("drawmode", s.drawmode);
    j.field("solvedcount", s.solvedcount);
    j.field("gamescrambles", s.gamescrambles);
    j.field("gamestartstate", s.gamestartstate);
    j.field("solvewasnew", s.solvewasnew);
    j.field("cubefinished", s.cubefinished);
    j.field("gamepuzzle", s.gamepuzzle);
    j.field("gamepuzzlename", std::string_view(s.gamepuzzlename));
    j.field("rotationtime", s.rotationtime);
    j.field("shortest", s.shortest);
    j.key("computerplan");
    j.open('{');
    j.field("source", std::string_view(s.computerplan.source == ComputerPlan::Source::colors ? "colors" : "history"));
    j.field("moves", s.computerplan.moves);
    j.close('}');
    j.key("facecolor");
    j.open('[');
    for (int i = 1; i <= 6; ++i) j.number(static_cast<long long>(s.facecolor[static_cast<std::size_t>(i)]));
    j.close(']');
    j.field("colorcount", s.colorcount);
    j.field("colorpanelused", s.colorpanelused);
    j.field("panelopen", s.panelopen);
    j.field("panelshown", s.panelshown);
    j.field("cubeready", s.cubeready);
    j.field("viewchanged", s.viewchanged);
    j.field("clickpending", s.clickpending);
    j.field("repeatcount", s.counters.repeatcount);
    j.field("lowedgecount", s.counters.lowedgecount);
    j.field("highedgecount", s.counters.highedgecount);
    j.field("lastface", s.counters.lastface);
    j.field("solverkey", s.solverkey);
    j.field("lastpuzzlename", std::string_view(s.lastpuzzlename));
    j.field("caption", std::string_view(g.form.caption));
    j.field("fontsize", s.fontsize);
    j.field("focus", g.form.focus ? name(*g.form.focus) : std::string_view());
    j.key("timer");
    j.open('{');
    j.field("interval", g.form.Timer1.interval);
    j.field("enabled", g.form.Timer1.enabled);
    j.close('}');
    j.field("time_ms", timeMs);
    j.key("geometry");
    j.open('{');
    j.field("squarewidth", s.geometry.squarewidth);
    j.field("facesize", s.geometry.facesize);
    j.field("depthsize", s.geometry.depthsize);
    j.field("depthstep", s.geometry.depthstep);
    j.field("cubeleft", s.geometry.cubeleft);
    j.field("cubetop", s.geometry.cubetop);
    j.field("cuberight", s.geometry.cuberight);
    j.field("cubebottom", s.geometry.cubebottom);
    j.close('}');
    j.key("surface");
    j.open('{');
    j.field("width", g.surface.width());
    j.field("height", g.surface.height());
    j.close('}');
    menu(j, g.form);
    controls(j, g.form);
    j.close('}');
    return j.text;
}

}  // namespace vx
