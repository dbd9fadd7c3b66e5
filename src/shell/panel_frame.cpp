#include "shell/panel_frame.h"

#include <initializer_list>

#include "shell/game.h"
#include "shell/mode_panel.h"

namespace vx {

void showControls(Game& g, std::initializer_list<const char*> names, bool visible) {
    for (const char* name : names) g.form.control(name).visible = visible;
}

void openPanel(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    s.panelopen = 1;
    if (form.control("Label4").visible) s.labelshidden = 1;
    showControls(g, {"Label4", "Label5"}, false);
    if (form.control("Command6").visible) s.buttonshidden = 1;
    showControls(g, {"Command6", "Command7"}, false);
    eraseModePanel(g);
    s.panelshown = 1;
    for (const char* name :
         {"choosecolors", "difficulty", "choosetime", "solvingoptions", "newpuzzle", "loadpuzzle", "savepuzzle"})
        form.item(name).enabled = false;
    form.control("Notice").visible = false;
}

void closePanel(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    form.item("loadpuzzle").enabled = true;
    if (s.history.histcount > 0 && s.gameon != 1) form.item("savepuzzle").enabled = true;
    s.panelopen = 0;
    if (s.labelshidden == 1) {
        showControls(g, {"Label4", "Label5"}, true);
        s.labelshidden = 0;
    }
    if (s.buttonshidden == 1) {
        showControls(g, {"Command6", "Command7"}, true);
        s.buttonshidden = 0;
    }
    s.panelshown = 0;
    for (const char* name : {"choosecolors", "difficulty", "solvingoptions", "newpuzzle", "choosetime"})
        form.item(name).enabled = true;
}

void finishClosingPanel(Game& g) {
    if (g.s.gameon != 1) drawModePanelForSolver(g);
    if (g.s.drawmode == 1) eraseModePanel(g);
}

}  // namespace vx
