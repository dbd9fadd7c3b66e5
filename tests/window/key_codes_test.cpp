// The window's keys do what the game's keys do: each key a player presses
// reaches the game as the code its handler acts on, and keys that are no
// game key (the keypad's 2, F3, a digit) do nothing.
#include "ui/qt/key_codes.h"

#include "shell/game.h"
#include "window/window_fixture.h"

namespace vx::test {
namespace {

using windowKeys = WindowTest;

TEST_F(windowKeys, EachKeyDoesWhatTheGameKeyDoes) {
    const struct {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        View (*turn)(View);  // the view the key gives; nullptr: the view stays
    } cases[] = {
        {"left", Qt::Key_Left, Qt::NoModifier, [](View v) { return arrowTurn(v, Arrow::Left); }},
        {"up", Qt::Key_Up, Qt::NoModifier, [](View v) { return arrowTurn(v, Arrow::Up); }},
        {"right", Qt::Key_Right, Qt::NoModifier, [](View v) { return arrowTurn(v, Arrow::Right); }},
        {"down", Qt::Key_Down, Qt::NoModifier, [](View v) { return arrowTurn(v, Arrow::Down); }},
        {"the keypad's left", Qt::Key_Left, Qt::KeypadModifier, [](View v) { return arrowTurn(v, Arrow::Left); }},
        {"r", Qt::Key_R, Qt::NoModifier, keyR},
        {"t", Qt::Key_T, Qt::NoModifier, keyT},
        {"T", Qt::Key_T, Qt::ShiftModifier, keyT},
        {"the keypad's 2", Qt::Key_2, Qt::KeypadModifier, nullptr},
        {"F3", Qt::Key_F3, Qt::NoModifier, nullptr},
        {"4", Qt::Key_4, Qt::NoModifier, nullptr},
        {"Return", Qt::Key_Return, Qt::NoModifier, nullptr},
    };
    View before;
    start();
    for (const auto& c : cases) {
        then([&] {
            before = game().s.play.view;
            key(c.key, c.modifiers);
        });
        then([&] {
            const View expected = c.turn ? c.turn(before) : before;
            EXPECT_EQ(game().s.play.view.face, expected.face) << c.what;
            EXPECT_EQ(game().s.play.view.turn, expected.turn) << c.what;
        });
    }
    EXPECT_TRUE(play());
}

// A digit of the keypad is a key of its own, not the digit row's.
TEST(windowKeyCodes, TheKeypadsDigitsAreKeysOfTheirOwn) {
    for (const int key : {Qt::Key_0, Qt::Key_5, Qt::Key_9})
        EXPECT_NE(gameKeyCode(key, true), gameKeyCode(key, false)) << key;
}

}  // namespace
}  // namespace vx::test
