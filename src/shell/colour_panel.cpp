// The colour panel: six of fourteen palette colours for the faces.
#include "shell/colour_panel.h"

#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/panel_frame.h"

namespace vx {

namespace {

bool isColourBox(std::string_view name) {
    for (const ColourBox& box : kColourBoxes)
        if (name == box.name) return true;
    return false;
}

Control* colourBoxOf(Game& g, int colour) {
    for (const ColourBox& box : kColourBoxes)
        if (box.colour == colour) return &g.form.control(box.name);
    return nullptr;
}

void showColourPanel(Game& g, bool visible) {
    showControls(g, {"Label2", "Command1", "Command2", "Command4"}, visible);
    for (const ColourBox& box : kColourBoxes) g.form.control(box.name).visible = visible;
}

// "Restore default colors" and "Make colors fluorescent": a ready-made set of
// six, in force at once.
void takeColourSet(Game& g, std::array<int, 6> colours) {
    GameState& s = g.s;
    for (const ColourBox& box : kColourBoxes) g.form.control(box.name).enabled = true;
    g.form.control("Check41").enabled = true;
    for (int i = 0; i < 6; ++i) s.facecolor[static_cast<std::size_t>(i + 1)] = colours[static_cast<std::size_t>(i)];
    for (const ColourBox& box : kColourBoxes) setTicked(g, g.form.control(box.name), false);
    setTicked(g, g.form.control("Check41"), false);
    for (int i = 1; i <= 6; ++i)
        if (Control* box = colourBoxOf(g, s.facecolor[static_cast<std::size_t>(i)])) setTicked(g, *box, true);
}

}  // namespace

void setTicked(Game& g, Control& box, bool ticked) {
    if (box.ticked == ticked) return;
    box.ticked = ticked;
    if (isColourBox(box.name)) colourBox_Click(g, box.name);
}

void colourBox_Click(Game& g, std::string_view name) {
    g.s.colorcount += g.form.control(name).ticked ? 1 : -1;
}

void sixColourRule(Game& g) {
    GameState& s = g.s;
    if (s.colorpanelused != 1) return;
    Control& done = g.form.control("Command1");
    if (s.colorcount == 6) {
        done.enabled = true;
        for (const ColourBox& box : kColourBoxes) {
            Control& c = g.form.control(box.name);
            if (!c.ticked && c.enabled) c.enabled = false;
        }
    }
    if (s.colorcount < 6) {
        done.enabled = false;
        for (const ColourBox& box : kColourBoxes) g.form.control(box.name).enabled = true;
    }
}

void choosecolors_Click(Game& g) {
    GameState& s = g.s;
    openPanel(g);
    for (int i = 1; i <= 6; ++i)
        if (Control* box = colourBoxOf(g, s.facecolor[static_cast<std::size_t>(i)])) setTicked(g, *box, true);
    s.colorpanelused = 1;
    showColourPanel(g, true);
    s.colorcount = 6;
}

void Command1_Click(Game& g) {
    GameState& s = g.s;
    closePanel(g);
    // The ticked colours in palette order become the six face colours.
    std::size_t k = 1;
    for (const ColourBox& box : kColourBoxes) {
        if (!g.form.control(box.name).ticked) continue;
        s.facecolor[k++] = box.colour;
        if (k > 6) break;
    }
    showColourPanel(g, false);
    finishClosingPanel(g);
}

void Command2_Click(Game& g) { takeColourSet(g, {10, 9, 12, 13, 14, 15}); }

void Command4_Click(Game& g) { takeColourSet(g, {1, 10, 5, 9, 11, 13}); }

}  // namespace vx
