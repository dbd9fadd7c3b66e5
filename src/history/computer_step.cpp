#include "history/computer_step.h"

#include "history/convert.h"

namespace vx {

ComputerAction computerStep(History& h, View& view, Random& rnd, int n) {
    ComputerAction action;
    if (h.histcount <= 0) return action;
    const HistEntry top = h.top();

    if (validView(view) && parallelToScreen(view, top.axis)) {
        action.wholeCube = true;
        action.solverkey = rnd.upTo(4) + key::Left - 1;  // one of the four arrows
        view = arrowTurn(view, static_cast<Arrow>(action.solverkey));
        return action;
    }
    if (const std::optional<ScreenMove> move = toScreen(view, top, n)) action.move = *move;
    h.pop();
    return action;
}

}  // namespace vx
