#include "history/draw_sequence.h"

namespace vx {

void DrawSequence::start(const ScreenMove& click) {
    if (underWay() || (click.turnkind != 1 && click.turnkind != 2)) return;
    click_ = click;
    counter_ = 1;
}

ScreenMove DrawSequence::next(int n) {
    if (!underWay()) return {};
    const int step = counter_;
    counter_ = counter_ >= 4 ? 0 : counter_ + 1;

    const int c0 = click_.clickcol, r0 = click_.clickrow;
    const ScreenMove columnUp{1, c0, 1}, columnDown{1, c0, n};
    const ScreenMove rowRight{2, n, r0}, rowLeft{2, 1, r0};
    if (click_.turnkind == 1) {
        switch (step) {
        case 1: return columnUp;
        case 2: return rowRight;
        case 3: return columnDown;
        default: return rowLeft;
        }
    }
    switch (step) {
    case 1: return rowLeft;
    case 2: return columnDown;
    case 3: return rowRight;
    default: return columnUp;
    }
}

}  // namespace vx
