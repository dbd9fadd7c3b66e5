#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The window as plain data: the handlers change it, the window (or the script
// mode) shows it. Names, captions and places are those of the main form.

struct MenuItem {
    std::string name;
    std::string caption;
    std::string parent;  // empty for the items of the menu bar
    bool checked = false;
    bool enabled = true;
};

enum class ControlKind { Button, Label, TextBox, CheckBox, FileList };

struct Color24 {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Color24&, const Color24&) = default;
};

struct Control {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string text;  // the caption of a button or label, the text of a text box
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
    bool enabled = true;
    // Labels: their text colour and size in points (0: the window's font).
    Color24 color{255, 255, 255};
    double points = 0;
    // Text boxes.
    int maxlength = 0;  // 0: no limit
    bool readonly = false;
    // Check boxes: the ticked state and the palette colour of the background.
    bool ticked = false;
    int backcolor = -1;
    // File lists: the entries shown and the selected one (-1: none).
    std::vector<std::string> entries;
    int selected = -1;
};

struct Timer {
    int interval = 120;  // milliseconds
    bool enabled = false;
};

struct Form {
    std::string caption;
    std::vector<MenuItem> menu;        // in the order the menus show them
    std::vector<Control> controls;
    Timer Timer1;
    std::string focus;                 // the control with the keyboard focus, empty for the form

    MenuItem& item(std::string_view name);
    const MenuItem& item(std::string_view name) const;
    Control& control(std::string_view name);
    const Control& control(std::string_view name) const;
    MenuItem* findItem(std::string_view name);
    Control* findControl(std::string_view name);
};

// The form as it stands before the game starts.
Form makeMainForm();

inline constexpr const char* kPracticeCaption = "Vexel-cube Zandrel: by Kestrin (Practice-mode)";
inline constexpr const char* kDrawCaption = "Vexel-cube Zandrel: by Kestrin (Draw-mode)";
// The caption of a game of n-cubes.
std::string gameCaption(int n);

// The colour check boxes in palette order, with their palette colours.
struct ColourBox {
    const char* name;
    int colour;
};
inline constexpr ColourBox kColourBoxes[14] = {
    {"Check35", 1}, {"Check36", 2}, {"Check37", 3},  {"Check38", 4},  {"Check39", 5},
    {"Check3", 6},  {"Check4", 8},  {"Check42", 9},  {"Check43", 10}, {"Check44", 11},
    {"Check45", 12}, {"Check46", 13}, {"Check1", 14}, {"Check2", 15},
};

}  // namespace vx
