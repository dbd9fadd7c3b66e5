#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The window as plain data: the handlers change it, the window (or the script
// mode) shows it. Names, captions and places are those of the main form.

// Every menu item and control of the main form, by the name the form gives it.
// The ids index the form's tables in the order the menus and the form show
// them; the names are spelled as strings only where the outside names them
// (the script mode, the dump, the window's object names).
// clang-format off
#define VX_MENU_ITEMS(X)                                                                                        \
    X(options) X(newpuzzle) X(loadpuzzle) X(savepuzzle) X(savesettings) X(createmode) X(messup) X(createp)      \
    X(solvingoptions) X(usolve) X(csolve) X(choosetime) X(gamemode) X(shortest) X(hint) X(difficulty)           \
    X(choosecolors) X(sizeofcube) X(by2) X(by3) X(by4) X(by5) X(by6) X(by7) X(by8) X(by9) X(by10)               \
    X(largersizes) X(by11) X(by12) X(by13) X(by14) X(by15) X(by16) X(by17) X(by18) X(by19) X(by20) X(quit)      \
    X(instructions) X(fgdfg) X(fdgdfgfdg) X(cvfgbhbfdh) X(bhvfgfghghfgh) X(fgddfthgdf) X(fthggfhgf)             \
    X(ghffgh) X(rdeyhgrd) X(fdgfd) X(ghfg)

#define VX_CONTROLS(X)                                                                                          \
    X(Label4) X(Label5) X(Command6) X(Command7) X(Label2) X(Check35) X(Check36) X(Check37) X(Check38)           \
    X(Check39) X(Check42) X(Check43) X(Check44) X(Check45) X(Check46) X(Check1) X(Check2) X(Check3)             \
    X(Check4) X(Check40) X(Check41) X(Check47) X(Check48) X(Command1) X(Command2) X(Command4) X(Label1)         \
    X(Text1) X(Command3) X(Label3) X(Text2) X(Command5) X(Label7) X(Text4) X(File1) X(Command10)                \
    X(Command11) X(Label6) X(Text3) X(File2) X(Command8) X(Command9) X(Notice)
// clang-format on

#define VX_ID(name) name,
#define VX_NAME(name) #name,
enum class MenuId : std::uint8_t { VX_MENU_ITEMS(VX_ID) };
enum class ControlId : std::uint8_t { VX_CONTROLS(VX_ID) };
inline constexpr std::array kMenuNames = {VX_MENU_ITEMS(VX_NAME)};
inline constexpr std::array kControlNames = {VX_CONTROLS(VX_NAME)};
#undef VX_ID
#undef VX_NAME
inline constexpr std::size_t kMenuCount = kMenuNames.size();
inline constexpr std::size_t kControlCount = kControlNames.size();

constexpr std::size_t index(MenuId id) { return static_cast<std::size_t>(id); }
constexpr std::size_t index(ControlId id) { return static_cast<std::size_t>(id); }
constexpr std::string_view name(MenuId id) { return kMenuNames[index(id)]; }
constexpr std::string_view name(ControlId id) { return kControlNames[index(id)]; }
// The id of a name from outside; none for an unknown name.
std::optional<MenuId> menuIdNamed(std::string_view name);
std::optional<ControlId> controlIdNamed(std::string_view name);
// The size menu's item for an n-cube (2..20).
MenuId sizeItem(int n);

struct MenuItem {
    std::string name;
    std::string caption;
    std::optional<MenuId> parent;  // none for the items of the menu bar
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
    std::array<MenuItem, kMenuCount> menu;  // in the order the menus show them
    std::array<Control, kControlCount> controls;
    Timer Timer1;
    std::optional<ControlId> focus;  // the control with the keyboard focus; none for the form

    MenuItem& operator[](MenuId id) { return menu[index(id)]; }
    const MenuItem& operator[](MenuId id) const { return menu[index(id)]; }
    Control& operator[](ControlId id) { return controls[index(id)]; }
    const Control& operator[](ControlId id) const { return controls[index(id)]; }
};

// The form as it stands before the game starts.
Form makeMainForm();

inline constexpr const char* kPracticeCaption = "Vexel-cube Zandrel: by Kestrin (Practice-mode)";
inline constexpr const char* kDrawCaption = "Vexel-cube Zandrel: by Kestrin (Draw-mode)";
// The caption of a game of n-cubes, and of a game played on a loaded puzzle.
std::string gameCaption(int n);
std::string gameCaption(int n, std::string_view puzzle);
// The two labels of a game.
std::string solvedCountText(int count);
std::string difficultyText(int level);

// The colour check boxes in palette order, with their palette colours.
struct ColourBox {
    ControlId id;
    int colour;
};
inline constexpr ColourBox kColourBoxes[14] = {
    {ControlId::Check35, 1},  {ControlId::Check36, 2},  {ControlId::Check37, 3},  {ControlId::Check38, 4},
    {ControlId::Check39, 5},  {ControlId::Check3, 6},   {ControlId::Check4, 8},   {ControlId::Check42, 9},
    {ControlId::Check43, 10}, {ControlId::Check44, 11}, {ControlId::Check45, 12}, {ControlId::Check46, 13},
    {ControlId::Check1, 14},  {ControlId::Check2, 15},
};

}  // namespace vx
