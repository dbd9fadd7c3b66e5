// The colour panel: six of fourteen palette colours for the faces.
#include "shell/colour_panel.h"

#include <algorithm>

#include "cube/coloring.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/panel_frame.h"

namespace vx {

namespace {

bool isColourBox(ControlId id) {
    for (const ColourBox& box : kColourBoxes)
        if (id == box.id) return true;
    return false;
}

std::optional<ControlId> colourBoxOf(int colour) {
    for (const ColourBox& box : kColourBoxes)
        if (box.colour == colour) return box.id;
    return std::nullopt;
}

void showColourPanel(Game& g, bool visible) {
    showControls(g, {ControlId::Label2, ControlId::Command1, ControlId::Command2, ControlId::Command4}, visible);
    for (const ColourBox& box : kColourBoxes) g.form[box.id].visible = visible;
}

// "Restore default colors" and "Make colors fluorescent": a ready-made set of
// six, in force at once.
void takeColourSet(Game& g, std::array<int, 6> colours) {
    GameState& s = g.s;
    for (const ColourBox& box : kColourBoxes) g.form[box.id].enabled = true;
    g.form[ControlId::Check41].enabled = true;
    for (int i = 0; i < 6; ++i)
        s.options.facecolor[static_cast<std::size_t>(i + 1)] = colours[static_cast<std::size_t>(i)];
    for (const ColourBox& box : kColourBoxes) setTicked(g, box.id, false);
    setTicked(g, ControlId::Check41, false);
    for (int i = 1; i <= 6; ++i)
        if (const auto box = colourBoxOf(s.options.facecolor[static_cast<std::size_t>(i)])) setTicked(g, *box, true);
}

}  // namespace

void setTicked(Game& g, ControlId id, bool ticked) {
    Control& box = g.form[id];
    if (box.ticked == ticked) return;
    box.ticked = ticked;
    if (isColourBox(id)) colourBox_Click(g, id);
}

void colourBox_Click(Game& g, ControlId box) { g.s.options.colorcount += g.form[box].ticked ? 1 : -1; }

void sixColourRule(Game& g) {
    GameState& s = g.s;
    if (!s.panels.colorpanelused) return;
    Control& done = g.form[ControlId::Command1];
    if (s.options.colorcount == 6) {
        done.enabled = true;
        for (const ColourBox& box : kColourBoxes) {
            Control& c = g.form[box.id];
            if (!c.ticked && c.enabled) c.enabled = false;
        }
    }
    if (s.options.colorcount < 6) {
        done.enabled = false;
        for (const ColourBox& box : kColourBoxes) g.form[box.id].enabled = true;
    }
}

void choosecolors_Click(Game& g) {
    GameState& s = g.s;
    openPanel(g);
    for (int i = 1; i <= 6; ++i)
        if (const auto box = colourBoxOf(s.options.facecolor[static_cast<std::size_t>(i)])) setTicked(g, *box, true);
    s.panels.colorpanelused = true;
    showColourPanel(g, true);
    s.options.colorcount = 6;
    s.panels.panelentry.facecolor = s.options.facecolor;
    s.panels.panelentry.colorcount = s.options.colorcount;
    for (std::size_t i = 0; i < std::size(kColourBoxes); ++i)
        s.panels.panelentry.ticked[i] = g.form[kColourBoxes[i].id].ticked;
}

void Command1_Click(Game& g) {
    GameState& s = g.s;
    closePanel(g);
    // The ticked colours in palette order become the six face colours.
    std::size_t k = 1;
    for (const ColourBox& box : kColourBoxes) {
        if (!g.form[box.id].ticked) continue;
        s.options.facecolor[k++] = box.colour;
        if (k > 6) break;
    }
    showColourPanel(g, false);
    finishClosingPanel(g);
}

void cancelColours(Game& g) {
    GameState& s = g.s;
    closePanel(g);
    for (std::size_t i = 0; i < std::size(kColourBoxes); ++i)
        setTicked(g, kColourBoxes[i].id, s.panels.panelentry.ticked[i]);
    s.options.colorcount = s.panels.panelentry.colorcount;
    s.options.facecolor = s.panels.panelentry.facecolor;
    sixColourRule(g);
    showColourPanel(g, false);
    finishClosingPanel(g);
}

void Command2_Click(Game& g) {
    std::array<int, 6> defaults{};
    std::copy(kDefaultFaceColors.begin() + 1, kDefaultFaceColors.end(), defaults.begin());
    takeColourSet(g, defaults);
}

void Command4_Click(Game& g) { takeColourSet(g, {1, 10, 5, 9, 11, 13}); }

}  // namespace vx
