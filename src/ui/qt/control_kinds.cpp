#include "ui/qt/control_kinds.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace vx {

namespace {

constexpr int kSmallestPixels = 7;
// Room the button's bevel takes around its caption.
constexpr int kBevel = 3;

int textFlags(bool wrap) { return Qt::AlignCenter | (wrap ? Qt::TextWordWrap : 0); }

}  // namespace

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = rect().adjusted(kBevel, 1, -kBevel, -1);
    style()->drawItemText(&painter, area, textFlags(true), palette(), isEnabled(), text(), QPalette::ButtonText);
}

void InertLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

QFont fittedFont(QFont base, const QString& text, QSize box, bool wrap) {
    const QRect bounds(0, 0, std::max(1, box.width()), 1 << 16);
    for (int pixels = base.pixelSize(); pixels > kSmallestPixels; --pixels) {
        base.setPixelSize(pixels);
        const QRect need = QFontMetrics(base).boundingRect(bounds, textFlags(wrap), text);
        if (need.width() <= box.width() && need.height() <= box.height()) return base;
    }
    base.setPixelSize(kSmallestPixels);
    return base;
}

}  // namespace vx
