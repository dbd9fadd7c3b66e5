#pragma once

#include <functional>

#include "render/glyphs.h"

namespace vx {

struct Game;
struct Timer;

// The two places where the main loop lets the window's events run.
enum class YieldPoint { IdlePoll, MoveWait };

struct ClientSize {
    int width = 0;
    int height = 0;
};

// What the game needs from the window (or from the script mode standing in
// for it). The loop calls these only; handlers run nested inside pumpEvents.
class Platform {
public:
    virtual ~Platform() = default;

    // Lets pending window events run once: their handlers change the game.
    // With `wait`, first waits until there is at least one event (an idle
    // game then uses no CPU).
    virtual void pumpEvents(Game& game, YieldPoint where, bool wait) = 0;
    // Timer1 was armed or disarmed (its interval or enabled state changed).
    virtual void timerChanged(const Timer& timer) = 0;
    // The size of the drawing surface the window offers.
    virtual ClientSize clientSize() = 0;
    virtual void maximise() = 0;
    // Seconds since midnight, for seeding the random numbers.
    virtual double clock() = 0;
    virtual GlyphSource& glyphs() = 0;
    // Runs `work`, which may take a while and touches nothing of the game,
    // and returns when it is done. A window lets its events run meanwhile,
    // so that it never freezes; the script mode simply runs it. The work
    // itself does not depend on the machine's speed, so both get the same
    // answer.
    virtual void think(Game& game, const std::function<void()>& work) {
        (void)game;
        work();
    }
};

}  // namespace vx
