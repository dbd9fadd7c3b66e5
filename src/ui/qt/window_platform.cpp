#include "ui/qt/window_platform.h"

#include <QCoreApplication>
#include <QTime>

#include "shell/game.h"
#include "shell/handlers.h"
#include "ui/qt/main_window.h"

namespace vx {

WindowPlatform::WindowPlatform(MainWindow& window) : window_(window) {
    timer1_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer1_, &QTimer::timeout, &timer1_, [this] {
        if (game_ && !game_->ended) Timer1_Timer(*game_);
    });
}

void WindowPlatform::pumpEvents(Game&, YieldPoint where, bool wait) {
    where_ = where;
    ++yields_;
    window_.setLive(true);
    window_.sync();
    QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
}

void WindowPlatform::timerChanged(const Timer& timer) {
    if (timer.enabled)
        timer1_.start(std::max(1, timer.interval));
    else
        timer1_.stop();
}

ClientSize WindowPlatform::clientSize() {
    const SurfaceView& view = window_.surfaceView();
    return {view.width(), view.height()};
}

void WindowPlatform::maximise() { window_.showMaximized(); }

double WindowPlatform::clock() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

}  // namespace vx
