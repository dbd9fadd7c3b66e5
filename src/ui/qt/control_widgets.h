#pragma once
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include <QWidget>

#include "shell/form.h"

namespace vx {

struct Game;

// Runs a change of the game that a widget event asks for (through the
// events of shell/events.h), then brings every widget in step again.
using Deliver = std::function<void(const std::function<void(Game&)>&)>;

// The form's controls as real widgets, children of the drawing surface at
// their pixel places. The form stays the one source of truth: sync() shows it
// (setting only what changed since the last sync), and a widget event is
// handed to `deliver` as the matching game event instead of being acted on.
class ControlWidgets {
public:
    ControlWidgets(QWidget* surface, std::span<const Control> controls, Deliver deliver);

    void sync(std::span<const Control> controls);
    // The widget of a control (made now if it was never shown); nullptr for
    // an unknown name.
    QWidget* widget(std::string_view name);
    // The control whose widget `w` is, if any (widgets not made are none).
    std::optional<ControlId> controlOf(const QWidget* w) const;

private:
    struct Shown {
        QWidget* widget;
        Control control;  // as last shown (for a widget not made yet: the latest)
    };

    QWidget& made(std::size_t i);
    QWidget* create(QWidget* surface, const Control& c);
    void show(Shown& shown, const Control& c, bool first);

    QWidget* surface_;
    std::vector<Shown> shown_;  // a widget is nullptr until its control is first shown
    Deliver deliver_;
};

}  // namespace vx
