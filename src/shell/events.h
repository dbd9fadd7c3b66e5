#pragma once
#include <string_view>

#include "shell/form.h"

namespace vx {

struct Game;

// Events addressed by control name, as the window and the script mode
// deliver them. A control or menu item that is disabled or hidden (or sits in
// a disabled menu) cannot be used, as in the window.
enum class Delivery {
    Done,
    Unavailable,  // disabled, hidden, read-only, or no such entry in the list
    Unknown,      // no control of that kind with that name
};

// By name, as the script mode and the window's widgets name them.
Delivery chooseMenu(Game& g, std::string_view name);
Delivery pressButton(Game& g, std::string_view name);
Delivery toggleCheckBox(Game& g, std::string_view name);
Delivery typeText(Game& g, std::string_view name, std::string_view text);
Delivery selectEntry(Game& g, std::string_view name, std::string_view entry);
// A key down on the main form, then on the focused control. The keyboard
// finishes every panel: Return in a panel's box or list presses its Done
// (in Text4 its own handler does), Space or Return on a focused button
// presses it, Escape presses Cancel or closes the panel unchanged.
// Otherwise Command3 takes any key to give the focus back. True when the
// key was used so: the control gets it no more, and the focus is given
// again as the form says.
bool pressKey(Game& g, int keycode, std::optional<ControlId> focused);

// A double-click on a file list's entry: in the load panel it loads it.
Delivery activateEntry(Game& g, std::string_view list, std::string_view entry);

// By id, for the program's own callers.
Delivery chooseMenu(Game& g, MenuId id);
Delivery pressButton(Game& g, ControlId id);

}  // namespace vx
