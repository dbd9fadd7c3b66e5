#pragma once
#include <QImage>
#include <QWidget>

namespace vx {

class Surface;

// The drawing surface on the screen: the game's 8-bit picture shown through
// the 16-colour table, one surface pixel a logical pixel (scaled by the
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
    // The picture as last taken, in palette numbers.
    const QImage& shown() const { return shown_; }
    // How many times a changed picture was taken.
    long long frames() const { return frames_; }

signals:
    void mouseDown(int button, QPointF at);
    void resized(QSize size);
    // A paint finished; `frame` is frames() at that time.
    void painted(long long frame);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage shown_;
    long long frames_ = 0;
};

}  // namespace vx
