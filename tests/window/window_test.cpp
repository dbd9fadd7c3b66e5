// The game in its real window: the picture, the keys, the menus (and the
// menu bar's "more items" arrow), the controls, the computer's plan (read
// from the colours on a thread of its own while events go on, the same plan
// the solver gives the cube anywhere else, its first move the hint's), a
// load while the computer thinks and the end of the program.
#include <filesystem>
#include <fstream>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>

#include "files/puzzle_file.h"
#include "history/plan.h"
#include "shell/game.h"
#include "shell/hint.h"
#include "solver/solver.h"
#include "support/solved_cube.h"
#include "window/window_fixture.h"

namespace vx::test {
namespace {

// The tests' names begin with "window", so that `ctest -R window` runs them.
using window = WindowTest;

TEST_F(window, ShowsTheGamesPictureAsItIs) {
    start();
    then([&] {
        EXPECT_EQ(mainWindow().windowTitle().toStdString(), game().form.caption);
        const SurfaceView& view = mainWindow().surfaceView();
        EXPECT_EQ(game().surface.width(), view.width());
        EXPECT_EQ(game().surface.height(), view.height());
        // The cube is painted: its front face's top-left square has a colour.
        const Geometry& g = game().s.picture.geometry;
        EXPECT_NE(game().surface.pixel(g.cubeleft + g.squarewidth / 2, g.cubetop + g.squareheight / 2), 0);
        expectShowsSurface(1);
        // On a screen of twice the density every pixel is a 2 x 2 block of
        // the same colour: no smoothing.
        expectShowsSurface(2);
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

// Alt+O opens Options.
TEST_F(window, TheMenusHaveMnemonics) {
    start();
    then([&] { key(Qt::Key_O, Qt::AltModifier); });
    then([&] {
        const QWidget* popup = QApplication::activePopupWidget();
        EXPECT_EQ(popup, mainWindow().menuAction("options")->menu());
        key(Qt::Key_Escape);
    });
    EXPECT_TRUE(play());
}

// The load panel's name box shows the start of a long name. (Return in the
// save panel's box: panel_keys_test.cpp.)
TEST_F(window, TheLoadBoxShowsTheStartOfALongName) {
    std::ofstream("averyveryverylongname.cube") << formatPuzzle(3, {1, 1}, History{}, solvedCube(3));
    start();
    then([&] { choose("loadpuzzle"); });
    then([&] {
        const auto* box = static_cast<QLineEdit*>(mainWindow().controlWidget("Text3"));
        EXPECT_EQ(box->text().toStdString(), "averyveryverylongname.cube");
        EXPECT_EQ(box->cursorPosition(), 0);
        QTest::mouseClick(mainWindow().controlWidget("Command9"), Qt::LeftButton);
    });
    EXPECT_TRUE(play());
}

TEST_F(window, ClosingTheWindowEndsTheProgram) {
    start();
    then([&] { mainWindow().close(); });
    then([&] { ADD_FAILURE() << "the game went on after its window closed"; });
    EXPECT_FALSE(play()) << "the step after the close ran";
    EXPECT_TRUE(game().ended);
}

// A puzzle loaded while the computer reads the colours of the cube before
// it: the plan for the old cube is dropped, and the computer reads the
// loaded one's colours before it makes any move on it.
TEST_F(window, APuzzleLoadedWhileTheComputerThinksGetsAPlanOfItsOwn) {
    std::ofstream("vexelcz.settings") << " 10  9  12  13  14  15  5  2000  0  0 \r\n";
    // A turned 3-cube whose history does not undo its turns: only its
    // colours tell how to solve it.
    Cube loaded = solvedCube(3);
    for (const HistEntry e : {HistEntry{1, 1, 1}, HistEntry{3, 2, 2}, HistEntry{2, 3, 1}, HistEntry{1, 2, 3}})
        loaded.turn(*turnOfEntry(e, 3), 3);
    History stray;
    stray.push({3, 1, 1});
    std::ofstream("other.cube", std::ios::binary) << formatPuzzle(3, {1, 1}, stray, loaded);
    QTimer watch;
    bool loadedWhileThinking = false;
    Cube afterLoad;
    QObject::connect(&watch, &QTimer::timeout, &watch, [&] {
        if (!game().form[ControlId::Notice].visible) return;
        watch.stop();
        choose("loadpuzzle");
        static_cast<QListWidget*>(mainWindow().controlWidget("File2"))->setCurrentRow(0);
        QTest::mouseClick(mainWindow().controlWidget("Command8"), Qt::LeftButton);
        loadedWhileThinking = game().s.play.cubesize == 3;
        afterLoad = game().s.play.cube;
    });
    start();
    then([&] {
        choose("shortest");
        choose("csolve");
        watch.start(1);
    });
    then([&] {
        ASSERT_TRUE(loadedWhileThinking);
        EXPECT_TRUE(game().s.play.cube.solved(3));
        const ComputerPlan& plan = game().s.play.computerplan;
        EXPECT_EQ(plan.n, 3);
        EXPECT_TRUE(plan.readColours);
        ASSERT_TRUE(afterLoad.sameSquares(loaded, 3));
        EXPECT_TRUE(plan.cube.sameSquares(loaded, 3)) << "the plan is not the loaded cube's";
        EXPECT_TRUE(historySolves(loaded, plan.planned, 3));
    });
    EXPECT_TRUE(play());
}

TEST_F(window, AMenuBarTooNarrowForItsMenusShowsTheMoreItemsArrow) {
    start();
    then([&] {
        QMenuBar& bar = *mainWindow().menuBar();
        bar.setFixedWidth(40);
        QApplication::processEvents();
        const auto* more = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        ASSERT_NE(more, nullptr);
        EXPECT_TRUE(more->isVisible());
        // Two arrowheads: some of the picture is ink, most of it is clear.
        const QImage arrow = more->icon().pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
        int ink = 0;
        for (int y = 0; y < arrow.height(); ++y)
            for (int x = 0; x < arrow.width(); ++x) ink += qAlpha(arrow.pixel(x, y)) > 128;
        EXPECT_GT(ink, 10);
        EXPECT_LT(ink, arrow.width() * arrow.height() / 3);
        bar.setMinimumWidth(0);
        bar.setMaximumWidth(QWIDGETSIZE_MAX);
    });
    EXPECT_TRUE(play());
}

class windowPlan : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(windowPlan, TakesTheSolversPlanForTheCubeAndHintsItsFirstMove) {
    const int n = GetParam();
    std::ofstream("vexelcz.settings") << " 10  9  12  13  14  15  " << n << "  40  0  0 \r\n";
    start();
    Cube asked;
    std::optional<History> plan;
    then([&] {
        asked = game().s.play.cube;
        choose("shortest");
        key(Qt::Key_H);
    });
    then([&] {
        plan = historyOfPlan(solver::solve(asked, n).moves, n);
        ASSERT_TRUE(plan && plan->histcount > 0);
        const std::optional<HintMove> first = hintMove(plan->top(), game().s.play.view, n);
        ASSERT_TRUE(first);
        EXPECT_EQ(game().form[ControlId::Notice].text, hintText(*first)) << n;
        EXPECT_TRUE(asked.sameSquares(game().s.play.cube, n)) << "the hint turned nothing";
        choose("csolve");
    });
    then([&] {
        EXPECT_TRUE(game().s.play.cube.solved(n));
        const History& taken = game().s.play.computerplan.planned;
        ASSERT_EQ(taken.histcount, plan->histcount) << n;
        for (int i = 1; i <= taken.histcount; ++i) EXPECT_EQ(taken.at(i), plan->at(i)) << n << " entry " << i;
    });
    EXPECT_TRUE(play());
}

INSTANTIATE_TEST_SUITE_P(Sizes, windowPlan, ::testing::Values(2, 3));

}  // namespace
}  // namespace vx::test
