// The drawing surface: its flood fill and its PNG file. (Repaints of cubes of
// every size: the golden games' pictures.)
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <vector>

#include "render/palette.h"
#include "render/png.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

std::vector<int> pixels(const Surface& s) {
    std::vector<int> out;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) out.push_back(s.pixel(x, y));
    return out;
}

// The fill as its definition reads, one pixel at a time.
std::vector<int> referenceFill(const Surface& s, int x, int y, int fill, int border) {
    std::vector<int> out = pixels(s);
    std::vector<bool> seen(out.size());
    std::vector<std::pair<int, int>> todo{{x, y}};
    while (!todo.empty()) {
        const auto [px, py] = todo.back();
        todo.pop_back();
        if (s.pixel(px, py) < 0 || s.pixel(px, py) == border || seen[py * s.width() + px]) continue;
        seen[py * s.width() + px] = true;
        out[py * s.width() + px] = fill;
        for (const auto& next : {std::pair{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}}) todo.push_back(next);
    }
    return out;
}

TEST(FloodFill, AgreesWithAPlainFillOnRandomPictures) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        const int w = 1 + random() % 40, h = 1 + random() % 30;
        Surface s(w, h);
        const int colours = 2 + random() % 3;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) s.box(x, y, x, y, static_cast<int>(random() % colours));
        const int x = random() % w, y = random() % h;
        const int fill = random() % (colours + 1), border = random() % colours;
        const auto want = referenceFill(s, x, y, fill, border);
        s.floodFill(x, y, fill, border);
        ASSERT_EQ(pixels(s), want) << "round " << round;
    }
}

// A failed write leaves no file and no temporary behind, and harms nothing
// that was there; what the file holds is checked with every game's
// fingerprint.
TEST(Png, AFailedWriteLeavesWhatWasThere) {
    const fs::path dir = fs::path(::testing::TempDir()) / "vexel_png";
    fs::remove_all(dir);
    fs::create_directories(dir);
    Surface s(37, 11);
    ASSERT_TRUE(writePng(s, (dir / "a.png").string()));
    const auto size = fs::file_size(dir / "a.png");
    EXPECT_FALSE(writePng(Surface(), (dir / "a.png").string()));
    EXPECT_FALSE(writePng(s, (dir / "no" / "such.png").string()));
    EXPECT_EQ(fs::file_size(dir / "a.png"), size);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vx
