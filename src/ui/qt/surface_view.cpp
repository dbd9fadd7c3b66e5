#include "ui/qt/surface_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cstring>

#include "render/palette.h"
#include "render/surface.h"

namespace vx {

namespace {

QList<QRgb> colourTable() {
    QList<QRgb> table;
    for (const Rgb& c : kPalette) table.push_back(qRgb(c.r, c.g, c.b));
    return table;
}

}  // namespace

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted here: no background to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

bool SurfaceView::take(const Surface& surface) {
    const int w = surface.width(), h = surface.height();
    if (w <= 0 || h <= 0) {
        if (shown_.isNull()) return false;
        shown_ = QImage();
        ++frames_;
        update();
        return true;
    }
    const auto rowBytes = static_cast<std::size_t>(w);
    const std::uint8_t* pixels = surface.data();
    if (shown_.width() != w || shown_.height() != h) {
        shown_ = QImage(w, h, QImage::Format_Indexed8);
        shown_.setColorTable(colourTable());
        for (int y = 0; y < h; ++y) std::memcpy(shown_.scanLine(y), pixels + y * rowBytes, rowBytes);
        ++frames_;
        update();
        return true;
    }
    // Only the band of rows that changed is copied and repainted.
    int first = -1, last = -1;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* from = pixels + y * rowBytes;
        if (std::memcmp(shown_.constScanLine(y), from, rowBytes) == 0) continue;
        std::memcpy(shown_.scanLine(y), from, rowBytes);
        if (first < 0) first = y;
        last = y;
    }
    if (first < 0) return false;
    ++frames_;
    update(QRect(0, first, w, last - first + 1));
    return true;
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    const QRect picture = area & shown_.rect();
    if (!picture.isEmpty()) painter.drawImage(picture, shown_, picture);
    // Whatever the picture does not cover yet (the window just grew) is black.
    const QRegion rest = QRegion(area) - QRegion(picture);
    for (const QRect& r : rest) painter.fillRect(r, Qt::black);
    painter.end();
    emit painted(frames_);
}

void SurfaceView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized(size());
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
    const int button = event->button() == Qt::LeftButton ? 1 : event->button() == Qt::RightButton ? 2 : 0;
    if (button == 0) return;
    emit mouseDown(button, event->position());
}

}  // namespace vx
