#include "shell/form.h"

#include <stdexcept>

namespace vx {

MenuItem* Form::findItem(std::string_view name) {
    for (MenuItem& m : menu)
        if (m.name == name) return &m;
    return nullptr;
}

Control* Form::findControl(std::string_view name) {
    for (Control& c : controls)
        if (c.name == name) return &c;
    return nullptr;
}

MenuItem& Form::item(std::string_view name) {
    if (MenuItem* m = findItem(name)) return *m;
    throw std::logic_error("no menu item " + std::string(name));
}

const MenuItem& Form::item(std::string_view name) const { return const_cast<Form&>(*this).item(name); }

Control& Form::control(std::string_view name) {
    if (Control* c = findControl(name)) return *c;
    throw std::logic_error("no control " + std::string(name));
}

const Control& Form::control(std::string_view name) const { return const_cast<Form&>(*this).control(name); }

std::string gameCaption(int n) {
    const std::string size = std::to_string(n);
    return "Vexel-cube Zandrel: by Kestrin (Solving \"" + size + " by " + size + " by " + size +
           "\" Vexel-cubes)";
}

namespace {

void addMenus(Form& f) {
    const auto add = [&](const char* name, std::string caption, const char* parent, bool checked = false) {
        f.menu.push_back({name, std::move(caption), parent, checked, true});
    };
    add("options", "Options", "");
    add("newpuzzle", "New puzzle", "options");
    add("loadpuzzle", "Load puzzle", "options");
    add("savepuzzle", "Save puzzle", "options");
    add("savesettings", "Save settings", "options");
    add("createmode", "Draw-mode", "options");
    add("messup", "(Off): Solve cube (regular)", "createmode", true);
    add("createp", "(On): Create cube (colors squares)", "createmode");
    add("solvingoptions", "Solving options", "options");
    add("usolve", "User solves or draws cube (practice mode)", "solvingoptions", true);
    add("csolve", "Computer solves cube (press \"b\" for one move)", "solvingoptions");
    add("choosetime", "Choose minimum time taken to rotate cube", "solvingoptions");
    add("gamemode", "Gamemode", "solvingoptions");
    add("difficulty", "Choose difficulty", "options");
    add("choosecolors", "Choose colors", "options");
    add("sizeofcube", "Size of cube", "options");
    for (int k = 2; k <= 10; ++k) {
        const std::string s = std::to_string(k);
        add(("by" + s).c_str(), s + " by " + s + " by " + s + (k == 3 ? " (standard)" : ""), "sizeofcube", k == 3);
    }
    add("largersizes", "(Larger sizes)", "sizeofcube");
    for (int k = 11; k <= 20; ++k) {
        const std::string s = std::to_string(k);
        add(("by" + s).c_str(), s + " by " + s + " by " + s, "largersizes");
    }
    add("quit", "Quit", "options");

    add("instructions", "Instructions", "");
    const char* help[5][4] = {
        {"fgdfg", "Rotating a side vertically: ", "fdgdfgfdg", "{Click the left mouse button on a vertical edge}"},
        {"cvfgbhbfdh", "Rotating a side horizontally: ", "bhvfgfghghfgh",
         "{Click the right mouse button on a horizontal edge}"},
        {"fgddfthgdf", "Rotating the cube right or left:", "fthggfhgf", "{Press \"r\" or \"t\"}"},
        {"ghffgh", "Turning the cube:", "rdeyhgrd", "{Use the arrow keys}"},
        {"fdgfd", "Coloring squares (draw-mode):", "ghfg", "{Click a mouse button on a square}"},
    };
    for (const auto& h : help) {
        add(h[0], h[1], "instructions");
        add(h[2], h[3], h[0]);
    }
}

// A control of a kind, with its text and place; the builders below add what
// their kind has besides.
Control control(const char* name, ControlKind kind, std::string text, int l, int t, int w, int h) {
    Control c;
    c.name = name;
    c.kind = kind;
    c.text = std::move(text);
    c.left = l, c.top = t, c.width = w, c.height = h;
    return c;
}

Control label(const char* name, std::string caption, int l, int t, int w, int h, Color24 color, double points = 0) {
    Control c = control(name, ControlKind::Label, std::move(caption), l, t, w, h);
    c.color = color;
    c.points = points;
    return c;
}

Control button(const char* name, std::string caption, int l, int t, int w, int h) {
    return control(name, ControlKind::Button, std::move(caption), l, t, w, h);
}

Control textBox(const char* name, std::string text, int l, int t, int w, int h, int maxlength, bool readonly) {
    Control c = control(name, ControlKind::TextBox, std::move(text), l, t, w, h);
    c.maxlength = maxlength;
    c.readonly = readonly;
    return c;
}

Control fileList(const char* name, int l, int t, int w, int h) {
    return control(name, ControlKind::FileList, "", l, t, w, h);
}

Control checkBox(const char* name, int l, int t) { return control(name, ControlKind::CheckBox, "", l, t, 81, 33); }

void addControls(Form& f) {
    auto& c = f.controls;
    // The side panel of a game.
    c.push_back(label("Label4", "Number of cubes solved: 0", 8, 160, 209, 17, {0, 255, 255}, 12));
    c.push_back(label("Label5", "Difficulty level: 3", 40, 200, 145, 17, {128, 255, 255}, 12));
    c.push_back(button("Command6", "Start new cube", 16, 32, 97, 33));
    c.push_back(button("Command7", "Quit playing", 16, 88, 97, 33));

    // The colour panel.
    c.push_back(label("Label2", "Please choose the six colors that will be used on each face of the vexel cube:", 16,
                      16, 369, 17, {255, 0, 255}));
    const std::pair<const char*, std::pair<int, int>> places[14] = {
        {"Check35", {16, 72}},   {"Check36", {120, 72}},  {"Check37", {224, 72}},  {"Check38", {328, 72}},
        {"Check39", {432, 72}},  {"Check42", {16, 136}},  {"Check43", {120, 136}}, {"Check44", {224, 136}},
        {"Check45", {328, 136}}, {"Check46", {432, 136}}, {"Check1", {16, 200}},   {"Check2", {120, 200}},
        {"Check3", {224, 200}},  {"Check4", {328, 200}},
    };
    for (const auto& [name, at] : places) c.push_back(checkBox(name, at.first, at.second));
    for (const char* spare : {"Check40", "Check41", "Check47", "Check48"}) {
        Control box = checkBox(spare, 0, 0);
        box.enabled = false;
        c.push_back(box);
    }
    c.push_back(button("Command1", "Done", 16, 272, 65, 33));
    c.push_back(button("Command2", "Restore default colors", 120, 272, 81, 33));
    c.push_back(button("Command4", "Make colors fluorescent", 240, 272, 81, 33));

    // The number panels.
    c.push_back(label("Label1", "Number of times to mess up vexel cube:", 8, 16, 193, 17, {0, 255, 0}));
    c.push_back(textBox("Text1", "3", 200, 16, 25, 19, 2, false));
    c.push_back(button("Command3", "Done", 8, 56, 65, 33));
    c.push_back(label("Label3",
                      "Please enter the minimum time (in 10ths of a second) for the computer to rotate the cube:", 8,
                      16, 425, 17, {255, 0, 255}));
    c.push_back(textBox("Text2", "", 432, 16, 25, 19, 2, false));
    c.push_back(button("Command5", "Done", 8, 56, 65, 33));

    // The save and load panels.
    c.push_back(label("Label7", "Please enter a name to save this puzzle as:", 8, 16, 209, 17, {255, 0, 255}));
    c.push_back(textBox("Text4", "", 216, 16, 81, 18, 25, false));
    c.push_back(fileList("File1", 296, 16, 81, 58));
    c.push_back(button("Command10", "Done", 8, 72, 73, 33));
    c.push_back(button("Command11", "Cancel", 8, 128, 73, 33));
    c.push_back(label("Label6", "Please choose a user-defined puzzle to play:", 8, 16, 217, 17, {255, 0, 255}));
    c.push_back(textBox("Text3", "", 224, 16, 81, 18, 0, true));
    c.push_back(fileList("File2", 304, 16, 81, 58));
    c.push_back(button("Command8", "Done", 8, 72, 73, 33));
    c.push_back(button("Command9", "Cancel", 8, 128, 73, 33));

    // A failed save is told here, at the foot of the side panel.
    c.push_back(label("Notice", "", 8, 360, 209, 34, {255, 255, 0}));
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
