// The mouse cursor over the cube in the real window: an arrow drawn for the
// turn a click would make, the ordinary cursor elsewhere, and no change to
// the picture.
#include <set>

#include <QImage>
#include <QPixmap>

#include "shell/game.h"
#include "ui/qt/turn_cursors.h"
#include "window/window_fixture.h"

namespace vx::test {
namespace {

using windowCursor = WindowTest;

TEST_F(windowCursor, ShowsTheTurnOverTheSquaresThatTurn) {
    const auto moveTo = [&](int c, int r) {
        const Geometry& g = game().s.picture.geometry;
        QTest::mouseMove(&mainWindow().surfaceView(), QPoint(g.cubeleft + (2 * c - 1) * g.squarewidth / 2,
                                                             g.cubetop + (2 * r - 1) * g.squareheight / 2));
    };
    Surface before;
    const struct {
        const char* what;
        std::function<void()> move;
        TurnCursor shown;
    } cases[] = {
        {"a top-row square", [&] { moveTo(2, 1); }, TurnCursor::Up},
        {"a left-column square", [&] { moveTo(1, 2); }, TurnCursor::Left},
        {"a corner square", [&] { moveTo(3, 3); }, TurnCursor::DownRight},
        {"the middle square", [&] { moveTo(2, 2); }, TurnCursor::None},
        {"the mode panel", [&] { QTest::mouseMove(&mainWindow().surfaceView(), QPoint(50, 50)); }, TurnCursor::None},
        {"the middle square in draw-mode",
         [&] {
             choose("createp");
             moveTo(2, 2);
         },
         TurnCursor::UpLeft},
        {"a top-row square while the computer solves",
         [&] {
             choose("messup");
             choose("csolve");
             moveTo(2, 1);
         },
         TurnCursor::None},
    };
    start();
    for (const auto& c : cases) {
        then([&] {
            before = game().surface;
            c.move();
        });
        then([&] {
            EXPECT_EQ(mainWindow().shownTurnCursor(), c.shown) << c.what;
            const QCursor cursor = mainWindow().surfaceView().cursor();
            EXPECT_EQ(cursor.shape(), c.shown == TurnCursor::None ? Qt::ArrowCursor : Qt::BitmapCursor) << c.what;
            if (c.shown != TurnCursor::UpLeft && c.shown != TurnCursor::None) {
                EXPECT_TRUE(before == game().surface) << c.what << ": the picture changed";
            }
        });
    }
    EXPECT_TRUE(play());
}

// Drawn for the screen: twice the pixels at twice the density, and sharp
// (only black, white and clear pixels).
TEST(windowCursorShape, IsSharpAtEveryRatio) {
    for (const qreal ratio : {1.0, 2.0})
        for (const TurnCursor kind : {TurnCursor::Up, TurnCursor::Left, TurnCursor::DownRight}) {
            const QPixmap pixmap = turnCursorShape(kind, ratio).pixmap();
            EXPECT_EQ(pixmap.width(), static_cast<int>(32 * ratio));
            const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
            std::set<QRgb> colours;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
            EXPECT_EQ(colours, (std::set<QRgb>{qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)})) << ratio;
        }
}

}  // namespace
}  // namespace vx::test
