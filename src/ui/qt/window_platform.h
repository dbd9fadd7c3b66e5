#pragma once
#include <QTimer>

#include "shell/platform.h"
#include "ui/qt/qt_glyphs.h"

namespace vx {

class MainWindow;

// The game's platform in the real window. At each yield the window is
// brought in step with the game and Qt's pending events run once; a yield
// that may wait sleeps until the next event, so an idle game uses no CPU.
// Timer1 is a QTimer whose ticks reach Timer1_Timer.
class WindowPlatform final : public Platform {
public:
    explicit WindowPlatform(MainWindow& window);

    // The game that Timer1's ticks go to.
    void attach(Game& game) { game_ = &game; }

    void pumpEvents(Game& game, YieldPoint where, bool wait) override;
    void timerChanged(const Timer& timer) override;
    ClientSize clientSize() override;
    void maximise() override;
    double clock() override;
    GlyphSource& glyphs() override { return glyphs_; }
    // The work runs on a thread of its own; when it takes longer than a
    // frame the window shows what the game says meanwhile (the computer is
    // thinking), with a busy cursor, and its events go on running.
    void think(Game& game, const std::function<void()>& work) override;

    // Where the main loop yielded last, and how often it has yielded.
    YieldPoint lastYield() const { return where_; }
    long long yields() const { return yields_; }

private:
    MainWindow& window_;
    Game* game_ = nullptr;
    QtGlyphs glyphs_;
    QTimer timer1_;
    YieldPoint where_ = YieldPoint::IdlePoll;
    long long yields_ = 0;
};

}  // namespace vx
