#pragma once
#include <QProxyStyle>

namespace vx {

// The window's look: Qt's Fusion style on every desktop (the form's places
// are made for it), with the one picture the window needs at its start, the
// menu bar's "more items" arrow, drawn here instead of read from an image
// file: reading it loads Qt's image readers, about a millisecond of the start.
class GameStyle final : public QProxyStyle {
public:
    GameStyle();

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace vx
