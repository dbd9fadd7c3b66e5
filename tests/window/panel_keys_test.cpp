// The window's keys do what the game's keys do: each key a player presses
// reaches the game as the code its handler acts on, and keys that are no
// game key (the keypad's 2, F3, a digit) do nothing. The keyboard finishes
// every panel: Return in a box or list, Escape, Space or Return on a focused
// Done button, and a double-click on a load entry; the keyboard is the
// cube's again after each.
#include <filesystem>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

#include "shell/game.h"
#include "ui/qt/key_codes.h"
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

using windowPanelKeys = WindowTest;

TEST_F(windowPanelKeys, TheKeyboardFinishesEveryPanel) {
    const auto widget = [&](const char* name) { return mainWindow().controlWidget(name); };
    Cube saved;
    int savedCount = 0;
    const auto loaded = [&] {
        return game().s.play.cube.sameSquares(saved, game().s.play.cubesize) &&
               game().s.play.history.histcount == savedCount;
    };
    const auto text1 = [&](const char* t) { return [&, t] { return game().form[ControlId::Text1].text == t; }; };
    const auto timeIs = [&](double t) { return [&, t] { return game().s.options.rotationtime == t; }; };
    const auto file = [](const char* f, bool there) { return [=] { return std::filesystem::exists(f) == there; }; };

    // The panel is opened from `menu`; then `text` is typed into the box
    // `into`, or the first entry of the list `into` is picked, or the button
    // `into` is clicked; `focus` takes the focus, and `key` is pressed (none:
    // the entry is double-clicked).
    struct Case {
        const char* what;
        const char* menu;
        const char* into;
        const char* text;
        const char* focus;
        Qt::Key key;
        std::function<bool()> done;  // what the panel did
    };
    const Case cases[] = {
        // Return in a box or list presses Done.
        {"Return in the save box", "savepuzzle", "Text4", "k", nullptr, Qt::Key_Return,
         [&] {
             saved = game().s.play.cube;
             savedCount = game().s.play.history.histcount;
             return std::filesystem::exists("k.cube");
         }},
        {"Return in the difficulty box", "difficulty", "Text1", "7", nullptr, Qt::Key_Return, text1("7")},
        {"Return in the time box", "choosetime", "Text2", "5", nullptr, Qt::Key_Return, timeIs(5)},
        {"Return in the save list", "savepuzzle", "File1", nullptr, nullptr, Qt::Key_Return,
         [&] { return game().form[ControlId::Text4].text == "k.cube"; }},
        {"Return in the load list", "loadpuzzle", "File2", nullptr, nullptr, Qt::Key_Return, loaded},
        // Escape: Cancel, or the panel closes with its values as they were.
        {"Escape in the difficulty panel", "difficulty", "Text1", "9", nullptr, Qt::Key_Escape, text1("7")},
        {"Escape in the time panel", "choosetime", "Text2", "8", nullptr, Qt::Key_Escape, timeIs(5)},
        {"Escape in the colour panel", "choosecolors", "Command4", nullptr, nullptr, Qt::Key_Escape,
         [&] {
             bool asBefore = game().s.options.facecolor == kDefaultFaceColors && game().s.options.colorcount == 6;
             for (const ColourBox& box : kColourBoxes) {
                 const bool ticked = game().form[box.id].ticked;
                 for (int f = 1; f <= 6; ++f)
                     asBefore &= ticked || kDefaultFaceColors[static_cast<std::size_t>(f)] != box.colour;
             }
             return asBefore;
         }},
        {"Escape in the save panel", "savepuzzle", "Text4", "esc", nullptr, Qt::Key_Escape, file("esc.cube", false)},
        {"Escape in the load panel", "loadpuzzle", "File2", nullptr, nullptr, Qt::Key_Escape,
         [&] { return !loaded(); }},
        // Space or Return on a focused Done button presses it.
        {"Space on the difficulty panel's Done", "difficulty", "Text1", "4", "Command3", Qt::Key_Space, text1("4")},
        {"Return on the time panel's Done", "choosetime", "Text2", "2", "Command5", Qt::Key_Return, timeIs(2)},
        {"Space on the colour panel's Done", "choosecolors", "Command4", nullptr, "Command1", Qt::Key_Space,
         [&] { return game().s.options.facecolor != kDefaultFaceColors; }},
        {"Space on the save panel's Done", "savepuzzle", "Text4", "space", "Command10", Qt::Key_Space,
         file("space.cube", true)},
        {"Space on the load panel's Done", "loadpuzzle", "File2", nullptr, "Command8", Qt::Key_Space, loaded},
        {"a double-click in the load list", "loadpuzzle", "File2", nullptr, nullptr, Qt::Key_unknown, loaded},
    };
    const auto act = [&](const Case& c) {
        QWidget* into = widget(c.into);
        if (c.text) {
            auto* edit = static_cast<QLineEdit*>(into);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, c.text);
        } else if (auto* files = qobject_cast<QListWidget*>(into)) {
            files->setFocus();
            files->setCurrentRow(0);
            if (c.key == Qt::Key_unknown) {
                // As the window system sends it: a click, then the double-click.
                const QPoint entry = files->visualItemRect(files->item(0)).center();
                QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, entry);
                QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, entry);
                return;
            }
        } else {
            QTest::mouseClick(into, Qt::LeftButton);
        }
        if (c.focus) widget(c.focus)->setFocus();
        key(c.key);
    };
    start();
    for (const Case& c : cases) {
        // The load cases begin from another cube.
        if (std::string_view(c.menu) == "loadpuzzle") then([&] { choose("newpuzzle"); });
        then([&] { choose(c.menu); });
        then([&] {
            ASSERT_EQ(game().s.panels.panelopen, 1) << c.what;
            act(c);
        });
        then([&] {
            EXPECT_EQ(game().s.panels.panelopen, 0) << c.what << ": the panel is still open";
            EXPECT_TRUE(c.done()) << c.what;
            EXPECT_EQ(QApplication::focusWidget(), &mainWindow().surfaceView()) << c.what << ": the focus";
        });
    }
    EXPECT_TRUE(play());
}

}  // namespace
}  // namespace vx::test
