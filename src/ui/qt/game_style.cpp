#include "ui/qt/game_style.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace vx {

GameStyle::GameStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

namespace {

// Two small arrowheads pointing right, in the text colour, as the "»" of a
// menu bar too narrow for its items.
QIcon moreItemsArrow(const QColor& ink) {
    constexpr int kSize = 16;
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (const double left : {3.0, 8.0})
        painter.drawPolygon(QPolygonF({QPointF(left, 4), QPointF(left + 4, 8), QPointF(left, 12)}));
    painter.end();
    return QIcon(picture);
}

}  // namespace

QIcon GameStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton)
        return moreItemsArrow(standardPalette().color(QPalette::WindowText));
    return QProxyStyle::standardIcon(which, option, widget);
}

}  // namespace vx
