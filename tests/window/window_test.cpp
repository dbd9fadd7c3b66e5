// The game in its real window: the picture, the mouse, the keys, the menus,
// the controls and the end of the program.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>
#include <filesystem>

#include "app/game.h"
#include "cube/layer_turn.h"
#include "render/palette.h"
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

TEST_F(window, TheCaptionIsShownAsItIs) {
    start();
    then([&] {
        // A caption may hold a puzzle's name, and so Qt's "[*]" placeholder.
        game().form.caption = "Vexel-cube Zandrel: by Kestrin (Solving \"3 by 3 by 3\" Vexel-cube)-{[*]}";
        mainWindow().sync();
        EXPECT_EQ(mainWindow().windowHandle()->title().toStdString(), game().form.caption);
    });
    EXPECT_TRUE(play());
}

TEST_F(window, TheSurfaceFollowsTheWindowsSize) {
    start();
    then([&] { mainWindow().resize(mainWindow().width() - 150, mainWindow().height() - 100); });
    then([&] {
        const SurfaceView& view = mainWindow().surfaceView();
        EXPECT_EQ(game().surface.width(), view.width());
        EXPECT_EQ(game().surface.height(), view.height());
        expectShowsSurface(shownPicture());
    });
    EXPECT_TRUE(play());
}

struct EdgeClick {
    Qt::MouseButton button;
    int turnkind, col, row;
};

void PrintTo(const EdgeClick& c, std::ostream* out) {
    *out << (c.turnkind == 1 ? "left" : "right") << " click on column " << c.col << ", row " << c.row;
}

class EdgeClickTest : public WindowTest, public ::testing::WithParamInterface<EdgeClick> {};

TEST_P(EdgeClickTest, TurnsTheLayerUnderTheMouse) {
    const EdgeClick c = GetParam();
    writeSettings(kSolvedStart);
    start();
    Cube expected;
    then([&] {
        ASSERT_EQ(game().s.history.histcount, 0);
        expected = game().s.cube;
        layerTurn(expected, game().s.view, ScreenMove{c.turnkind, c.col, c.row}, game().s.cubesize);
        click(squareCentre(c.col, c.row), c.button);
    });
    then([&] {
        EXPECT_EQ(game().s.history.histcount, 1);
        EXPECT_TRUE(sameSquares(game().s.cube, expected, game().s.cubesize));
        EXPECT_FALSE(game().s.cube.solved(game().s.cubesize));
        expectShowsSurface(shownPicture());
    });
    EXPECT_TRUE(play());
}

INSTANTIATE_TEST_SUITE_P(window, EdgeClickTest,
                         ::testing::Values(EdgeClick{Qt::LeftButton, 1, 1, 1}, EdgeClick{Qt::LeftButton, 1, 2, 3},
                                           EdgeClick{Qt::RightButton, 2, 3, 2}, EdgeClick{Qt::RightButton, 2, 1, 1}),
                         [](const auto& info) {
                             const EdgeClick& c = info.param;
                             return std::string(c.turnkind == 1 ? "Left" : "Right") + "OnColumn" +
                                    std::to_string(c.col) + "Row" + std::to_string(c.row);
                         });

TEST_F(window, AClickOffTheEdgesOrOffTheCubeTurnsNothing) {
    writeSettings(kSolvedStart);
    start();
    then([&] { click(squareCentre(2, 2), Qt::LeftButton); });
    then([&] { click(squareCentre(2, 1), Qt::RightButton); });
    then([&] { click(QPoint(game().s.geometry.cubeleft - 20, game().s.geometry.cubetop + 5)); });
    then([&] {
        EXPECT_EQ(game().s.history.histcount, 0);
        EXPECT_TRUE(game().s.cube.solved(game().s.cubesize));
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
        keepPicture("scramble-count-panel");
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
        EXPECT_EQ(game().form.control("Text1").text, "12");
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
        EXPECT_EQ(game().form.focus, "");
        EXPECT_NE(QApplication::focusWidget(), mainWindow().controlWidget("Command3"));
    });
    EXPECT_TRUE(play());
}

TEST_F(window, TheMenusShowTheGamesTicksAndEnabledStates) {
    start();
    const auto ticked = [&](const char* name) {
        const QAction* a = mainWindow().menuAction(name);
        EXPECT_EQ(a->isChecked(), game().form.item(name).checked) << name;
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
        EXPECT_FALSE(ticked("usolve"));
        // Choosing a ticked item again: Qt would untick it, the game keeps it.
        choose("csolve");
        choose("by12");
        choose("by12");
    });
    then([&] {
        EXPECT_TRUE(ticked("csolve"));
        EXPECT_TRUE(ticked("by12"));
        EXPECT_FALSE(ticked("by3"));
        choose("choosetime");
    });
    then([&] {
        keepPicture("rotation-time-panel");
        for (const char* name :
             {"choosecolors", "difficulty", "solvingoptions", "newpuzzle", "loadpuzzle", "savepuzzle"})
            EXPECT_FALSE(enabled(name)) << name;
        EXPECT_TRUE(enabled("sizeofcube"));
        press("Command5");
    });
    then([&] {
        for (const char* name : {"choosecolors", "difficulty", "solvingoptions", "newpuzzle", "loadpuzzle"})
            EXPECT_TRUE(enabled(name)) << name;
        choose("gamemode");
    });
    then([&] {
        keepPicture("game-mode");
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

TEST_F(window, AShortcutOfADisabledItemDoesNothing) {
    writeSettings(kSolvedStart);
    start();
    then([&] { choose("difficulty"); });
    then([&] {
        ASSERT_FALSE(mainWindow().menuAction("newpuzzle")->isEnabled());
        key(Qt::Key_N, Qt::ControlModifier);
    });
    then([&] {
        EXPECT_EQ(game().s.cubeready, 1);
        EXPECT_EQ(game().s.panelshown, 1);
        press("Command3");
    });
    then([&] { key(Qt::Key_N, Qt::ControlModifier); });
    then([&] {
        // New puzzle ran: with no scramble the new cube is solved, in the
        // standard view.
        EXPECT_EQ(game().s.solvewasnew, 1);
        EXPECT_EQ(game().s.view, (View{1, 1}));
    });
    EXPECT_TRUE(play());
}

TEST_F(window, TheGameDecidesWhatAColourBoxShows) {
    start();
    then([&] { choose("choosecolors"); });
    then([&] {
        keepPicture("colour-panel");
        int ticked = 0, usable = 0;
        for (const ColourBox& box : kColourBoxes) {
            const auto* w = static_cast<QCheckBox*>(mainWindow().controlWidget(box.name));
            EXPECT_TRUE(w->isVisible());
            EXPECT_EQ(w->isChecked(), game().form.control(box.name).ticked) << box.name;
            ticked += w->isChecked();
            usable += w->isEnabled();
            const QColor back = w->palette().color(QPalette::Window);
            const Rgb c = kPalette[static_cast<std::size_t>(box.colour)];
            EXPECT_EQ(back, QColor(c.r, c.g, c.b)) << box.name;
        }
        // Six ticked, and only they can be used.
        EXPECT_EQ(ticked, 6);
        EXPECT_EQ(usable, 6);
        EXPECT_TRUE(mainWindow().controlWidget("Command1")->isEnabled());
        // A disabled box takes no click.
        press("Check35");
        press("Check2");
    });
    then([&] {
        EXPECT_FALSE(game().form.control("Check35").ticked);
        EXPECT_FALSE(static_cast<QCheckBox*>(mainWindow().controlWidget("Check35"))->isChecked());
        EXPECT_FALSE(game().form.control("Check2").ticked);
        EXPECT_FALSE(static_cast<QCheckBox*>(mainWindow().controlWidget("Check2"))->isChecked());
        EXPECT_EQ(game().s.colorcount, 5);
        // Five ticked: Done waits, every box can be ticked.
        EXPECT_FALSE(mainWindow().controlWidget("Command1")->isEnabled());
        EXPECT_TRUE(mainWindow().controlWidget("Check35")->isEnabled());
        press("Check35");
    });
    then([&] {
        EXPECT_TRUE(static_cast<QCheckBox*>(mainWindow().controlWidget("Check35"))->isChecked());
        press("Command1");
    });
    then([&] {
        EXPECT_EQ(game().s.facecolor, (std::array<int, 7>{game().s.facecolor[0], 1, 9, 10, 12, 13, 14}));
        EXPECT_FALSE(mainWindow().controlWidget("Check35")->isVisible());
    });
    EXPECT_TRUE(play());
}

TEST_F(window, TheComputerSolvesPacedByTheTimer) {
    // Three scramble turns, a tenth of a second a computer move.
    writeSettings("10 9 12 13 14 15 3 3 1 0");
    start();
    then([&] {
        ASSERT_GT(game().s.history.histcount, 0);
        choose("csolve");
    });
    then([&] {
        EXPECT_EQ(game().s.history.histcount, 0);
        EXPECT_TRUE(game().s.cube.solved(game().s.cubesize));
        EXPECT_EQ(game().surface.pixel(9, 299), 10) << "no Solved Cube! shown";
        expectShowsSurface(shownPicture());
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

TEST_F(window, SavesAndLoadsAPuzzleThroughItsPanels) {
    start();  // a scrambled cube, so there is a puzzle to save
    Cube saved;
    then([&] { choose("savepuzzle"); });
    then([&] {
        EXPECT_EQ(QApplication::focusWidget(), mainWindow().controlWidget("Text4"));
        key(Qt::Key_A);
        key(Qt::Key_Slash);
        key(Qt::Key_B);
    });
    then([&] {
        EXPECT_EQ(game().form.control("Text4").text, "a/b");
        press("Command10");
    });
    then([&] {
        // Refused, and said so in the window.
        const auto* notice = static_cast<QLabel*>(mainWindow().controlWidget("Notice"));
        EXPECT_TRUE(notice->isVisible());
        EXPECT_EQ(notice->text().toStdString(), game().form.control("Notice").text);
        EXPECT_FALSE(notice->text().isEmpty());
        EXPECT_EQ(notice->textFormat(), Qt::PlainText);
        choose("savepuzzle");
    });
    then([&] {
        EXPECT_FALSE(mainWindow().controlWidget("Notice")->isVisible());
        typeInto("Text4", "mine");
    });
    then([&] {
        saved = game().s.cube;
        press("Command10");
    });
    then([&] {
        EXPECT_TRUE(std::filesystem::exists("mine.cube"));
        // Turn the cube away from the saved puzzle, then load it back.
        click(squareCentre(1, 1));
    });
    then([&] {
        EXPECT_FALSE(sameSquares(game().s.cube, saved, game().s.cubesize));
        choose("loadpuzzle");
    });
    then([&] {
        auto* list = static_cast<QListWidget*>(mainWindow().controlWidget("File2"));
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->item(0)->text(), "mine.cube");
        ASSERT_EQ(game().form.control("File2").selected, -1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(0)).center());
    });
    then([&] {
        EXPECT_EQ(game().form.control("File2").selected, 0);
        EXPECT_EQ(game().form.control("Text3").text, "mine.cube");
        EXPECT_EQ(static_cast<QLineEdit*>(mainWindow().controlWidget("Text3"))->text(), "mine.cube");
        press("Command8");
    });
    then([&] {
        EXPECT_TRUE(sameSquares(game().s.cube, saved, game().s.cubesize));
        EXPECT_FALSE(mainWindow().controlWidget("File2")->isVisible());
        expectShowsSurface(shownPicture());
    });
    EXPECT_TRUE(play());
}

TEST_F(window, ChoosingQuitEndsTheProgram) {
    start();
    then([&] { choose("quit"); });
    then([&] { ADD_FAILURE() << "the game went on after Quit"; });
    EXPECT_TRUE(play());
    EXPECT_TRUE(game().ended);
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
