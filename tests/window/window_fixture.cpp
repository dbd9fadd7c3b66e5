#include "window/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <QWindow>

#include "render/palette.h"
#include "shell/handlers.h"
#include "ui/qt/game_style.h"

namespace vx::test {

namespace {

// One application for the whole test program, as Qt wants it, made before
// the first test and gone before the program's static objects are.
class QtApplication final : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // Made as the program makes it.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
        app_ = std::make_unique<QApplication>(argc_, argv_);
        QApplication::setStyle(new GameStyle);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[12] = "test_window", *argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const ::testing::Environment* const kQt = ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace

void WindowTest::start() {
    session_ = std::make_unique<GameWindow>();
    session_->show();
    mainWindow().activateWindow();
}

// Nothing left to do but wait for the player. A computer that has solved
// the cube goes on waiting for Timer1 between passes when moves are paced,
// so its move wait counts as idle then.
bool WindowTest::idle() const {
    const GameState& s = session_->game().s;
    if (s.loop.clickpending || s.loop.viewchanged || s.play.scramblesleft > 0) return false;
    if (session_->platform().lastYield() == YieldPoint::MoveWait) return s.play.history.histcount == 0;
    return !s.play.computersolves || s.play.history.histcount == 0;
}

void WindowTest::poll() {
    // A step runs only in a later yield than the step before, so the game
    // has gone through a pass of its loop with whatever the step did.
    if (session_->game().ended || session_->platform().yields() <= stepYield_ || !idle()) return;
    stepYield_ = session_->platform().yields();
    if (!steps_.empty()) {
        const auto step = std::move(steps_.front());
        steps_.pop_front();
        step();
    } else if (!quitChosen_) {
        quitChosen_ = true;
        choose("quit");
    }
}

bool WindowTest::play() {
    QTimer poller;
    QObject::connect(&poller, &QTimer::timeout, &poller, [this] { poll(); });
    poller.start(2);
    // No clock limits the run: a game that never comes back to idle is
    // stopped by the test runner's time-out instead.
    session_->run();
    return steps_.empty();
}

void WindowTest::choose(const char* menuItem) {
    QAction* action = mainWindow().menuAction(menuItem);
    ASSERT_NE(action, nullptr) << menuItem;
    action->trigger();
}

void WindowTest::expectShowsSurface(int ratio) {
    SurfaceView& view = mainWindow().surfaceView();
    QPixmap pixmap(view.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    // The surface alone, without the controls over it.
    view.render(&pixmap, {}, {}, QWidget::DrawWindowBackground);
    const QImage picture = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    const Surface& s = game().surface;
    ASSERT_EQ(picture.size(), QSize(s.width() * ratio, s.height() * ratio));
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const Rgb c = kPalette[static_cast<std::size_t>(s.pixel(x / ratio, y / ratio))];
            if (picture.pixel(x, y) != qRgb(c.r, c.g, c.b) && ++wrong <= 3)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") shows " << std::hex << picture.pixel(x, y);
        }
    EXPECT_EQ(wrong, 0);
}

}  // namespace vx::test
