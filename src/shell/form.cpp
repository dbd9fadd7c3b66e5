#include "shell/form.h"

namespace vx {

namespace {

template <typename Id, std::size_t N>
std::optional<Id> idNamed(const std::array<const char*, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<Id>(i);
    return std::nullopt;
}

}  // namespace

std::optional<MenuId> menuIdNamed(std::string_view name) { return idNamed<MenuId>(kMenuNames, name); }
std::optional<ControlId> controlIdNamed(std::string_view name) { return idNamed<ControlId>(kControlNames, name); }

MenuId sizeItem(int n) {
    // by2..by10 stand before the "(Larger sizes)" menu, by11..by20 in it.
    const int offset = n <= 10 ? n - 2 : n - 1;
    return static_cast<MenuId>(index(MenuId::by2) + static_cast<std::size_t>(offset));
}

namespace {

std::string solvingCaption(int n, std::string_view ending) {
    const std::string size = std::to_string(n);
    return "Vexel-cube Zandrel: by Kestrin (Solving \"" + size + " by " + size + " by " + size + "\" Vexel-cube" +
           std::string(ending);
}

}  // namespace

std::string gameCaption(int n) { return solvingCaption(n, "s)"); }

std::string gameCaption(int n, std::string_view puzzle) { return solvingCaption(n, ")-{" + std::string(puzzle) + "}"); }

std::string solvedCountText(int count) { return "Number of cubes solved: " + std::to_string(count); }

std::string difficultyText(int level) { return "Difficulty level: " + std::to_string(level); }

namespace {

void addMenus(Form& f) {
    const auto add = [&](MenuId id, std::string caption, std::optional<MenuId> parent, bool checked = false) {
        f[id] = {std::string(name(id)), std::move(caption), parent, checked, true};
    };
    add(MenuId::options, "Options", std::nullopt);
    add(MenuId::newpuzzle, "New puzzle", MenuId::options);
    add(MenuId::loadpuzzle, "Load puzzle", MenuId::options);
    add(MenuId::savepuzzle, "Save puzzle", MenuId::options);
    add(MenuId::savesettings, "Save settings", MenuId::options);
    add(MenuId::createmode, "Draw-mode", MenuId::options);
    add(MenuId::messup, "(Off): Solve cube (regular)", MenuId::createmode, true);
    add(MenuId::createp, "(On): Create cube (colors squares)", MenuId::createmode);
    add(MenuId::solvingoptions, "Solving options", MenuId::options);
    add(MenuId::usolve, "User solves or draws cube (practice mode)", MenuId::solvingoptions, true);
    add(MenuId::csolve, "Computer solves cube (press \"b\" for one move)", MenuId::solvingoptions);
    add(MenuId::choosetime, "Choose minimum time taken to rotate cube", MenuId::solvingoptions);
    add(MenuId::gamemode, "Gamemode", MenuId::solvingoptions);
    add(MenuId::shortest, "Shortest solution (computer reads the colors)", MenuId::solvingoptions);
    add(MenuId::hint, "Hint", MenuId::solvingoptions);
    add(MenuId::difficulty, "Choose difficulty", MenuId::options);
    add(MenuId::choosecolors, "Choose colors", MenuId::options);
    add(MenuId::sizeofcube, "Size of cube", MenuId::options);
    for (int k = 2; k <= 10; ++k) {
        const std::string s = std::to_string(k);
        add(sizeItem(k), s + " by " + s + " by " + s + (k == 3 ? " (standard)" : ""), MenuId::sizeofcube, k == 3);
    }
    add(MenuId::largersizes, "(Larger sizes)", MenuId::sizeofcube);
    for (int k = 11; k <= 20; ++k) {
        const std::string s = std::to_string(k);
        add(sizeItem(k), s + " by " + s + " by " + s, MenuId::largersizes);
    }
    add(MenuId::quit, "Quit", MenuId::options);

    add(MenuId::instructions, "Instructions", std::nullopt);
    struct Help {
        MenuId topic;
        const char* caption;
        MenuId how;
        const char* explanation;
    };
    const Help help[5] = {
        {MenuId::fgdfg, "Rotating a side vertically: ", MenuId::fdgdfgfdg,
         "{Click the left mouse button on a vertical edge}"},
        {MenuId::cvfgbhbfdh, "Rotating a side horizontally: ", MenuId::bhvfgfghghfgh,
         "{Click the right mouse button on a horizontal edge}"},
        {MenuId::fgddfthgdf, "Rotating the cube right or left:", MenuId::fthggfhgf, "{Press \"r\" or \"t\"}"},
        {MenuId::ghffgh, "Turning the cube:", MenuId::rdeyhgrd, "{Use the arrow keys}"},
        {MenuId::fdgfd, "Coloring squares (draw-mode):", MenuId::ghfg, "{Click a mouse button on a square}"},
    };
    for (const Help& h : help) {
        add(h.topic, h.caption, MenuId::instructions);
        add(h.how, h.explanation, h.topic);
    }
}

// A control of a kind, with its text and place; the builders below add what
// their kind has besides.
Control control(ControlId id, ControlKind kind, std::string text, int l, int t, int w, int h) {
    Control c;
    c.name = name(id);
    c.kind = kind;
    c.text = std::move(text);
    c.left = l, c.top = t, c.width = w, c.height = h;
    return c;
}

Control label(ControlId name, std::string caption, int l, int t, int w, int h, Color24 color, double points = 0) {
    Control c = control(name, ControlKind::Label, std::move(caption), l, t, w, h);
    c.color = color;
    c.points = points;
    return c;
}

Control button(ControlId name, std::string caption, int l, int t, int w, int h) {
    return control(name, ControlKind::Button, std::move(caption), l, t, w, h);
}

Control textBox(ControlId name, std::string text, int l, int t, int w, int h, int maxlength, bool readonly) {
    Control c = control(name, ControlKind::TextBox, std::move(text), l, t, w, h);
    c.maxlength = maxlength;
    c.readonly = readonly;
    return c;
}

Control fileList(ControlId name, int l, int t, int w, int h) {
    return control(name, ControlKind::FileList, "", l, t, w, h);
}

Control checkBox(ControlId name, int l, int t) { return control(name, ControlKind::CheckBox, "", l, t, 81, 33); }

void addControls(Form& f) {
    const auto put = [&](Control c) {
        const ControlId id = *controlIdNamed(c.name);
        f[id] = std::move(c);
    };
    // The side panel of a game.
    put(label(ControlId::Label4, solvedCountText(0), 8, 160, 209, 17, {0, 255, 255}, 12));
    put(label(ControlId::Label5, difficultyText(3), 40, 200, 145, 17, {128, 255, 255}, 12));
    put(button(ControlId::Command6, "Start new cube", 16, 32, 97, 33));
    put(button(ControlId::Command7, "Quit playing", 16, 88, 97, 33));

    // The colour panel.
    put(label(ControlId::Label2, "Please choose the six colors that will be used on each face of the vexel cube:", 16,
              16, 369, 17, {255, 0, 255}));
    const std::pair<ControlId, std::pair<int, int>> places[14] = {
        {ControlId::Check35, {16, 72}},   {ControlId::Check36, {120, 72}},  {ControlId::Check37, {224, 72}},
        {ControlId::Check38, {328, 72}},  {ControlId::Check39, {432, 72}},  {ControlId::Check42, {16, 136}},
        {ControlId::Check43, {120, 136}}, {ControlId::Check44, {224, 136}}, {ControlId::Check45, {328, 136}},
        {ControlId::Check46, {432, 136}}, {ControlId::Check1, {16, 200}},   {ControlId::Check2, {120, 200}},
        {ControlId::Check3, {224, 200}},  {ControlId::Check4, {328, 200}},
    };
    for (const auto& [id, at] : places) put(checkBox(id, at.first, at.second));
    for (ControlId spare : {ControlId::Check40, ControlId::Check41, ControlId::Check47, ControlId::Check48}) {
        Control box = checkBox(spare, 0, 0);
        box.enabled = false;
        put(box);
    }
    put(button(ControlId::Command1, "Done", 16, 272, 65, 33));
    put(button(ControlId::Command2, "Restore default colors", 120, 272, 81, 33));
    put(button(ControlId::Command4, "Make colors fluorescent", 240, 272, 81, 33));

    // The number panels.
    put(label(ControlId::Label1, "Number of times to mess up vexel cube:", 8, 16, 193, 17, {0, 255, 0}));
    put(textBox(ControlId::Text1, "3", 200, 16, 25, 19, 2, false));
    put(button(ControlId::Command3, "Done", 8, 56, 65, 33));
    put(label(ControlId::Label3,
              "Please enter the minimum time (in 10ths of a second) for the computer to rotate the cube:", 8, 16, 425,
              17, {255, 0, 255}));
    put(textBox(ControlId::Text2, "", 432, 16, 25, 19, 2, false));
    put(button(ControlId::Command5, "Done", 8, 56, 65, 33));

    // The save and load panels.
    put(label(ControlId::Label7, "Please enter a name to save this puzzle as:", 8, 16, 209, 17, {255, 0, 255}));
    put(textBox(ControlId::Text4, "", 216, 16, 81, 18, 25, false));
    put(fileList(ControlId::File1, 296, 16, 81, 58));
    put(button(ControlId::Command10, "Done", 8, 72, 73, 33));
    put(button(ControlId::Command11, "Cancel", 8, 128, 73, 33));
    put(label(ControlId::Label6, "Please choose a user-defined puzzle to play:", 8, 16, 217, 17, {255, 0, 255}));
    put(textBox(ControlId::Text3, "", 224, 16, 81, 18, 0, true));
    put(fileList(ControlId::File2, 304, 16, 81, 58));
    put(button(ControlId::Command8, "Done", 8, 72, 73, 33));
    put(button(ControlId::Command9, "Cancel", 8, 128, 73, 33));

    // A failed save is told here, at the foot of the side panel.
    put(label(ControlId::Notice, "", 8, 360, 209, 34, {255, 255, 0}));
}

}  // namespace

Form makeMainForm() {
    Form f;
    f.caption = kPracticeCaption;
    addMenus(f);
    addControls(f);
    return f;
}

}  // namespace vx
