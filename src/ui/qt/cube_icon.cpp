#include "ui/qt/cube_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

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

}  // namespace

QImage paintCubeIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size, size);

    // Front face 0.58 wide at the lower left, the top and right faces 0.30 deep.
    constexpr double left = 0.05, top = 0.37, side = 0.58, depth = 0.30;
    const QPointF slant(depth, -depth);
    const std::array<Face, 3> faces = {{
        {{left, top}, {side, 0}, {0, side}, 12},                        // front: light red
        {QPointF(left, top) + slant, {side, 0}, -slant, 14},            // top: yellow
        {{left + side, top}, slant, {0, side}, 9},                      // right: light blue
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
