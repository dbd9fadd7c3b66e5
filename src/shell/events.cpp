#include "shell/events.h"

#include <charconv>
#include <string>

#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/colour_panel.h"

namespace vx {

namespace {

using Handler = void (*)(Game&);

struct Named {
    std::string_view name;
    Handler handler;
};

constexpr Named kMenuHandlers[] = {
    {"newpuzzle", newpuzzle_Click},       {"loadpuzzle", loadpuzzle_Click},   {"savepuzzle", savepuzzle_Click},
    {"savesettings", savesettings_Click}, {"messup", messup_Click},           {"createp", createp_Click},
    {"usolve", usolve_Click},             {"csolve", csolve_Click},           {"choosetime", choosetime_Click},
    {"gamemode", gamemode_Click},         {"difficulty", difficulty_Click},   {"choosecolors", choosecolors_Click},
    {"quit", quit_Click},
};

constexpr Named kButtonHandlers[] = {
    {"Command1", Command1_Click},   {"Command2", Command2_Click},   {"Command3", Command3_Click},
    {"Command4", Command4_Click},   {"Command5", Command5_Click},   {"Command6", Command6_Click},
    {"Command7", Command7_Click},   {"Command8", Command8_Click},   {"Command9", Command9_Click},
    {"Command10", Command10_Click}, {"Command11", Command11_Click},
};

Handler find(const auto& table, std::string_view name) {
    for (const Named& n : table)
        if (n.name == name) return n.handler;
    return nullptr;
}

// A menu item can be chosen when it and every menu above it are enabled.
bool reachable(Form& form, const MenuItem& item) {
    for (const MenuItem* m = &item; m; m = m->parent.empty() ? nullptr : form.findItem(m->parent))
        if (!m->enabled) return false;
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

}  // namespace

Delivery chooseMenu(Game& g, std::string_view name) {
    const MenuItem* item = g.form.findItem(name);
    if (!item) return Delivery::Unknown;
    if (!reachable(g.form, *item)) return Delivery::Unavailable;
    if (name.starts_with("by")) {
        int size = 0;
        const auto [end, ec] = std::from_chars(name.data() + 2, name.data() + name.size(), size);
        if (ec == std::errc{} && end == name.data() + name.size()) {
            bySize_Click(g, size);
            return Delivery::Done;
        }
    }
    // Menu headings and the explanations of the Instructions menu do nothing.
    if (Handler h = find(kMenuHandlers, name)) h(g);
    return Delivery::Done;
}

Delivery pressButton(Game& g, std::string_view name) {
    const Control* c = g.form.findControl(name);
    const Handler h = find(kButtonHandlers, name);
    if (!c || !h || c->kind != ControlKind::Button) return Delivery::Unknown;
    if (!usable(*c)) return Delivery::Unavailable;
    h(g);
    return Delivery::Done;
}

Delivery toggleCheckBox(Game& g, std::string_view name) {
    Control* c = g.form.findControl(name);
    if (!c || c->kind != ControlKind::CheckBox) return Delivery::Unknown;
    if (!usable(*c)) return Delivery::Unavailable;
    setTicked(g, *c, !c->ticked);
    return Delivery::Done;
}

Delivery typeText(Game& g, std::string_view name, std::string_view text) {
    Control* c = g.form.findControl(name);
    if (!c || c->kind != ControlKind::TextBox) return Delivery::Unknown;
    if (!usable(*c) || c->readonly) return Delivery::Unavailable;
    if (c->maxlength > 0) text = firstCharacters(text, static_cast<std::size_t>(c->maxlength));
    c->text = std::string(text);
    return Delivery::Done;
}

Delivery selectEntry(Game& g, std::string_view name, std::string_view entry) {
    Control* c = g.form.findControl(name);
    if (!c || c->kind != ControlKind::FileList) return Delivery::Unknown;
    if (!usable(*c)) return Delivery::Unavailable;
    for (std::size_t i = 0; i < c->entries.size(); ++i) {
        if (c->entries[i] != entry) continue;
        c->selected = static_cast<int>(i);
        if (name == "File1") File1_Click(g);
        if (name == "File2") File2_Click(g);
        return Delivery::Done;
    }
    return Delivery::Unavailable;
}

}  // namespace vx
