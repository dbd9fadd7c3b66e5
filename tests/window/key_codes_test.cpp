// Qt's keys as the game's key codes.
#include <gtest/gtest.h>

#include <Qt>

#include "ui/qt/key_codes.h"

namespace vx {
namespace {

TEST(windowKeyCode, GivesTheCodesTheGameKnows) {
    const struct {
        int qtKey, code;
    } table[] = {
        {Qt::Key_Left, 37}, {Qt::Key_Up, 38},    {Qt::Key_Right, 39},  {Qt::Key_Down, 40},   {Qt::Key_B, 66},
        {Qt::Key_R, 82},    {Qt::Key_T, 84},     {Qt::Key_A, 65},      {Qt::Key_Z, 90},      {Qt::Key_0, 48},
        {Qt::Key_9, 57},    {Qt::Key_Space, 32}, {Qt::Key_Return, 13}, {Qt::Key_Escape, 27}, {Qt::Key_F1, 112},
        {Qt::Key_F12, 123}, {Qt::Key_Delete, 46}, {Qt::Key_Shift, 16},
    };
    for (const auto& [qtKey, code] : table) EXPECT_EQ(gameKeyCode(qtKey), code) << std::hex << qtKey;
}

// Keys of the keypad have codes of their own, none of them a letter's.
TEST(windowKeyCode, KeypadKeysHaveTheirOwnCodes) {
    const struct {
        int qtKey, code;
    } table[] = {
        {Qt::Key_0, 96},        {Qt::Key_2, 98},     {Qt::Key_9, 105},     {Qt::Key_Asterisk, 106},
        {Qt::Key_Plus, 107},    {Qt::Key_Minus, 109}, {Qt::Key_Period, 110}, {Qt::Key_Slash, 111},
        {Qt::Key_Left, 37},     {Qt::Key_Enter, 13},
    };
    for (const auto& [qtKey, code] : table) EXPECT_EQ(gameKeyCode(qtKey, true), code) << std::hex << qtKey;
    EXPECT_EQ(gameKeyCode(Qt::Key_2, false), 50);
}

TEST(windowKeyCode, KeysWithoutACodeGiveNone) {
    for (int qtKey : {0, int(Qt::Key_unknown), int(Qt::Key_VolumeUp), int(Qt::Key_Eacute), int(Qt::Key_Exclam)})
        EXPECT_EQ(gameKeyCode(qtKey), 0) << std::hex << qtKey;
}

}  // namespace
}  // namespace vx
