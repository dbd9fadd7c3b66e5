#include "ui/qt/key_codes.h"

#include <utility>

#include <Qt>

#include "cube/key_codes.h"

namespace vx {

namespace {

int keypadCode(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
    constexpr std::pair<int, int> kCodes[] = {{Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
                                              {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111}};
    for (const auto& [key, code] : kCodes)
        if (key == qtKey) return code;
    return -1;
}

}  // namespace

int gameKeyCode(int qtKey, bool keypad) {
    // Keypad keys that are no digit or operator (its arrows, Enter) keep
    // the codes of the keys they repeat.
    if (keypad)
        if (const int code = keypadCode(qtKey); code >= 0) return code;
    // Qt already numbers letters and digits by their upper-case ASCII code.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    constexpr std::pair<int, int> kCodes[] = {
        {Qt::Key_Backspace, 8},
        {Qt::Key_Tab, 9},
        {Qt::Key_Backtab, 9},
        {Qt::Key_Return, key::Return},
        {Qt::Key_Enter, key::Return},
        {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},
        {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, key::Escape},
        {Qt::Key_Space, key::Space},
        {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},
        {Qt::Key_Home, 36},
        {Qt::Key_Left, key::Left},
        {Qt::Key_Up, key::Up},
        {Qt::Key_Right, key::Right},
        {Qt::Key_Down, key::Down},
        {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},
        {Qt::Key_NumLock, 144},
        {Qt::Key_ScrollLock, 145},
    };
    for (const auto& [key, code] : kCodes)
        if (key == qtKey) return code;
    return 0;
}

}  // namespace vx
