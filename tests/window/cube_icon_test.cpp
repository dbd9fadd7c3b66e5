// The program's icon at the small sizes a desktop shows in menus and task
// bars: drawn on the pixel grid, not blurred down from the large picture.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "ui/qt/cube_icon.h"

namespace {

// The sizes of the 4-connected regions of each colour (alpha 255 only).
std::map<QRgb, std::multiset<int>> regions(const QImage& image) {
    std::map<QRgb, std::multiset<int>> found;
    std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()));
    for (int y0 = 0; y0 < image.height(); ++y0)
        for (int x0 = 0; x0 < image.width(); ++x0) {
            const QRgb colour = image.pixel(x0, y0);
            if (qAlpha(colour) == 0 || seen[static_cast<std::size_t>(y0 * image.width() + x0)]) continue;
            int count = 0;
            std::vector<QPoint> todo{{x0, y0}};
            seen[static_cast<std::size_t>(y0 * image.width() + x0)] = true;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                ++count;
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (!image.rect().contains(q) || image.pixel(q) != colour) continue;
                    auto&& mark = seen[static_cast<std::size_t>(q.y() * image.width() + q.x())];
                    if (mark) continue;
                    mark = true;
                    todo.push_back(q);
                }
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
    const std::set<QRgb> allowed = {black, qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 0, 255)};
    int opaque = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb p = icon.pixel(x, y);
            if (qAlpha(p) == 0) continue;
            // No blend of two colours, no half-covered pixel.
            ASSERT_EQ(qAlpha(p), 255) << x << "," << y;
            ASSERT_TRUE(allowed.count(p)) << x << "," << y << ": " << std::hex << p;
            ++opaque;
        }
    // The cube's outline is black all round.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (qAlpha(icon.pixel(x, y)) == 0) continue;
            const bool rim = x == 0 || y == 0 || x == size - 1 || y == size - 1 || qAlpha(icon.pixel(x - 1, y)) == 0 ||
                             qAlpha(icon.pixel(x + 1, y)) == 0 || qAlpha(icon.pixel(x, y - 1)) == 0 ||
                             qAlpha(icon.pixel(x, y + 1)) == 0;
            if (rim) EXPECT_EQ(icon.pixel(x, y), black) << size << ": " << x << "," << y;
        }
    // The cube fills the square from edge to edge in at least one direction.
    EXPECT_GT(opaque, size * size / 2);
    const auto found = regions(icon);
    // Each face is nine cells of one size, parted by the black lines.
    ASSERT_TRUE(found.count(black));
    for (const QRgb face : {qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 0, 255)}) {
        const std::multiset<int>& cells = found.at(face);
        ASSERT_EQ(cells.size(), 9u) << size << ": " << std::hex << face;
        EXPECT_EQ(*cells.begin(), *cells.rbegin()) << size << ": " << std::hex << face;
    }
    // The front face's cells are square.
    const int cell = *found.at(qRgb(255, 0, 0)).begin();
    const int side = static_cast<int>(std::lround(std::sqrt(cell)));
    EXPECT_EQ(side * side, cell);
}

INSTANTIATE_TEST_SUITE_P(Icon, SmallIcon, testing::Values(16, 24, 32));

}  // namespace
