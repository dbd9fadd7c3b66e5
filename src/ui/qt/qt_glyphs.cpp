#include "ui/qt/qt_glyphs.h"

#include <cmath>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

namespace vx {

namespace {

// Points to pixels at the 96 dots an inch the window's layout is made for.
int pixelSize(double points) { return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))); }

QFont windowFont(double points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize(points));
    // The large "Solved Cube!" is set a little narrower so that it fits the
    // green band it is printed on.
    if (points >= 18) font.setStretch(85);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace

GlyphMask QtGlyphs::render(std::string_view text, double points) {
    auto key = std::make_pair(std::string(text), points);
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;

    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFont font = windowFont(points);
    const QFontMetrics metrics(font);
    GlyphMask mask;
    mask.width = std::max(1, metrics.horizontalAdvance(s));
    mask.height = std::max(1, metrics.height());
    QImage image(mask.width, mask.height, QImage::Format_Grayscale8);
    image.fill(0);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(0, metrics.ascent(), s);
    }
    mask.bits.resize(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height));
    for (int y = 0; y < mask.height; ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < mask.width; ++x)
            mask.bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(mask.width) +
                      static_cast<std::size_t>(x)] = row[x] >= 128 ? 1 : 0;
    }
    return cache_.emplace(std::move(key), std::move(mask)).first->second;
}

}  // namespace vx
