#include "ui/qt/surface_view.h"

#include <algorithm>
#include <array>
#include <cstring>

#include <QMouseEvent>
#include <QPainter>

#include "render/palette.h"
#include "render/surface.h"

namespace vx {

namespace {

std::array<QRgb, 256> colourTable() {
    std::array<QRgb, 256> table{};
    for (std::size_t i = 0; i < kPalette.size(); ++i) table[i] = qRgb(kPalette[i].r, kPalette[i].g, kPalette[i].b);
    return table;
}

}  // namespace

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted here: no background to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    // The cursor tells what a click would turn, so every move counts.
    setMouseTracking(true);
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position());
    QWidget::mouseMoveEvent(event);
}

void SurfaceView::leaveEvent(QEvent* event) {
    emit mouseLeft();
    QWidget::leaveEvent(event);
}

bool SurfaceView::take(const Surface& surface) {
    const int w = surface.width(), h = surface.height();
    if (w <= 0 || h <= 0) {
        if (shown_.isNull()) return false;
        shown_ = QImage();
        taken_ = {};
        staleFirst_ = kNoRow, staleLast_ = -1;
        ++frames_;
        update();
        return true;
    }
    const auto rowBytes = static_cast<std::size_t>(w);
    const std::uint8_t* pixels = surface.data();
    if (shown_.width() != w || shown_.height() != h) {
        // Fresh buffers of the new size: one kept from a larger picture
        // would hold on to its memory after the window is made small again.
        shown_ = QImage();
        shown_ = QImage(w, h, QImage::Format_RGB32);
        taken_ = std::vector<std::uint8_t>(pixels, pixels + rowBytes * static_cast<std::size_t>(h));
        staleFirst_ = 0, staleLast_ = h - 1;
        ++frames_;
        update();
        return true;
    }
    // Only the band of rows that changed is copied and repainted.
    int first = -1, last = -1;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* from = pixels + y * rowBytes;
        std::uint8_t* to = taken_.data() + y * rowBytes;
        if (std::memcmp(to, from, rowBytes) == 0) continue;
        std::memcpy(to, from, rowBytes);
        if (first < 0) first = y;
        last = y;
    }
    if (first < 0) return false;
    staleFirst_ = std::min(staleFirst_, first), staleLast_ = std::max(staleLast_, last);
    ++frames_;
    update(QRect(0, first, w, last - first + 1));
    return true;
}

// Turns the rows taken since the last paint into screen colours.
void SurfaceView::refresh() {
    if (staleFirst_ > staleLast_) return;
    static const std::array<QRgb, 256> colours = colourTable();
    const auto w = static_cast<std::size_t>(shown_.width());
    const auto stride = static_cast<std::size_t>(shown_.bytesPerLine()) / sizeof(QRgb);
    auto* const image = reinterpret_cast<QRgb*>(shown_.bits());
    for (auto y = static_cast<std::size_t>(staleFirst_); y <= static_cast<std::size_t>(staleLast_); ++y) {
        const std::uint8_t* from = taken_.data() + y * w;
        QRgb* to = image + y * stride;
        for (std::size_t x = 0; x < w; ++x) to[x] = colours[from[x]];
    }
    staleFirst_ = kNoRow, staleLast_ = -1;
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    refresh();
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
