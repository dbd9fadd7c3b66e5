// The two number panels: the scramble count and the computer's minimum
// rotation time, each a label, a two-character box and Done.
#include "files/numbers.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/panel_frame.h"

namespace vx {

void difficulty_Click(Game& g) {
    openPanel(g);
    showControls(g, {ControlId::Command3, ControlId::Label1, ControlId::Text1}, true);
    g.form.focus = ControlId::Text1;
    g.s.panels.panelentry.text = g.form[ControlId::Text1].text;
}

void cancelDifficulty(Game& g) {
    g.form[ControlId::Text1].text = g.s.panels.panelentry.text;
    Command3_Click(g);
}

void Command3_Click(Game& g) {
    closePanel(g);
    // The box keeps the number it begins with, written plainly; the count is
    // read from it whenever a new cube is made.
    Control& text1 = g.form[ControlId::Text1];
    const double count = leadingNumber(text1.text);
    text1.text = count < 0 ? "0" : plainForm(count);
    showControls(g, {ControlId::Label1, ControlId::Text1, ControlId::Command3}, false);
    g.form.focus = std::nullopt;
    finishClosingPanel(g);
}

void Command3_KeyDown(Game& g, int) { g.form.focus = std::nullopt; }

void choosetime_Click(Game& g) {
    openPanel(g);
    showControls(g, {ControlId::Label3, ControlId::Text2}, true);
    g.form[ControlId::Text2].text = plainForm(g.s.options.rotationtime);
    showControls(g, {ControlId::Command5}, true);
    g.form.focus = ControlId::Text2;
}

namespace {

void closeTimePanel(Game& g) {
    showControls(g, {ControlId::Label3, ControlId::Text2, ControlId::Command5}, false);
    g.form.focus = std::nullopt;
    finishClosingPanel(g);
}

}  // namespace

void Command5_Click(Game& g) {
    closePanel(g);
    g.s.options.rotationtime = leadingNumber(g.form[ControlId::Text2].text);
    closeTimePanel(g);
}

void cancelChoosetime(Game& g) {
    closePanel(g);
    closeTimePanel(g);
}

}  // namespace vx
