#include "shell/panel_frame.h"

#include <initializer_list>

#include "shell/game.h"
#include "shell/mode_panel.h"

namespace vx {

void showControls(Game& g, std::initializer_list<ControlId> ids, bool visible) {
    for (ControlId id : ids) g.form[id].visible = visible;
}

void openPanel(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    s.panelopen = 1;
    if (form[ControlId::Label4].visible) s.labelshidden = 1;
    showControls(g, {ControlId::Label4, ControlId::Label5}, false);
    if (form[ControlId::Command6].visible) s.buttonshidden = 1;
    showControls(g, {ControlId::Command6, ControlId::Command7}, false);
    eraseModePanel(g);
    s.panelshown = 1;
    for (MenuId id : {MenuId::choosecolors, MenuId::difficulty, MenuId::choosetime, MenuId::solvingoptions, MenuId::newpuzzle, MenuId::loadpuzzle, MenuId::savepuzzle})
        form[id].enabled = false;
    form[ControlId::Notice].visible = false;
}

void closePanel(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    form[MenuId::loadpuzzle].enabled = true;
    if (s.history.histcount > 0 && s.gameon != 1) form[MenuId::savepuzzle].enabled = true;
    s.panelopen = 0;
    if (s.labelshidden == 1) {
        showControls(g, {ControlId::Label4, ControlId::Label5}, true);
        s.labelshidden = 0;
    }
    if (s.buttonshidden == 1) {
        showControls(g, {ControlId::Command6, ControlId::Command7}, true);
        s.buttonshidden = 0;
    }
    s.panelshown = 0;
    // The keyboard goes back to the cube.
    form.focus = std::nullopt;
    for (MenuId id : {MenuId::choosecolors, MenuId::difficulty, MenuId::solvingoptions, MenuId::newpuzzle, MenuId::choosetime})
        form[id].enabled = true;
}

void finishClosingPanel(Game& g) {
    if (g.s.gameon != 1) paintModePanelForSolver(g);
    if (g.s.drawmode == 1) eraseModePanel(g);
}

}  // namespace vx
