// The game in its real window: the picture, the mouse, the keys, the menus,
// the controls and the end of the program.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QMenuBar>
#include <QWindow>
#include <filesystem>

#include "shell/game.h"
#include "cube/layer_turn.h"
#include "window/window_fixture.h"

namespace vx::test {
namespace {

// Face colours, size 3, no scramble, no pacing, draw-mode off: every game
// here starts from a solved cube in the standard view.
constexpr const char* kSolvedStart = "10 9 12 13 14 15 3 0 0 0";

// The tests' names begin with "window", so that `ctest -R window` runs them.
using window = WindowTest;

bool sameSquares(const Cube& a, const Cube& b, int n) {
    for (int f = 1; f <= 6; ++f)
        for (int row = 1; row <= n; ++row)
            for (int col = 1; col <= n; ++col)
                if (a.squarecolor(col, row, f) != b.squarecolor(col, row, f)) return false;
    return true;
}

TEST_F(window, ShowsTheGamesPictureAsItIs) {
    start();
    then([&] {
        EXPECT_EQ(mainWindow().windowTitle().toStdString(), game().form.caption);
        const SurfaceView& view = mainWindow().surfaceView();
        EXPECT_EQ(game().surface.width(), view.width());
        EXPECT_EQ(game().surface.height(), view.height());
        // The cube is painted: its front face's top-left square has a colour.
        const QPoint square = squareCentre(1, 1);
        EXPECT_NE(game().surface.pixel(square.x(), square.y()), 0);
        keepPicture("start");
        expectShowsSurface(shownPicture(1.0));
        // On a screen of twice the density every pixel is a 2 x 2 block of
        // the same colour: no smoothing.
        expectShowsSurface(shownPicture(2.0), 2);
    });
    EXPECT_TRUE(play());
}

// A right click on the last column's middle square turns its row.
TEST_F(window, AClickTurnsTheLayerUnderTheMouse) {
    writeSettings(kSolvedStart);
    start();
    Cube expected;
    then([&] {
        expected = game().s.cube;
        layerTurn(expected, game().s.view, ScreenMove{2, 3, 2}, 3);
        click(squareCentre(3, 2), Qt::RightButton);
    });
    then([&] {
        EXPECT_EQ(game().s.history.histcount, 1);
        EXPECT_TRUE(sameSquares(game().s.cube, expected, 3));
        expectShowsSurface(shownPicture());
    });
    EXPECT_TRUE(play());
}

TEST_F(window, KeysReachTheGameFirstAndTheFocusedBoxAfter) {
    writeSettings(kSolvedStart);
    start();
    View before{};
    then([&] {
        choose("difficulty");
    });
    then([&] {
        QWidget* text1 = mainWindow().controlWidget("Text1");
        EXPECT_TRUE(text1->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), text1);
        before = game().s.view;
        // Keys go nowhere in the game while a panel is shown ...
        key(Qt::Key_Left);
        key(Qt::Key_B);
        // ... but typing still reaches the box; it holds two characters.
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_1);
        key(Qt::Key_2);
        key(Qt::Key_3);
    });
    then([&] {
        EXPECT_EQ(game().s.view, before);
        EXPECT_EQ(game().s.computersolves, 0);
        EXPECT_EQ(game().form[ControlId::Text1].text, "12");
        EXPECT_EQ(static_cast<QLineEdit*>(mainWindow().controlWidget("Text1"))->text(), "12");
        press("Command3");
    });
    then([&] {
        EXPECT_FALSE(mainWindow().controlWidget("Text1")->isVisible());
        EXPECT_NE(QApplication::focusWidget(), mainWindow().controlWidget("Text1"));
        key(Qt::Key_Left);
    });
    then([&] {
        EXPECT_EQ(game().s.view, arrowTurn(before, Arrow::Left));
        expectShowsSurface(shownPicture());
    });
    EXPECT_TRUE(play());
}

TEST_F(window, AKeyOnTheFocusedDoneButtonGivesTheFocusBack) {
    start();
    then([&] { choose("difficulty"); });
    then([&] {
        mainWindow().controlWidget("Command3")->setFocus();
        key(Qt::Key_Shift);
    });
    then([&] {
        EXPECT_FALSE(game().form.focus);
        EXPECT_NE(QApplication::focusWidget(), mainWindow().controlWidget("Command3"));
    });
    EXPECT_TRUE(play());
}

TEST_F(window, TheMenusShowTheGamesTicksAndEnabledStates) {
    start();
    const auto ticked = [&](const char* name) {
        const QAction* a = mainWindow().menuAction(name);
        EXPECT_EQ(a->isChecked(), game().form[*menuIdNamed(name)].checked) << name;
        return a->isChecked();
    };
    const auto enabled = [&](const char* name) { return mainWindow().menuAction(name)->isEnabled(); };
    then([&] {
        EXPECT_TRUE(ticked("usolve"));
        EXPECT_FALSE(ticked("csolve"));
        EXPECT_TRUE(ticked("by3"));
        choose("csolve");
    });
    then([&] {
        EXPECT_TRUE(ticked("csolve"));
        // Choosing a ticked item again: Qt would untick it, the game keeps it.
        choose("csolve");
        choose("by12");
        choose("by12");
    });
    then([&] {
        EXPECT_TRUE(ticked("csolve"));
        EXPECT_TRUE(ticked("by12"));
        EXPECT_FALSE(ticked("by3"));
        choose("gamemode");
    });
    then([&] {
        EXPECT_TRUE(ticked("gamemode"));
        EXPECT_FALSE(enabled("createmode"));
        EXPECT_EQ(mainWindow().menuAction("newpuzzle")->text(), "&New game");
        EXPECT_EQ(mainWindow().windowTitle().toStdString(), game().form.caption);
        EXPECT_TRUE(mainWindow().controlWidget("Label4")->isVisible());
    });
    EXPECT_TRUE(play());
}

// Every menu has keyboard mnemonics, unique within it; Alt with a game key
// opens no menu, and Alt+O opens Options.
TEST_F(window, TheMenusHaveMnemonicsThatLeaveTheGameKeysFree) {
    start();
    then([&] {
        EXPECT_EQ(mainWindow().menuAction("options")->text(), "&Options");
        EXPECT_EQ(mainWindow().menuAction("loadpuzzle")->text(), "&Load puzzle");
        EXPECT_EQ(mainWindow().menuAction("savepuzzle")->text(), "&Save puzzle");
        EXPECT_EQ(mainWindow().menuAction("savesettings")->text(), "S&ave settings");
        EXPECT_EQ(mainWindow().menuAction("instructions")->text(), "&Instructions");
        key(Qt::Key_O, Qt::AltModifier);
    });
    then([&] {
        const QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup, mainWindow().menuAction("options")->menu());
        key(Qt::Key_Escape);
    });
    EXPECT_TRUE(play());
}

// Return in the save panel's name box presses Done; the load panel's name
// box shows the start of a long name.
TEST_F(window, ReturnSavesAndTheLoadBoxShowsTheStartOfTheName) {
    start();
    then([&] { choose("savepuzzle"); });
    then([&] { typeInto("Text4", "averyveryverylongname"); });
    then([&] { key(Qt::Key_Return); });
    then([&] {
        EXPECT_TRUE(std::filesystem::exists("averyveryverylongname.cube"));
        EXPECT_FALSE(mainWindow().controlWidget("Text4")->isVisible());
        choose("loadpuzzle");
    });
    then([&] {
        const auto* box = static_cast<QLineEdit*>(mainWindow().controlWidget("Text3"));
        EXPECT_EQ(box->text().toStdString(), "averyveryverylongname.cube");
        EXPECT_EQ(box->cursorPosition(), 0);
        press("Command9");
    });
    EXPECT_TRUE(play());
}

// A handful of yields for the one event that ends the quiet time; a loop
// that spins yields thousands of times in that time.
constexpr long long kFewYields = 10;

TEST_F(window, AnIdleGameWaitsForEvents) {
    start();
    then([&] {
        leaveAlone(100, [](long long yields) { EXPECT_LE(yields, kFewYields) << "practice"; });
    });
    then([&] { choose("csolve"); });
    then([&] {
        // Solved by the computer, which has nothing left to do.
        ASSERT_EQ(game().s.history.histcount, 0);
        leaveAlone(100, [](long long yields) { EXPECT_LE(yields, kFewYields) << "computer solving"; });
    });
    EXPECT_TRUE(play());
}

TEST_F(window, ClosingTheWindowEndsTheProgram) {
    start();
    then([&] { mainWindow().close(); });
    then([&] { ADD_FAILURE() << "the game went on after its window closed"; });
    EXPECT_TRUE(play());
    EXPECT_TRUE(game().ended);
}

}  // namespace
}  // namespace vx::test
