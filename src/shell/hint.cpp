// The hint: the first move of the computer's plan, told as the click that
// makes it, with the square ringed until the next event. It makes no move
// and records nothing.
#include "shell/hint.h"

#include "history/convert.h"
#include "render/square_outline.h"
#include "shell/computer_plan.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/notice.h"

namespace vx {

std::optional<HintMove> hintMove(const HistEntry& next, View view, int n) {
    if (validView(view) && parallelToScreen(view, next.axis)) return HintMove{true, {}};
    const std::optional<ScreenMove> move = toScreen(view, next, n);
    if (!move) return std::nullopt;
    return HintMove{false, *move};
}

std::string hintText(const HintMove& hint) {
    if (hint.arrowFirst) return "Hint: press an arrow key first to turn the cube.";
    const char* button = hint.move.turnkind == 1 ? "left" : "right";
    return std::string("Hint: ") + button + "-click the square in row " + std::to_string(hint.move.clickrow) +
           ", column " + std::to_string(hint.move.clickcol) + ".";
}

void endHint(Game& g) {
    HintMark& mark = g.s.picture.hint;
    if (!mark.shown) return;
    mark.shown = false;
    restorePixels(g.surface, mark.under);
    mark.under = {};
    if (g.form[ControlId::Notice].text == mark.notice) hideNotice(g);
}

void hint_Click(Game& g) {
    GameState& s = g.s;
    if (s.play.computersolves || s.panels.panelopen || !s.loop.cubeready || s.play.scramblesleft > 0) return;
    if (s.play.drawmode) {
        tell(g, "There is no hint in draw-mode.");
        return;
    }
    if (s.play.gameon) {
        tell(g, "There is no hint in a game.");
        return;
    }
    const int n = s.play.cubesize;
    const NextPlan next = lookForPlan(g);
    if (g.ended || next.kind == NextPlan::Kind::interrupted) return;
    const History& plan = next.kind == NextPlan::Kind::colours ? next.plan : s.play.history;
    if (plan.histcount <= 0) {
        if (s.play.cube.solved(n)) {
            tell(g, "The cube is solved.");
        } else {
            tell(g, next.kind == NextPlan::Kind::refused
                        ? "No hint: " + next.reason
                        : std::string("No hint: tick the shortest solution so that the computer reads the colors."));
        }
        return;
    }
    const std::optional<HintMove> hint = hintMove(plan.top(), s.play.view, n);
    if (!hint) {
        tell(g, "No hint: the next move is not a turn.");
        return;
    }
    s.picture.hint.notice = hintText(*hint);
    tell(g, s.picture.hint.notice);
    if (!hint->arrowFirst)
        s.picture.hint.under = outlineSquare(g.surface, s.picture.geometry, hint->move.clickrow, hint->move.clickcol);
    s.picture.hint.shown = true;
}

}  // namespace vx
