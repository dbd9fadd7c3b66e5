#include "ui/qt/game_window.h"

#include <QCoreApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "shell/handlers.h"

namespace vx {

namespace {

// Long enough for any display server to map a window, short enough that a
// window that is never exposed (a minimised start) does not hold the game.
constexpr int kExposeWaitMs = 3000;

}  // namespace

GameWindow::GameWindow() : platform_(window_), game_(platform_) {
    window_.attach(game_);
    platform_.attach(game_);
}

void GameWindow::show() {
    // Without a window manager "maximised" means nothing, so the window is
    // first made as large as the screen offers.
    if (const QScreen* screen = window_.screen()) window_.resize(screen->availableGeometry().size());
    window_.showMaximized();
    // Waits for events (not spinning) until the window is exposed; the timer
    // only ends a wait that would otherwise last.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    giveUp.start(kExposeWaitMs);
    while (giveUp.isActive() && !game_.ended && !(window_.windowHandle() && window_.windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

void GameWindow::run() { Form_Activate(game_); }

}  // namespace vx
