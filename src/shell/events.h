#pragma once
#include <string_view>

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

Delivery chooseMenu(Game& g, std::string_view name);
Delivery pressButton(Game& g, std::string_view name);
Delivery toggleCheckBox(Game& g, std::string_view name);
Delivery typeText(Game& g, std::string_view name, std::string_view text);
Delivery selectEntry(Game& g, std::string_view name, std::string_view entry);

}  // namespace vx
