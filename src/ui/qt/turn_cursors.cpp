#include "ui/qt/turn_cursors.h"

#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

namespace vx {

namespace {

constexpr int kSide = 32, kMiddle = 16;

// An arrow pointing up from the middle of the square: its head at the top,
// its shaft down to `tail`. Whole-pixel corners, so that a turn by a
// quarter keeps them whole and the edges stay sharp at any whole ratio.
QPolygon upArrow(int tail) {
    return QPolygon({{16, 3}, {25, 12}, {19, 12}, {19, tail}, {13, tail}, {13, 12}, {7, 12}});
}

// The same turned by `quarters` quarter turns clockwise about the middle.
QPolygon turned(QPolygon p, int quarters) {
    for (int q = 0; q < quarters; ++q)
        for (QPoint& point : p) point = {2 * kMiddle - point.y(), point.x()};
    return p;
}

enum Quarter { kUp = 0, kRight = 1, kDown = 2, kLeft = 3 };

QPainterPath arrows(TurnCursor kind) {
    QPainterPath path;
    const auto add = [&](Quarter q, int tail) {
        QPainterPath one;
        one.addPolygon(turned(upArrow(tail), q));
        one.closeSubpath();
        path = path.united(one);
    };
    constexpr int kWhole = 29, kHalf = 19;
    switch (kind) {
    case TurnCursor::None: break;
    case TurnCursor::Up: add(kUp, kWhole); break;
    case TurnCursor::Down: add(kDown, kWhole); break;
    case TurnCursor::Left: add(kLeft, kWhole); break;
    case TurnCursor::Right: add(kRight, kWhole); break;
    case TurnCursor::UpLeft:
        add(kUp, kHalf);
        add(kLeft, kHalf);
        break;
    case TurnCursor::UpRight:
        add(kUp, kHalf);
        add(kRight, kHalf);
        break;
    case TurnCursor::DownLeft:
        add(kDown, kHalf);
        add(kLeft, kHalf);
        break;
    case TurnCursor::DownRight:
        add(kDown, kHalf);
        add(kRight, kHalf);
        break;
    }
    return path;
}

}  // namespace

QCursor turnCursorShape(TurnCursor kind, qreal devicePixelRatio) {
    if (kind == TurnCursor::None) return QCursor(Qt::ArrowCursor);
    const qreal ratio = std::max<qreal>(1, std::round(devicePixelRatio));
    QPixmap pixmap(static_cast<int>(kSide * ratio), static_cast<int>(kSide * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPainterPath path = arrows(kind);
    // The rim first, then the arrow inside it.
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::black);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.drawPath(path);
    painter.end();
    return QCursor(pixmap, kMiddle, kMiddle);
}

}  // namespace vx
