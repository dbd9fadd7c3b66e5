// The program's icon at the small sizes a desktop shows in menus and task
// bars: drawn on the pixel grid, not blurred down from the large picture.
#include "ui/qt/cube_icon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <vector>

#include <QImage>

namespace {

// The sizes of the 4-connected regions of each opaque colour.
std::map<QRgb, std::multiset<int>> regions(const QImage& image) {
    std::map<QRgb, std::multiset<int>> found;
    std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()));
    const auto mark = [&](QPoint p) {
        auto&& m = seen[static_cast<std::size_t>(p.y() * image.width() + p.x())];
        return !m && (m = true);
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            if (qAlpha(colour) == 0 || !mark({x, y})) continue;
            int count = 0;
            for (std::vector<QPoint> todo{{x, y}}; !todo.empty(); ++count) {
                const QPoint p = todo.back();
                todo.pop_back();
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                    if (image.rect().contains(p + d) && image.pixel(p + d) == colour && mark(p + d))
                        todo.push_back(p + d);
            }
            found[colour].insert(count);
        }
    return found;
}

class SmallIcon : public testing::TestWithParam<int> {};

TEST_P(SmallIcon, IsSharpAndShowsNineWholeCellsOnEachFace) {
    const int size = GetParam();
    const QImage icon = vx::paintCubeIcon(size).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(size, size));
    const QRgb black = qRgb(0, 0, 0);
    const std::set<QRgb> faces = {qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 0, 255)};
    const auto clear = [&](int x, int y) { return !icon.rect().contains(x, y) || qAlpha(icon.pixel(x, y)) == 0; };
    int opaque = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (clear(x, y)) continue;
            ++opaque;
            // No blend of two colours, no half-covered pixel; the outline is
            // black all round.
            const QRgb p = icon.pixel(x, y);
            ASSERT_TRUE(p == black || faces.count(p)) << x << "," << y << ": " << std::hex << p;
            const bool rim = clear(x - 1, y) || clear(x + 1, y) || clear(x, y - 1) || clear(x, y + 1);
            EXPECT_TRUE(!rim || p == black) << size << ": " << x << "," << y;
        }
    // The cube fills the square from edge to edge in at least one direction.
    EXPECT_GT(opaque, size * size / 2);
    // Each face is nine cells of one size, parted by the black lines, and
    // the front face's cells are square.
    const auto found = regions(icon);
    ASSERT_TRUE(found.count(black));
    for (const QRgb face : faces) {
        const std::multiset<int>& cells = found.at(face);
        ASSERT_EQ(cells.size(), 9u) << size << ": " << std::hex << face;
        EXPECT_EQ(*cells.begin(), *cells.rbegin()) << size << ": " << std::hex << face;
    }
    const int cell = *found.at(qRgb(255, 0, 0)).begin();
    const int side = static_cast<int>(std::lround(std::sqrt(cell)));
    EXPECT_EQ(side * side, cell);
}

INSTANTIATE_TEST_SUITE_P(Icon, SmallIcon, testing::Values(16, 24, 32));

}  // namespace
