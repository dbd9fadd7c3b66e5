#pragma once

namespace vx {

// The game's key code for a Qt key (Qt::Key): the arrows are 37..40, letters
// their upper-case ASCII code whatever the case, digits their ASCII code, and
// the other keys the usual PC virtual-key numbers. A key of the keypad
// (`keypad`: Qt's keypad modifier was set) has its own code: the digits are
// 96..105, * + - . / are 106, 107, 109, 110, 111. 0 for a key that has none.
int gameKeyCode(int qtKey, bool keypad = false);

}  // namespace vx
