#pragma once
#include <cstdint>
#include <limits>
#include <vector>

#include <QImage>
#include <QWidget>

namespace vx {

class Surface;

// The drawing surface on the screen: the game's 8-bit picture shown through
// the 16-colour table (the rows a paint needs are turned into screen colours
// just before it, so that the paint is a plain copy), one surface pixel a logical pixel (scaled by the
// screen's device-pixel ratio without smoothing). The controls of the form
// are its children. Mouse buttons pressed on it are reported in surface
// pixels; its size is the size the surface should have.
class SurfaceView final : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceView(QWidget* parent = nullptr);

    // Takes what changed in the surface since the last call and schedules a
    // repaint of those rows. False when nothing changed.
    bool take(const Surface& surface);
    // How many times a changed picture was taken.
    long long frames() const { return frames_; }

signals:
    void mouseDown(int button, QPointF at);
    // The mouse moved over the surface (with no button held), or left it.
    void mouseMoved(QPointF at);
    void mouseLeft();
    void resized(QSize size);
    // A paint finished; `frame` is frames() at that time.
    void painted(long long frame);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void refresh();

    std::vector<std::uint8_t> taken_;  // the picture as last taken, in palette numbers
    QImage shown_;                     // the same in screen colours, but for the rows below
    // The rows still to be turned into screen colours; none when first > last.
    static constexpr int kNoRow = std::numeric_limits<int>::max();
    int staleFirst_ = kNoRow, staleLast_ = -1;
    long long frames_ = 0;
};

}  // namespace vx
