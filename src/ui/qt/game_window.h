#pragma once
#include "app/game.h"
#include "ui/qt/main_window.h"
#include "ui/qt/window_platform.h"

namespace vx {

// The game in its window: the window, the platform the main loop talks to,
// and the game itself, tied together. Needs a QApplication.
class GameWindow {
public:
    GameWindow();

    // Shows the window maximised; the display maps it while the game starts.
    void show();
    // Runs the game (start-up, then the main loop) until "Quit" is chosen or
    // the window is closed.
    void run();

    Game& game() { return game_; }
    MainWindow& window() { return window_; }
    WindowPlatform& platform() { return platform_; }

private:
    MainWindow window_;
    WindowPlatform platform_;
    Game game_;
};

}  // namespace vx
