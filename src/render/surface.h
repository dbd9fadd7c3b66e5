#pragma once
#include <cstdint>
#include <vector>

#include "render/glyphs.h"

namespace vx {

// The drawing surface: an 8-bit palette-indexed image the size of the client
// area. Every pixel holds a palette number 0..15.
//
// Anything drawn outside the image is lost: every operation clips, none ever
// writes outside the buffer, whatever the coordinates. A colour outside the
// palette draws nothing (the current position still moves where it would).
class Surface {
public:
    explicit Surface(int width = 0, int height = 0);  // all pixels colour 0

    int width() const { return width_; }
    int height() const { return height_; }

    // Keeps the pixels both sizes share; new pixels are colour 0.
    void resize(int width, int height);

    // One pixel wide, first point drawn, last point not (a zero-length line
    // draws nothing). Current position := (x2, y2).
    void line(int x1, int y1, int x2, int y2, int colour);

    // Filled box, both corners included, corners in any order.
    // Current position := (x2, y2).
    void box(int x1, int y1, int x2, int y2, int colour);

    // Every pixel 4-connected to the seed through pixels not of the border
    // colour takes the fill colour. A seed on the border colour or outside the
    // image does nothing; pixels already of the fill colour do not stop it.
    void floodFill(int x, int y, int fill, int border);

    // Palette number of a pixel; -1 outside the image.
    int pixel(int x, int y) const;

    // The ink of the mask in `colour`, its top-left corner at the current
    // position; the position then moves to the next text line below
    // (x unchanged, y += mask height).
    void print(const GlyphMask& mask, int colour);

    // The current text position: the end of the last line or box drawn.
    int currentX = 0, currentY = 0;

    // Row-major pixels, stride width().
    const std::uint8_t* data() const { return pixels_.data(); }

    // Same size and same pixels (the text position and scratch space are not
    // part of the picture).
    friend bool operator==(const Surface& a, const Surface& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
    }

private:
    struct Span {
        int y, left, right;
    };
    // Row `from` is filled from left to right; row from + dy is to be
    // looked at below that stretch.
    struct Segment {
        int from, left, right, dy;
    };

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    std::uint8_t* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    void diagonal(std::int64_t x, std::int64_t y, int stepX, int stepY, std::int64_t length, std::uint8_t ink);

    int width_ = 0, height_ = 0;
    std::vector<std::uint8_t> pixels_;
    // Flood-fill work space, kept between fills so that the hundreds of small
    // fills of a repaint allocate nothing.
    std::vector<Segment> fillSegments_;
    std::vector<Span> fillSpans_;
};

}  // namespace vx
