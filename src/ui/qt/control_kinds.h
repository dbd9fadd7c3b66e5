#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

// The Qt widgets that stand for the form's controls, where plain Qt widgets
// behave differently from what the game expects of its controls.

namespace vx {

// A command button whose caption wraps onto a second line when it is too
// long for one, as narrow buttons such as "Restore default colors" need.
class WrapButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A check box that never flips itself: a click only asks for the change
// (toggleRequested), and the game's model decides what the box shows. The
// whole box takes clicks, not only its small square: the colour boxes have
// no caption to click on.
class ModelCheckBox final : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

signals:
    void toggleRequested();

protected:
    void nextCheckState() override { emit toggleRequested(); }
    bool hitButton(const QPoint& at) const override { return rect().contains(at); }
};

// A label that keeps mouse presses to itself, so that a click on its text
// is not taken for a click on the drawing surface behind it.
class InertLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The largest font no bigger than `base` (pixel sized) in which `text` fits
// into `box`, wrapped at word breaks when `wrap` is set. Never below 7 pixels.
QFont fittedFont(QFont base, const QString& text, QSize box, bool wrap);

}  // namespace vx
