// PNG files read back with libpng: palette, indexes, and what a failed write
// leaves behind.
#include <gtest/gtest.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "paint_support.h"
#include "render/painter.h"
#include "render/palette.h"
#include "render/png.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

struct Decoded {
    bool ok = false;
    int width = 0, height = 0, bitDepth = 0, colourType = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> indexes;
};

bool decodeInto(std::FILE* file, Decoded& out) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, file);
    png_read_info(png, info);
    out.width = static_cast<int>(png_get_image_width(png, info));
    out.height = static_cast<int>(png_get_image_height(png, info));
    out.bitDepth = png_get_bit_depth(png, info);
    out.colourType = png_get_color_type(png, info);
    png_colorp colours = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &colours, &count) != 0)
        for (int i = 0; i < count; ++i) out.palette.push_back({colours[i].red, colours[i].green, colours[i].blue});
    out.indexes.resize(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) png_read_row(png, out.indexes.data() + static_cast<std::size_t>(y) * out.width, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

Decoded readPng(const fs::path& path) {
    Decoded out;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return out;
    out.ok = decodeInto(file, out);
    std::fclose(file);
    return out;
}

void expectSamePicture(const Decoded& d, const Surface& s) {
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.width, s.width());
    EXPECT_EQ(d.height, s.height());
    EXPECT_EQ(d.bitDepth, 8);
    EXPECT_EQ(d.colourType, PNG_COLOR_TYPE_PALETTE);
    EXPECT_EQ(d.palette, std::vector<Rgb>(kPalette.begin(), kPalette.end()));
    ASSERT_EQ(d.indexes.size(), static_cast<std::size_t>(s.width()) * s.height());
    EXPECT_TRUE(std::equal(d.indexes.begin(), d.indexes.end(), s.data()));
}

class PngFiles : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(::testing::TempDir()) / (std::string("vexel_png_") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    fs::path dir_;
};

TEST_F(PngFiles, EveryColourRoundTrips) {
    Surface s(37, 11);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 37; ++x) s.box(x, y, x, y, (x + 3 * y) % kPaletteSize);
    ASSERT_TRUE(writePng(s, (dir_ / "all.png").string()));
    expectSamePicture(readPng(dir_ / "all.png"), s);
    EXPECT_EQ(entries(), std::vector<std::string>{"all.png"});  // no temporary left
}

TEST_F(PngFiles, ReplacesAnExistingFileWhole) {
    { std::ofstream(dir_ / "old.png") << std::string(100000, 'x'); }
    Surface s(3, 2);
    s.box(0, 0, 2, 1, 10);
    ASSERT_TRUE(writePng(s, (dir_ / "old.png").string()));
    expectSamePicture(readPng(dir_ / "old.png"), s);
    EXPECT_EQ(entries(), std::vector<std::string>{"old.png"});
}

TEST_F(PngFiles, FailuresLeaveWhatWasThere) {
    { std::ofstream(dir_ / "keep.png") << "precious"; }
    fs::create_directory(dir_ / "folder");
    { std::ofstream(dir_ / "folder" / "inside") << "x"; }
    const Surface s(4, 4);
    EXPECT_FALSE(writePng(Surface{}, (dir_ / "keep.png").string()));  // nothing to write
    EXPECT_FALSE(writePng(Surface(0, 5), (dir_ / "keep.png").string()));
    EXPECT_FALSE(writePng(s, (dir_ / "missing" / "a.png").string()));  // no such folder
    EXPECT_FALSE(writePng(s, (dir_ / "folder").string()));             // a folder is in the way
    EXPECT_FALSE(writePng(s, ""));
    EXPECT_EQ(contents(dir_ / "keep.png"), "precious");
    EXPECT_EQ(entries(), (std::vector<std::string>{"folder", "keep.png"}));
    EXPECT_TRUE(fs::exists(dir_ / "folder" / "inside"));
}

// Paintings to look at: the front face an upright grid, top and right faces
// slanted at 45 degrees, every square outlined in black. They stay in the
// temporary folder after the run.
TEST(PngPictures, PaintedCubes) {
    for (int n : {3, 20}) {
        for (View view : {View{1, 1}, View{6, 3}}) {
            Surface s(800, 560);
            Geometry g;
            PaintedArea last;
            setUpGeometry(g, n, 800, 560);
            paintCube(s, g, test::manyColouredCube(n), view, n, last);
            const fs::path path = fs::path(::testing::TempDir()) / ("vexel_cube_" + std::to_string(n) + "_view" +
                                                                   std::to_string(view.face) + std::to_string(view.turn) +
                                                                   ".png");
            ASSERT_TRUE(writePng(s, path.string()));
            expectSamePicture(readPng(path), s);
        }
    }
}

}  // namespace
}  // namespace vx
