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

Json faces(const GameState& s) {
    const int n = s.cubesize;
    Json all = Json::array();
    for (int f = 1; f <= 6; ++f) {
        Json face = Json::array();
        for (int b = 1; b <= n; ++b) {
            Json row = Json::array();
            for (int a = 1; a <= n; ++a) row.push_back(s.cube.squarecolor(a, b, f));
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
    j["cubesize"] = s.cubesize;
    j["pendingsize"] = s.pendingsize;
    j["frontface"] = s.view.face;
    j["frontturn"] = s.view.turn;
    j["faces"] = faces(s);
    j["history"] = entries(s.history);
    j["histcount"] = s.history.histcount;
    j["scramblesleft"] = s.scramblesleft;
    j["computersolves"] = s.computersolves;
    j["onemove"] = s.onemove;
    j["gameon"] = s.gameon;
    j["drawmode"] = s.drawmode;
    j["solvedcount"] = s.solvedcount;
    j["gamescrambles"] = s.gamescrambles;
    j["gamestartstate"] = s.gamestartstate;
    j["solvewasnew"] = s.solvewasnew;
    j["cubefinished"] = s.cubefinished;
    j["gamepuzzle"] = s.gamepuzzle;
    j["gamepuzzlename"] = s.gamepuzzlename;
    j["rotationtime"] = number(s.rotationtime);
    j["shortest"] = s.shortest;
    j["computerplan"] = {
        {"source", s.computerplan.source == ComputerPlan::Source::colors ? "colors" : "history"},
        {"moves", s.computerplan.moves},
    };
    j["plan"] = entries(s.computerplan.planned);
    Json facecolor = Json::array();
    for (int i = 1; i <= 6; ++i) facecolor.push_back(s.facecolor[static_cast<std::size_t>(i)]);
    j["facecolor"] = std::move(facecolor);
    j["colorcount"] = s.colorcount;
    j["colorpanelused"] = s.colorpanelused;
    j["panelopen"] = s.panelopen;
    j["panelshown"] = s.panelshown;
    j["cubeready"] = s.cubeready;
    j["viewchanged"] = s.viewchanged;
    j["clickpending"] = s.clickpending;
    j["repeatcount"] = s.counters.repeatcount;
    j["lowedgecount"] = s.counters.lowedgecount;
    j["highedgecount"] = s.counters.highedgecount;
    j["lastface"] = s.counters.lastface;
    j["solverkey"] = s.solverkey;
    j["lastpuzzlename"] = s.lastpuzzlename;
    j["caption"] = g.form.caption;
    j["fontsize"] = number(s.fontsize);
    j["focus"] = g.form.focus ? std::string(name(*g.form.focus)) : std::string();
    j["timer"] = {{"interval", g.form.Timer1.interval}, {"enabled", g.form.Timer1.enabled}};
    j["time_ms"] = timeMs;
    j["geometry"] = {
        {"squarewidth", s.geometry.squarewidth}, {"facesize", s.geometry.facesize},
        {"depthsize", number(s.geometry.depthsize)}, {"depthstep", number(s.geometry.depthstep)},
        {"cubeleft", s.geometry.cubeleft},       {"cubetop", s.geometry.cubetop},
        {"cuberight", s.geometry.cuberight},     {"cubebottom", s.geometry.cubebottom},
    };
    j["surface"] = {{"width", g.surface.width()}, {"height", g.surface.height()}};
    j["menu"] = menu(g.form);
    j["controls"] = controls(g.form);
    // Names come from the folder and may be any bytes: those that are not
    // UTF-8 are written as U+FFFD, so the line is always valid JSON.
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace vx
