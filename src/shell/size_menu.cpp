#include "shell/size_menu.h"

#include "cube/cube_size.h"
#include "shell/game.h"
#include "shell/handlers.h"

namespace vx {

void tickSize(Form& form, int size) {
    for (int k = kMinCubeSize; k <= kMaxCubeSize; ++k) form[sizeItem(k)].checked = k == size;
}

// The size takes effect with the next new cube.
void bySize_Click(Game& g, int size) {
    if (!CubeSize::of(size)) return;
    g.s.options.pendingsize = size;
    tickSize(g.form, size);
}

}  // namespace vx
