// The keyboard finishes every panel of the real window: Return in a box or
// list, Escape, Space or Return on a focused Done button, and a double-click
// on a load entry; the keyboard is the cube's again after each.
#include <filesystem>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

#include "shell/game.h"
#include "window/window_fixture.h"

namespace vx::test {
namespace {

using windowPanelKeys = WindowTest;

TEST_F(windowPanelKeys, TheKeyboardFinishesEveryPanel) {
    const auto widget = [&](const char* name) { return mainWindow().controlWidget(name); };
    const auto typeInto = [&](const char* box, const char* text) {
        auto* edit = static_cast<QLineEdit*>(widget(box));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    };
    const auto pickFirst = [&](const char* list) {
        auto* files = static_cast<QListWidget*>(widget(list));
        files->setFocus();
        files->setCurrentRow(0);
        return files;
    };
    Cube saved;
    int savedCount = 0;
    const auto loaded = [&] {
        return game().s.play.cube.sameSquares(saved, game().s.play.cubesize) &&
               game().s.play.history.histcount == savedCount;
    };

    struct Case {
        const char* what;
        const char* menu;            // opens the panel
        std::function<void()> act;   // keys while it is open
        std::function<bool()> done;  // what the panel did
    };
    const Case cases[] = {
        // Return in a box or list presses Done.
        {"Return in the save box", "savepuzzle",
         [&] {
             typeInto("Text4", "k");
             key(Qt::Key_Return);
         },
         [&] {
             saved = game().s.play.cube;
             savedCount = game().s.play.history.histcount;
             return std::filesystem::exists("k.cube");
         }},
        {"Return in the difficulty box", "difficulty",
         [&] {
             typeInto("Text1", "7");
             key(Qt::Key_Return);
         },
         [&] { return game().form[ControlId::Text1].text == "7"; }},
        {"Return in the time box", "choosetime",
         [&] {
             typeInto("Text2", "5");
             key(Qt::Key_Return);
         },
         [&] { return game().s.options.rotationtime == 5; }},
        {"Return in the save list", "savepuzzle",
         [&] {
             pickFirst("File1");
             key(Qt::Key_Return);
         },
         [&] { return game().form[ControlId::Text4].text == "k.cube"; }},
        {"Return in the load list", "loadpuzzle",
         [&] {
             pickFirst("File2");
             key(Qt::Key_Return);
         },
         loaded},
        // Escape: Cancel, or the panel closes with its values as they were.
        {"Escape in the difficulty panel", "difficulty",
         [&] {
             typeInto("Text1", "9");
             key(Qt::Key_Escape);
         },
         [&] { return game().form[ControlId::Text1].text == "7"; }},
        {"Escape in the time panel", "choosetime",
         [&] {
             typeInto("Text2", "8");
             key(Qt::Key_Escape);
         },
         [&] { return game().s.options.rotationtime == 5; }},
        {"Escape in the colour panel", "choosecolors",
         [&] {
             QTest::mouseClick(widget("Command4"), Qt::LeftButton);
             key(Qt::Key_Escape);
         },
         [&] {
             bool asBefore = game().s.options.facecolor == kDefaultFaceColors && game().s.options.colorcount == 6;
             for (const ColourBox& box : kColourBoxes) {
                 const bool ticked = game().form[box.id].ticked;
                 for (int f = 1; f <= 6; ++f)
                     asBefore &= ticked || kDefaultFaceColors[static_cast<std::size_t>(f)] != box.colour;
             }
             return asBefore;
         }},
        {"Escape in the save panel", "savepuzzle",
         [&] {
             typeInto("Text4", "esc");
             key(Qt::Key_Escape);
         },
         [&] { return !std::filesystem::exists("esc.cube"); }},
        {"Escape in the load panel", "loadpuzzle",
         [&] {
             pickFirst("File2");
             key(Qt::Key_Escape);
         },
         [&] { return !loaded(); }},
        // Space or Return on a focused Done button presses it.
        {"Space on the difficulty panel's Done", "difficulty",
         [&] {
             typeInto("Text1", "4");
             widget("Command3")->setFocus();
             key(Qt::Key_Space);
         },
         [&] { return game().form[ControlId::Text1].text == "4"; }},
        {"Return on the time panel's Done", "choosetime",
         [&] {
             typeInto("Text2", "2");
             widget("Command5")->setFocus();
             key(Qt::Key_Return);
         },
         [&] { return game().s.options.rotationtime == 2; }},
        {"Space on the colour panel's Done", "choosecolors",
         [&] {
             QTest::mouseClick(widget("Command4"), Qt::LeftButton);
             widget("Command1")->setFocus();
             key(Qt::Key_Space);
         },
         [&] { return game().s.options.facecolor != kDefaultFaceColors; }},
        {"Space on the save panel's Done", "savepuzzle",
         [&] {
             typeInto("Text4", "space");
             widget("Command10")->setFocus();
             key(Qt::Key_Space);
         },
         [&] { return std::filesystem::exists("space.cube"); }},
        {"Space on the load panel's Done", "loadpuzzle",
         [&] {
             pickFirst("File2");
             widget("Command8")->setFocus();
             key(Qt::Key_Space);
         },
         loaded},
        // A double-click on a load entry loads it.
        {"a double-click in the load list", "loadpuzzle",
         [&] {
             QListWidget* files = pickFirst("File2");
             const QRect entry = files->visualItemRect(files->item(0));
             // As the window system sends it: a click, then the double-click.
             QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, entry.center());
             QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, entry.center());
         },
         loaded},
    };
    start();
    for (const Case& c : cases) {
        // The load cases begin from another cube.
        if (std::string_view(c.menu) == "loadpuzzle") then([&] { choose("newpuzzle"); });
        then([&] { choose(c.menu); });
        then([&] {
            ASSERT_EQ(game().s.panels.panelopen, 1) << c.what;
            c.act();
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
