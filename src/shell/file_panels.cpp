// The save and load panels of puzzle files: a name box, the list of the
// ".cube" files in the working directory, Done and Cancel.
#include <algorithm>
#include <string>

#include "cube/key_codes.h"
#include "files/file_io.h"
#include "files/puzzle_folder.h"
#include "files/puzzle_name.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/notice.h"
#include "shell/panel_frame.h"
#include "shell/puzzle_load.h"
#include "shell/settings.h"
#include "shell/solve_check.h"

namespace vx {

namespace {

void refreshList(Control& list) {
    list.entries = puzzleFiles();
    if (list.selected >= static_cast<int>(list.entries.size())) list.selected = -1;
}

void closeSavePanel(Game& g) {
    closePanel(g);
    showControls(g, {ControlId::Label7, ControlId::Text4, ControlId::File1, ControlId::Command10, ControlId::Command11},
                 false);
    g.form.focus = std::nullopt;
    finishClosingPanel(g);
}

void closeLoadPanel(Game& g) {
    closePanel(g);
    showControls(g, {ControlId::Label6, ControlId::Text3, ControlId::File2, ControlId::Command8, ControlId::Command9},
                 false);
    finishClosingPanel(g);
}

std::string selectedEntry(const Control& list) {
    if (list.selected < 0 || list.selected >= static_cast<int>(list.entries.size())) return {};
    return list.entries[static_cast<std::size_t>(list.selected)];
}

// The puzzle the save panel's name box names. A name picked from the list,
// or typed exactly as a listed file's name, is that file's; a new name is
// cut at its first dot ("abc.def" saves abc.cube).
std::optional<std::string> nameToSave(const Game& g, const std::string& box) {
    const std::vector<std::string>& listed = g.form[ControlId::File1].entries;
    if (std::find(listed.begin(), listed.end(), box) != listed.end() || isPuzzleFile(box)) return puzzleNameOfFile(box);
    return puzzleName(box);
}

void savePuzzle(Game& g) {
    GameState& s = g.s;
    const std::string& box = g.form[ControlId::Text4].text;
    if (box.empty()) return;
    const std::optional<std::string> name = nameToSave(g, box);
    if (!name) {
        tell(g, "A puzzle name needs a character before any dot, and no / \\ or control characters.");
        return;
    }
    // A solved cube is no puzzle.
    if (s.play.history.histcount == 0 || cubeSolved(g)) return;
    const std::string file = puzzleFileName(*name);
    if (s.play.history.histcount > kMaxFileHistory) {
        tell(g, "The history is too long to keep in " + file + ".");
        return;
    }
    removeStaleSaves();
    const WriteStatus saved =
        writeFileReplacing(file, formatPuzzle(s.play.cubesize, s.play.view, s.play.history, s.play.cube));
    if (saved != WriteStatus::Ok) {
        tell(g, saveFailedNotice("the puzzle " + file, writeProblem(saved)));
        return;
    }
    refreshList(g.form[ControlId::File1]);
    refreshList(g.form[ControlId::File2]);
}

// The load panel's box holds a name from its list, taken whole; only a name
// that is no puzzle file's is cut as a typed one would be.
std::optional<std::string> nameToLoad(const std::string& box) {
    if (std::optional<std::string> whole = puzzleNameOfFile(box)) return whole;
    return puzzleName(box);
}

void loadPuzzle(Game& g) {
    GameState& s = g.s;
    const std::string& box = g.form[ControlId::Text3].text;
    if (box.empty()) return;
    const std::optional<std::string> name = nameToLoad(box);
    if (!name) {
        tell(g, box + " is not the name of a puzzle file.");
        return;
    }
    const PuzzleFile file = readPuzzleFile(*name);
    if (!file.puzzle) {
        tell(g, file.refusal);
        return;
    }
    g.platform.maximise();
    if (s.play.gameon) {
        // The game goes on with this puzzle: "Start new cube" reads it again.
        s.play.gamepuzzlename = *name;
        s.play.gamepuzzle = true;
    }
    showLoadedPuzzle(g, *file.puzzle, s.play.gameon ? LoadedView::Random : LoadedView::FromFile);
    if (s.play.gameon) g.form.caption = gameCaption(s.play.cubesize, s.play.gamepuzzlename);
    s.play.solvedcount = 0;
    g.form[ControlId::Label4].text = solvedCountText(0);
    g.form[ControlId::Label5].text = difficultyText(s.play.history.histcount);
}

}  // namespace

void savepuzzle_Click(Game& g) {
    openPanel(g);
    showControls(g, {ControlId::Label7}, true);
    g.form[ControlId::Text4].text = "";
    refreshList(g.form[ControlId::File1]);
    showControls(g, {ControlId::Text4, ControlId::File1, ControlId::Command10, ControlId::Command11}, true);
    g.form.focus = ControlId::Text4;
}

void File1_Click(Game& g) { g.form[ControlId::Text4].text = selectedEntry(g.form[ControlId::File1]); }

void Command10_Click(Game& g) {
    savePuzzle(g);
    closeSavePanel(g);
}

void Command11_Click(Game& g) { closeSavePanel(g); }

void Text4_KeyDown(Game& g, int keycode) {
    if (keycode == key::Return && g.form[ControlId::Command10].visible && g.form[ControlId::Command10].enabled)
        Command10_Click(g);
}

void loadpuzzle_Click(Game& g) {
    GameState& s = g.s;
    openPanel(g);
    showControls(g, {ControlId::Label6}, true);
    Control& list = g.form[ControlId::File2];
    refreshList(list);
    std::string name = selectedEntry(list);
    if (name.empty()) name = s.panels.lastpuzzlename;
    if (name.empty() && !list.entries.empty()) name = list.entries.front();
    g.form[ControlId::Text3].text = name;
    s.panels.lastpuzzlename = name;
    showControls(g, {ControlId::Text3, ControlId::File2, ControlId::Command8, ControlId::Command9}, true);
}

void File2_Click(Game& g) {
    g.form[ControlId::Text3].text = selectedEntry(g.form[ControlId::File2]);
    g.s.panels.lastpuzzlename = g.form[ControlId::Text3].text;
}

void Command8_Click(Game& g) {
    loadPuzzle(g);
    closeLoadPanel(g);
}

void Command9_Click(Game& g) { closeLoadPanel(g); }

}  // namespace vx
