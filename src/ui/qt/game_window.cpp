#include "ui/qt/game_window.h"

#include <QCoreApplication>
#include <QScreen>

#include "app/handlers.h"

namespace vx {

GameWindow::GameWindow() : platform_(window_), game_(platform_) {
    window_.attach(game_);
    platform_.attach(game_);
}

void GameWindow::show() {
    // Without a window manager "maximised" means nothing, so the window is
    // first made as large as the screen offers.
    if (const QScreen* screen = window_.screen()) window_.resize(screen->availableGeometry().size());
    window_.showMaximized();
    // The game starts at once, while the display maps the window: the first
    // picture the player sees is the cube. A size the window manager gives
    // later lays the cube out again, as any resize does.
    QCoreApplication::processEvents();
}

void GameWindow::run() { Form_Activate(game_); }

}  // namespace vx
