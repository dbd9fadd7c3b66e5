#pragma once

namespace vx {

// The game's key code for a Qt key (Qt::Key): the arrows are 37..40, letters
// their upper-case ASCII code, digits their ASCII code, and the other keys the
// usual PC virtual-key numbers. 0 for a key that has none.
int gameKeyCode(int qtKey);

}  // namespace vx
