#include "ui/qt/window_platform.h"

#include <atomic>
#include <chrono>
#include <future>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTime>
#include <QWindow>

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

namespace {

// How long the game waits for a window manager to carry out a maximise.
constexpr int kMaximiseWaitMs = 500;

}  // namespace

// A window not yet on the screen is only asked to be maximised: the window
// manager maps it so, and the resize that brings lays the cube out again, as
// any resize does, while the first picture is already on its way. A window on
// the screen (the player made it smaller) is maximised a while after it is
// asked; the game waits for the new size, so that what follows, such as a new
// cube, is laid out for it. Without a window manager the window is made as
// large as the screen offers.
void WindowPlatform::maximise() {
    const QWindow* handle = window_.windowHandle();
    const bool exposed = handle && handle->isExposed();
    if (window_.isMaximized() && exposed) return;
    const QSize before = window_.surfaceView().size();
    if (const QScreen* screen = window_.screen(); screen && !window_.isMaximized())
        window_.resize(screen->availableGeometry().size());
    window_.showMaximized();
    if (!exposed) return;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    giveUp.start(kMaximiseWaitMs);
    while (giveUp.isActive() && window_.surfaceView().size() == before && !(game_ && game_->ended))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
}

void WindowPlatform::think(Game& game, const std::function<void()>& work) {
    std::atomic<bool> done = false;
    std::future<void> worker = std::async(std::launch::async, [&] {
        work();
        done = true;
        // Wakes the event loop below if it waits for an event.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
    });
    constexpr auto kFrame = std::chrono::milliseconds(16);
    if (worker.wait_for(kFrame) == std::future_status::ready) return worker.get();
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    while (!done) pumpEvents(game, YieldPoint::IdlePoll, true);
    QGuiApplication::restoreOverrideCursor();
    worker.get();
}

double WindowPlatform::clock() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

}  // namespace vx
