// Qt's keys as the game's key codes: keys of the keypad have codes of their
// own, none of them a letter's; keys without a code give 0.
#include <gtest/gtest.h>

#include <Qt>

#include "ui/qt/key_codes.h"

namespace vx {
namespace {

TEST(windowKeyCode, GivesTheCodesTheGameKnows) {
    const struct {
        int qtKey;
        bool keypad;
        int code;
    } table[] = {
        {Qt::Key_Left, false, 37},   {Qt::Key_Up, false, 38},        {Qt::Key_Right, false, 39},
        {Qt::Key_Down, false, 40},   {Qt::Key_B, false, 66},         {Qt::Key_R, false, 82},
        {Qt::Key_T, false, 84},      {Qt::Key_A, false, 65},         {Qt::Key_Z, false, 90},
        {Qt::Key_0, false, 48},      {Qt::Key_9, false, 57},         {Qt::Key_2, false, 50},
        {Qt::Key_Space, false, 32},  {Qt::Key_Return, false, 13},    {Qt::Key_Escape, false, 27},
        {Qt::Key_F1, false, 112},    {Qt::Key_F12, false, 123},      {Qt::Key_Delete, false, 46},
        {Qt::Key_Shift, false, 16},  {Qt::Key_0, true, 96},          {Qt::Key_2, true, 98},
        {Qt::Key_9, true, 105},      {Qt::Key_Asterisk, true, 106},  {Qt::Key_Plus, true, 107},
        {Qt::Key_Minus, true, 109},  {Qt::Key_Period, true, 110},    {Qt::Key_Slash, true, 111},
        {Qt::Key_Left, true, 37},    {Qt::Key_Enter, true, 13},      {0, false, 0},
        {Qt::Key_unknown, false, 0}, {Qt::Key_VolumeUp, false, 0},   {Qt::Key_Eacute, false, 0},
        {Qt::Key_Exclam, false, 0},
    };
    for (const auto& [qtKey, keypad, code] : table) EXPECT_EQ(gameKeyCode(qtKey, keypad), code) << std::hex << qtKey;
}

}  // namespace
}  // namespace vx
