#pragma once
// The real window under Qt's offscreen platform, driven as a player would:
// each step runs from a timer while the game's main loop lets events run,
// once the game has finished with the step before.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>

#include <QTest>

#include "support/script_run.h"
#include "ui/qt/game_window.h"

namespace vx::test {

class WindowTest : public ::testing::Test {
protected:
    // A folder of its own: the game reads its settings and puzzles there.
    void SetUp() override { std::filesystem::current_path(folder_.path()); }
    void TearDown() override {
        session_.reset();
        std::filesystem::current_path(oldFolder_);
    }

    // Creates the window and shows it; the game is not running yet.
    void start();
    // A step of the player, run when the game is idle at its idle poll after
    // the step before. After the last step "Quit" is chosen.
    void then(std::function<void()> step) { steps_.push_back(std::move(step)); }
    // Runs the game through all steps; true when every step ran.
    bool play();

    Game& game() { return session_->game(); }
    MainWindow& mainWindow() { return session_->window(); }
    void choose(const char* menuItem);
    // Keys come from the window system to the window, as a player's do.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(mainWindow().windowHandle(), k, modifiers);
    }
    // Checks the surface as the window shows it, at a device-pixel ratio,
    // against the game's surface pixel for pixel.
    void expectShowsSurface(int ratio);

private:
    void poll();
    bool idle() const;

    ScriptFolder folder_;
    const std::filesystem::path oldFolder_ = std::filesystem::current_path();
    std::unique_ptr<GameWindow> session_;
    std::deque<std::function<void()>> steps_;
    long long stepYield_ = -1;
    bool quitChosen_ = false;
};

}  // namespace vx::test
