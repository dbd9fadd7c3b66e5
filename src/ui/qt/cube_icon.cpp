#include "ui/qt/cube_icon.h"

#include <algorithm>
#include <array>
#include <optional>

#include <QPainter>
#include <QPainterPath>

#include "render/palette.h"

namespace vx {

namespace {

constexpr int kCells = 3;

struct Face {
    QPointF origin, across, down;  // the corner and the two edges, in units of the icon
    int colour;                    // palette number
};

QColor paletteColour(int n) {
    const Rgb& c = kPalette[static_cast<std::size_t>(n)];
    return {c.r, c.g, c.b};
}

// One cell of a face, as the face's corners map it.
QPolygonF cell(const Face& f, int i, int j) {
    const auto at = [&](double u, double v) { return f.origin + f.across * (u / kCells) + f.down * (v / kCells); };
    return QPolygonF({at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)});
}

// The three faces' colours (palette numbers): front light red, top yellow,
// right light blue.
constexpr int kFront = 12, kTop = 14, kRight = 9;

// Small icons are laid on the pixel grid: one-pixel black lines, cells `step`
// pixels apart on the front face and `slant` pixels apart (diagonally) on
// the slanted faces, so that every line is sharp and every cell a whole
// number of pixels.
struct PixelLayout {
    int step, slant;
};

std::optional<PixelLayout> pixelLayout(int size) {
    switch (size) {
    case 16: return PixelLayout{3, 2};  // 10 + 6 pixels
    case 24: return PixelLayout{4, 3};  // 13 + 9
    case 32: return PixelLayout{6, 4};  // 19 + 12
    default: return std::nullopt;
    }
}

QImage paintPixelIcon(int size, PixelLayout p) {
    const int front = kCells * p.step, depth = kCells * p.slant;
    const int margin = (size - (front + 1 + depth)) / 2;
    const int left = margin, top = size - 1 - margin - front;  // the front face's top left corner
    // The colour of one pixel: a face's colour, black on a line, 0 off the cube.
    const auto at = [&](int x, int y) -> QRgb {
        const auto pick = [](int colour, bool line) { return line ? qRgb(0, 0, 0) : paletteColour(colour).rgb(); };
        if (x >= left && x <= left + front && y >= top && y <= top + front)
            return pick(kFront, (x - left) % p.step == 0 || (y - top) % p.step == 0);
        // k: how far into the slant, u and v: along the front face's edge.
        if (const int k = top - y, u = x - left - k; k >= 1 && k <= depth && u >= 0 && u <= front)
            return pick(kTop, u % p.step == 0 || k % p.slant == 0);
        if (const int k = x - left - front, v = y - top + k; k >= 1 && k <= depth && v >= 0 && v <= front)
            return pick(kRight, v % p.step == 0 || k % p.slant == 0);
        return 0;
    };
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) image.setPixel(x, y, at(x, y));
    return image;
}

}  // namespace

QImage paintCubeIcon(int size) {
    if (const std::optional<PixelLayout> p = pixelLayout(size)) return paintPixelIcon(size, *p);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size, size);

    // Front face 0.58 wide at the lower left, the top and right faces 0.30 deep.
    constexpr double left = 0.05, top = 0.37, side = 0.58, depth = 0.30;
    const QPointF slant(depth, -depth);
    const std::array<Face, 3> faces = {{
        {{left, top}, {side, 0}, {0, side}, kFront},
        {QPointF(left, top) + slant, {side, 0}, -slant, kTop},
        {{left + side, top}, slant, {0, side}, kRight},
    }};
    QPen grid(Qt::black);
    grid.setWidthF(std::max(1.0 / size, 0.028));
    grid.setJoinStyle(Qt::RoundJoin);
    painter.setPen(grid);
    for (const Face& f : faces) {
        painter.setBrush(paletteColour(f.colour));
        for (int j = 0; j < kCells; ++j)
            for (int i = 0; i < kCells; ++i) painter.drawPolygon(cell(f, i, j));
    }
    return image;
}

QIcon cubeIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(QPixmap::fromImage(paintCubeIcon(size)));
    return icon;
}

}  // namespace vx
