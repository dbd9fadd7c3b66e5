// The window's style draws the menu bar's "more items" arrow itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QToolButton>

#include "window/window_fixture.h"

namespace vx::test {
namespace {

using window = WindowTest;

TEST_F(window, AMenuBarTooNarrowForItsMenusShowsTheMoreItemsArrow) {
    start();
    then([&] {
        QMenuBar& bar = *mainWindow().menuBar();
        bar.setFixedWidth(40);
        QApplication::processEvents();
        const auto* more = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        ASSERT_NE(more, nullptr);
        EXPECT_TRUE(more->isVisible());
        // Two arrowheads: some of the picture is ink, most of it is clear.
        const QImage arrow = more->icon().pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
        int ink = 0;
        for (int y = 0; y < arrow.height(); ++y)
            for (int x = 0; x < arrow.width(); ++x) ink += qAlpha(arrow.pixel(x, y)) > 128;
        EXPECT_GT(ink, 10);
        EXPECT_LT(ink, arrow.width() * arrow.height() / 3);
        bar.setMinimumWidth(0);
        bar.setMaximumWidth(QWIDGETSIZE_MAX);
    });
    EXPECT_TRUE(play());
}

}  // namespace
}  // namespace vx::test
