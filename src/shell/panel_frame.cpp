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
    s.panels.panelopen = true;
    if (form[ControlId::Label4].visible) s.panels.labelshidden = true;
    showControls(g, {ControlId::Label4, ControlId::Label5}, false);
    if (form[ControlId::Command6].visible) s.panels.buttonshidden = true;
    showControls(g, {ControlId::Command6, ControlId::Command7}, false);
    eraseModePanel(g);
    for (MenuId id : {MenuId::choosecolors, MenuId::difficulty, MenuId::choosetime, MenuId::solvingoptions,
                      MenuId::newpuzzle, MenuId::loadpuzzle, MenuId::savepuzzle})
        form[id].enabled = false;
    form[ControlId::Notice].visible = false;
}

void closePanel(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    form[MenuId::loadpuzzle].enabled = true;
    if (s.play.history.histcount > 0 && !s.play.gameon) form[MenuId::savepuzzle].enabled = true;
    s.panels.panelopen = false;
    if (s.panels.labelshidden) {
        showControls(g, {ControlId::Label4, ControlId::Label5}, true);
        s.panels.labelshidden = false;
    }
    if (s.panels.buttonshidden) {
        showControls(g, {ControlId::Command6, ControlId::Command7}, true);
        s.panels.buttonshidden = false;
    }
    // The keyboard goes back to the cube.
    form.focus = std::nullopt;
    for (MenuId id :
         {MenuId::choosecolors, MenuId::difficulty, MenuId::solvingoptions, MenuId::newpuzzle, MenuId::choosetime})
        form[id].enabled = true;
}

void finishClosingPanel(Game& g) {
    if (!g.s.play.gameon) paintModePanelForSolver(g);
    if (g.s.play.drawmode) eraseModePanel(g);
}

}  // namespace vx
