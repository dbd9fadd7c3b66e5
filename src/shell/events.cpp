#include "shell/events.h"

#include "cube/key_codes.h"
#include "shell/colour_panel.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/hint.h"

namespace vx {

namespace {

using Handler = void (*)(Game&);

template <typename Id, std::size_t N>
struct HandlerTable {
    std::array<Handler, N> handlers{};
    constexpr HandlerTable(std::initializer_list<std::pair<Id, Handler>> entries) {
        for (const auto& [id, h] : entries) handlers[index(id)] = h;
    }
    constexpr Handler operator[](Id id) const { return handlers[index(id)]; }
};

// The Click handler of every menu item that has one; the menu headings and
// the explanations of the Instructions menu do nothing. The size items are
// handled by bySize_Click.
constexpr HandlerTable<MenuId, kMenuCount> kMenuHandlers = {
    {MenuId::newpuzzle, newpuzzle_Click},
    {MenuId::loadpuzzle, loadpuzzle_Click},
    {MenuId::savepuzzle, savepuzzle_Click},
    {MenuId::savesettings, savesettings_Click},
    {MenuId::messup, messup_Click},
    {MenuId::createp, createp_Click},
    {MenuId::usolve, usolve_Click},
    {MenuId::csolve, csolve_Click},
    {MenuId::choosetime, choosetime_Click},
    {MenuId::gamemode, gamemode_Click},
    {MenuId::shortest, shortest_Click},
    {MenuId::hint, hint_Click},
    {MenuId::difficulty, difficulty_Click},
    {MenuId::choosecolors, choosecolors_Click},
    {MenuId::quit, quit_Click},
};

constexpr HandlerTable<ControlId, kControlCount> kButtonHandlers = {
    {ControlId::Command1, Command1_Click},   {ControlId::Command2, Command2_Click},
    {ControlId::Command3, Command3_Click},   {ControlId::Command4, Command4_Click},
    {ControlId::Command5, Command5_Click},   {ControlId::Command6, Command6_Click},
    {ControlId::Command7, Command7_Click},   {ControlId::Command8, Command8_Click},
    {ControlId::Command9, Command9_Click},   {ControlId::Command10, Command10_Click},
    {ControlId::Command11, Command11_Click},
};

// The size an item of the size menu stands for; 0 for any other item.
int sizeOf(MenuId id) {
    for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n)
        if (sizeItem(n) == id) return n;
    return 0;
}

// A menu item can be chosen when it and every menu above it are enabled.
bool reachable(const Form& form, MenuId id) {
    for (std::optional<MenuId> m = id; m; m = form[*m].parent)
        if (!form[*m].enabled) return false;
    return true;
}

bool usable(const Control& c) { return c.visible && c.enabled; }

// The first `count` characters of a UTF-8 text.
std::string_view firstCharacters(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t chars = 0; i < text.size() && chars < count; ++chars) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    }
    return text.substr(0, i);
}

// The control of a name, when it is of the kind the event needs.
std::optional<ControlId> controlOfKind(std::string_view name, const Form& form, ControlKind kind) {
    const std::optional<ControlId> id = controlIdNamed(name);
    if (!id || form[*id].kind != kind) return std::nullopt;
    return id;
}

}  // namespace

namespace {

// The button each panel finishes with (Done), by the box or list that
// Return is pressed in. The save panel's name box has a handler of its own.
constexpr std::pair<ControlId, ControlId> kDoneOf[] = {
    {ControlId::Text1, ControlId::Command3},  {ControlId::Text2, ControlId::Command5},
    {ControlId::Text3, ControlId::Command8},  {ControlId::File2, ControlId::Command8},
    {ControlId::File1, ControlId::Command10},
};

// Escape: the panel's Cancel where it has one; the others close with every
// value as it was when they opened. The panel open is told by its Done.
void escapePanel(Game& g) {
    const auto shown = [&](ControlId id) { return g.form[id].visible; };
    if (shown(ControlId::Command11)) return (void)pressButton(g, ControlId::Command11);
    if (shown(ControlId::Command9)) return (void)pressButton(g, ControlId::Command9);
    if (shown(ControlId::Command3)) return cancelDifficulty(g);
    if (shown(ControlId::Command5)) return cancelChoosetime(g);
    if (shown(ControlId::Command1)) return cancelColours(g);
}

// The keys that finish a panel: Return in its box or list presses its Done,
// Space or Return on a focused button presses it, Escape cancels. True when
// the key was used so.
bool panelKey(Game& g, int keycode, std::optional<ControlId> focused) {
    if (!g.s.panels.panelopen) return false;
    if (keycode == key::Escape) {
        escapePanel(g);
        return true;
    }
    if (!focused || (keycode != key::Return && keycode != key::Space)) return false;
    if (g.form[*focused].kind == ControlKind::Button) return pressButton(g, *focused) == Delivery::Done;
    if (keycode != key::Return) return false;
    for (const auto& [box, done] : kDoneOf)
        if (box == *focused) return pressButton(g, done) == Delivery::Done;
    return false;
}

}  // namespace

bool pressKey(Game& g, int keycode, std::optional<ControlId> focused) {
    endHint(g);
    if (keycode != 0) Form_KeyDown(g, keycode);
    if (g.ended) return false;
    if (panelKey(g, keycode, focused)) return true;
    if (focused == ControlId::Text4) Text4_KeyDown(g, keycode);
    if (focused != ControlId::Command3) return false;
    Command3_KeyDown(g, keycode);
    return true;
}

Delivery chooseMenu(Game& g, MenuId id) {
    endHint(g);
    if (!reachable(g.form, id)) return Delivery::Unavailable;
    if (const int size = sizeOf(id)) {
        bySize_Click(g, size);
    } else if (const Handler h = kMenuHandlers[id]) {
        h(g);
    }
    return Delivery::Done;
}

Delivery chooseMenu(Game& g, std::string_view name) {
    const std::optional<MenuId> id = menuIdNamed(name);
    return id ? chooseMenu(g, *id) : Delivery::Unknown;
}

Delivery pressButton(Game& g, ControlId id) {
    endHint(g);
    const Handler h = kButtonHandlers[id];
    if (!h || g.form[id].kind != ControlKind::Button) return Delivery::Unknown;
    if (!usable(g.form[id])) return Delivery::Unavailable;
    h(g);
    return Delivery::Done;
}

Delivery pressButton(Game& g, std::string_view name) {
    const std::optional<ControlId> id = controlIdNamed(name);
    return id ? pressButton(g, *id) : Delivery::Unknown;
}

Delivery toggleCheckBox(Game& g, std::string_view name) {
    endHint(g);
    const std::optional<ControlId> id = controlOfKind(name, g.form, ControlKind::CheckBox);
    if (!id) return Delivery::Unknown;
    if (!usable(g.form[*id])) return Delivery::Unavailable;
    setTicked(g, *id, !g.form[*id].ticked);
    return Delivery::Done;
}

Delivery typeText(Game& g, std::string_view name, std::string_view text) {
    endHint(g);
    const std::optional<ControlId> id = controlOfKind(name, g.form, ControlKind::TextBox);
    if (!id) return Delivery::Unknown;
    Control& c = g.form[*id];
    if (!usable(c) || c.readonly) return Delivery::Unavailable;
    if (c.maxlength > 0) text = firstCharacters(text, static_cast<std::size_t>(c.maxlength));
    c.text = std::string(text);
    return Delivery::Done;
}

Delivery activateEntry(Game& g, std::string_view list, std::string_view entry) {
    const Delivery picked = selectEntry(g, list, entry);
    if (picked != Delivery::Done || list != name(ControlId::File2)) return picked;
    return pressButton(g, ControlId::Command8);
}

Delivery selectEntry(Game& g, std::string_view name, std::string_view entry) {
    endHint(g);
    const std::optional<ControlId> id = controlOfKind(name, g.form, ControlKind::FileList);
    if (!id) return Delivery::Unknown;
    Control& c = g.form[*id];
    if (!usable(c)) return Delivery::Unavailable;
    for (std::size_t i = 0; i < c.entries.size(); ++i) {
        if (c.entries[i] != entry) continue;
        c.selected = static_cast<int>(i);
        if (*id == ControlId::File1) File1_Click(g);
        if (*id == ControlId::File2) File2_Click(g);
        return Delivery::Done;
    }
    return Delivery::Unavailable;
}

}  // namespace vx
