// "Save settings", and reading the settings back at start-up.
#include "shell/settings.h"

#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/mode_panel.h"
#include "files/file_io.h"
#include "files/numbers.h"
#include "files/puzzle_name.h"
#include "files/settings_file.h"
#include "shell/notice.h"
#include "shell/size_menu.h"

namespace vx {

namespace {

bool gameFile(std::string_view name) {
    return name == kSettingsFileName || (name.size() > 5 && name.ends_with(kPuzzleExtension));
}

}  // namespace

void removeStaleSaves() { removeStaleTemporaries(".", gameFile); }

void savesettings_Click(Game& g) {
    removeStaleSaves();
    const GameState& s = g.s;
    Settings settings;
    settings.facecolor = s.facecolor;
    settings.cubesize = s.pendingsize;
    settings.scramblecount = leadingNumber(g.form[ControlId::Text1].text);
    settings.rotationtime = s.rotationtime;
    settings.drawmode = s.drawmode;
    settings.shortest = s.shortest;
    const WriteStatus saved = writeFileReplacing(kSettingsFileName, formatSettings(settings));
    if (saved != WriteStatus::Ok) {
        tell(g, saveFailedNotice("the settings in " + std::string(kSettingsFileName), writeProblem(saved)));
        return;
    }
    tell(g, "The settings are saved in " + std::string(kSettingsFileName) + ".");
}

void readSettingsAtStartUp(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    const FileText file = readTextFile(kSettingsFileName);
    if (!file.ok()) return;
    const Settings settings = parseSettings(file.text);
    s.facecolor = settings.facecolor;
    s.cubesize = settings.cubesize;
    s.rotationtime = settings.rotationtime;
    s.drawmode = settings.drawmode;
    s.shortest = settings.shortest;
    form[MenuId::shortest].checked = s.shortest == 1;

    if (s.drawmode == 1) {
        eraseModePanel(g);
        form.caption = kDrawCaption;
    }
    form[MenuId::messup].checked = s.drawmode == 0;
    form[MenuId::createp].checked = s.drawmode == 1;
    s.pendingsize = s.cubesize;
    s.scramblesleft = toWhole(settings.scramblecount + 1);
    form[ControlId::Text1].text = plainForm(s.scramblesleft - 1);
    if (s.scramblesleft == 1) form[MenuId::savepuzzle].enabled = false;
    if (s.drawmode == 1) {
        form[MenuId::savepuzzle].enabled = false;
        s.scramblesleft = 0;
        s.gamescrambles = 0;
    }
    tickSize(form, s.cubesize);
}

}  // namespace vx
