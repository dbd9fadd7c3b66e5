#include "render/png.h"

#include <sys/stat.h>
#include <unistd.h>

#include <csetjmp>
#include <cstdio>
#include <string>

#include <png.h>

#include "render/palette.h"

namespace vx {
namespace {

// libpng reports errors by longjmp, so nothing in this frame may need a
// destructor: the caller owns the file and the string.
bool encode(std::FILE* file, const Surface& surface) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(surface.width()), static_cast<png_uint_32>(surface.height()), 8,
                 PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color colours[kPaletteSize];
    for (int i = 0; i < kPaletteSize; ++i) colours[i] = {kPalette[i].r, kPalette[i].g, kPalette[i].b};
    png_set_PLTE(png, info, colours, kPaletteSize);
    png_write_info(png, info);
    for (int y = 0; y < surface.height(); ++y) {
        // libpng takes a non-const row but only reads it.
        auto* row = const_cast<png_bytep>(surface.data() + static_cast<std::size_t>(y) * surface.width());
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool writePng(const Surface& surface, const std::string& path) {
    if (surface.width() <= 0 || surface.height() <= 0 || path.empty()) return false;

    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    (void)::fchmod(fd, 0644);  // mkstemp makes it private; a picture need not be
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        ::close(fd);
        std::remove(temporary.c_str());
        return false;
    }
    bool ok = encode(file, surface);
    ok = std::fflush(file) == 0 && ok;
    ok = ::fsync(fd) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (ok) ok = std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temporary.c_str());
    return ok;
}

}  // namespace vx
