#pragma once
// The real window under Qt's offscreen platform, driven as a player would:
// each step runs from a timer while the game's main loop lets events run,
// once the game has finished with the step before.
#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "ui/qt/game_window.h"

namespace vx::test {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The settings file the game reads at start-up (one line of numbers:
    // six face colours, size, scramble count, rotation time, draw-mode).
    void writeSettings(const std::string& line);
    // Creates the window and shows it; the game is not running yet.
    void start();
    // A step of the player, run when the game is idle at its idle poll after
    // the step before. After the last step "Quit" is chosen.
    void then(std::function<void()> step);
    // Runs the game through all steps; true when it ended in time.
    bool play();

    GameWindow& session() { return *session_; }
    Game& game() { return session_->game(); }
    MainWindow& mainWindow() { return session_->window(); }

    // What the player does.
    void choose(const char* menuItem);
    void press(const char* button);
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void typeInto(const char* textBox, const QString& text);

    // The middle of a square of the front face on the screen.
    QPoint squareCentre(int col, int row);
    // The surface as the window shows it, at a device-pixel ratio.
    QImage shownPicture(double ratio = 1.0);
    // Checks the picture against the game's surface pixel for pixel.
    void expectShowsSurface(const QImage& picture, int scale = 1);

private:
    void poll();
    bool idle() const;

    std::filesystem::path oldFolder_, folder_;
    std::unique_ptr<GameWindow> session_;
    std::deque<std::function<void()>> steps_;
    QTimer* poller_ = nullptr;
    long long stepYield_ = -1;
    bool quitChosen_ = false;
};

}  // namespace vx::test
