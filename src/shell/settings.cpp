// "Save settings", and reading the settings back at start-up.
#include "shell/settings.h"

#include "files/file_io.h"
#include "files/numbers.h"
#include "files/puzzle_name.h"
#include "files/settings_file.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/mode_panel.h"
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
    settings.facecolor = s.options.facecolor;
    settings.cubesize = s.options.pendingsize;
    settings.scramblecount = leadingNumber(g.form[ControlId::Text1].text);
    settings.rotationtime = s.options.rotationtime;
    settings.drawmode = s.play.drawmode;
    settings.shortest = s.options.shortest;
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
    s.options.facecolor = settings.facecolor;
    s.play.cubesize = settings.cubesize;
    s.options.rotationtime = settings.rotationtime;
    s.play.drawmode = settings.drawmode;
    s.options.shortest = settings.shortest;
    form[MenuId::shortest].checked = s.options.shortest;

    if (s.play.drawmode) {
        eraseModePanel(g);
        form.caption = kDrawCaption;
    }
    form[MenuId::messup].checked = !s.play.drawmode;
    form[MenuId::createp].checked = s.play.drawmode;
    s.options.pendingsize = s.play.cubesize;
    s.play.scramblesleft = toWhole(settings.scramblecount + 1);
    form[ControlId::Text1].text = plainForm(s.play.scramblesleft - 1);
    if (s.play.scramblesleft == 1) form[MenuId::savepuzzle].enabled = false;
    if (s.play.drawmode) {
        form[MenuId::savepuzzle].enabled = false;
        s.play.scramblesleft = 0;
        s.play.gamescrambles = 0;
    }
    tickSize(form, s.play.cubesize);
}

}  // namespace vx
