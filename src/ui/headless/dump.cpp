#include "ui/headless/dump.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include <nlohmann/json.hpp>

#include "shell/game.h"

namespace vx {

namespace {

using Json = nlohmann::ordered_json;

// A number of the game that is held as a double: whole values are written
// as whole numbers ("0", not "0.0"), as the dump always wrote them.
Json number(double v) {
    constexpr double kWholeLimit = 1e15;
    if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < kWholeLimit) return static_cast<std::int64_t>(v);
    return v;
}

// The game's flags are written as 0 and 1, as the dump always wrote them.
int flag(bool on) { return on ? 1 : 0; }

Json faces(const GameState& s) {
    const int n = s.play.cubesize;
    Json all = Json::array();
    for (int f = 1; f <= 6; ++f) {
        Json face = Json::array();
        for (int b = 1; b <= n; ++b) {
            Json row = Json::array();
            for (int a = 1; a <= n; ++a) row.push_back(s.play.cube.squarecolor(a, b, f));
            face.push_back(std::move(row));
        }
        all.push_back(std::move(face));
    }
    return all;
}

Json entries(const History& h) {
    Json all = Json::array();
    for (int i = 1; i <= h.histcount; ++i) {
        const HistEntry e = h.at(i);
        all.push_back({e.axis, e.col, e.row});
    }
    return all;
}

Json menu(const Form& form) {
    Json items = Json::object();
    for (const MenuItem& m : form.menu)
        items[m.name] = {{"caption", m.caption}, {"checked", m.checked}, {"enabled", m.enabled}};
    return items;
}

Json controls(const Form& form) {
    Json all = Json::object();
    for (const Control& c : form.controls) {
        Json control = Json::object();
        control[c.kind == ControlKind::TextBox ? "text" : "caption"] = c.text;
        control["visible"] = c.visible;
        control["enabled"] = c.enabled;
        if (c.kind == ControlKind::CheckBox) control["ticked"] = c.ticked;
        if (c.kind == ControlKind::FileList) {
            control["entries"] = c.entries;
            control["selected"] = c.selected;
        }
        all[c.name] = std::move(control);
    }
    return all;
}

}  // namespace

std::string dumpJson(const Game& g, long long timeMs) {
    const GameState& s = g.s;
    Json j = Json::object();
    j["cubesize"] = s.play.cubesize;
    j["pendingsize"] = s.options.pendingsize;
    j["frontface"] = s.play.view.face;
    j["frontturn"] = s.play.view.turn;
    j["faces"] = faces(s);
    j["history"] = entries(s.play.history);
    j["histcount"] = s.play.history.histcount;
    j["scramblesleft"] = s.play.scramblesleft;
    j["computersolves"] = flag(s.play.computersolves);
    j["onemove"] = flag(s.play.onemove);
    j["gameon"] = flag(s.play.gameon);
    j["drawmode"] = flag(s.play.drawmode);
    j["solvedcount"] = s.play.solvedcount;
    j["gamescrambles"] = s.play.gamescrambles;
    j["gamestartstate"] = s.play.gamestartstate;
    j["solvewasnew"] = flag(s.play.solvewasnew);
    j["cubefinished"] = flag(s.play.cubefinished);
    j["gamepuzzle"] = flag(s.play.gamepuzzle);
    j["gamepuzzlename"] = s.play.gamepuzzlename;
    j["rotationtime"] = number(s.options.rotationtime);
    j["shortest"] = flag(s.options.shortest);
    j["computerplan"] = {
        {"source", s.play.computerplan.source == ComputerPlan::Source::colors ? "colors" : "history"},
        {"moves", s.play.computerplan.moves},
    };
    j["plan"] = entries(s.play.computerplan.planned);
    Json facecolor = Json::array();
    for (int i = 1; i <= 6; ++i) facecolor.push_back(s.options.facecolor[static_cast<std::size_t>(i)]);
    j["facecolor"] = std::move(facecolor);
    j["colorcount"] = s.options.colorcount;
    j["colorpanelused"] = flag(s.panels.colorpanelused);
    j["panelopen"] = flag(s.panels.panelopen);
    j["panelshown"] = flag(s.panels.panelopen);
    j["cubeready"] = flag(s.loop.cubeready);
    j["viewchanged"] = flag(s.loop.viewchanged);
    j["clickpending"] = flag(s.loop.clickpending);
    j["repeatcount"] = s.play.counters.repeatcount;
    j["lowedgecount"] = s.play.counters.lowedgecount;
    j["highedgecount"] = s.play.counters.highedgecount;
    j["lastface"] = s.play.counters.lastface;
    j["solverkey"] = s.play.solverkey;
    j["lastpuzzlename"] = s.panels.lastpuzzlename;
    j["caption"] = g.form.caption;
    j["fontsize"] = number(s.picture.fontsize);
    j["focus"] = g.form.focus ? std::string(name(*g.form.focus)) : std::string();
    j["timer"] = {{"interval", g.form.Timer1.interval}, {"enabled", g.form.Timer1.enabled}};
    j["time_ms"] = timeMs;
    j["geometry"] = {
        {"squarewidth", s.picture.geometry.squarewidth},     {"facesize", s.picture.geometry.facesize},
        {"depthsize", number(s.picture.geometry.depthsize)}, {"depthstep", number(s.picture.geometry.depthstep)},
        {"cubeleft", s.picture.geometry.cubeleft},           {"cubetop", s.picture.geometry.cubetop},
        {"cuberight", s.picture.geometry.cuberight},         {"cubebottom", s.picture.geometry.cubebottom},
    };
    j["surface"] = {{"width", g.surface.width()}, {"height", g.surface.height()}};
    j["menu"] = menu(g.form);
    j["controls"] = controls(g.form);
    // Names come from the folder and may be any bytes: those that are not
    // UTF-8 are written as U+FFFD, so the line is always valid JSON.
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace vx
