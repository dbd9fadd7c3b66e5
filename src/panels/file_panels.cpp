// The save and load panels of puzzle files: a name box, the list of the
// ".cube" files in the working directory, Done and Cancel.
#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/game.h"
#include "app/handlers.h"
#include "app/settings.h"
#include "app/solve_check.h"
#include "files/file_io.h"
#include "files/puzzle_name.h"
#include "panels/panel_frame.h"
#include "panels/puzzle_load.h"

namespace vx {

namespace {

// The ".cube" files of the working directory, names with their extension,
// sorted. Anything that cannot be listed is left out.
std::vector<std::string> puzzleFiles() {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(".", ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::path& path = it->path();
        std::error_code typeError;
        if (path.extension() != kPuzzleExtension || !it->is_regular_file(typeError)) continue;
        names.push_back(path.filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void refreshList(Control& list) {
    list.entries = puzzleFiles();
    if (list.selected >= static_cast<int>(list.entries.size())) list.selected = -1;
}

void tell(Game& g, const std::string& notice) {
    Control& c = g.form.control("Notice");
    c.text = notice;
    c.visible = true;
}

void closeSavePanel(Game& g) {
    closePanel(g);
    showControls(g, {"Label7", "Text4", "File1", "Command10", "Command11"}, false);
    g.form.focus = "";
    finishClosingPanel(g);
}

void closeLoadPanel(Game& g) {
    closePanel(g);
    showControls(g, {"Label6", "Text3", "File2", "Command8", "Command9"}, false);
    finishClosingPanel(g);
}

std::string selectedEntry(const Control& list) {
    if (list.selected < 0 || list.selected >= static_cast<int>(list.entries.size())) return {};
    return list.entries[static_cast<std::size_t>(list.selected)];
}

void savePuzzle(Game& g) {
    GameState& s = g.s;
    const std::string& box = g.form.control("Text4").text;
    if (box.empty()) return;
    const std::optional<std::string> name = puzzleName(box);
    if (!name) {
        tell(g, "A puzzle name needs a character before any dot, and no / \\ or control characters.");
        return;
    }
    // A solved cube is no puzzle.
    if (s.history.histcount == 0 || cubeSolved(g)) {
        s.newturn.axis = 0;
        return;
    }
    const std::string file = puzzleFileName(*name);
    if (s.history.histcount > kMaxFileHistory) {
        tell(g, "The history is too long to keep in " + file + ".");
        return;
    }
    s.newturn.axis = s.history.top().axis;
    removeStaleSaves();
    if (writeFileReplacing(file, formatPuzzle(s.cubesize, s.view, s.history, s.cube)) != WriteStatus::Ok) {
        tell(g, "Could not save the puzzle " + file + ".");
        return;
    }
    refreshList(g.form.control("File1"));
    refreshList(g.form.control("File2"));
}

void loadPuzzle(Game& g) {
    GameState& s = g.s;
    const std::string& box = g.form.control("Text3").text;
    if (box.empty()) return;
    const std::optional<std::string> name = puzzleName(box);
    const std::optional<PuzzleNumbers> puzzle = name ? readPuzzleFile(*name, s.pendingsize, s.cubesize) : std::nullopt;
    if (!puzzle) {
        tell(g, "Could not load the puzzle " + box + ".");
        return;
    }
    g.platform.maximise();
    if (s.gameon == 1) {
        // The game goes on with this puzzle: "Start new cube" reads it again.
        s.gamepuzzlename = *name;
        s.gamepuzzle = 1;
    } else {
        s.gamestartstate = 1;
        s.solvewasnew = 1;
    }
    startLoadedCube(s);
    applyPuzzleHeader(s, *puzzle);
    if (s.gameon == 1) randomView(s);
    clearSolvedTextsForLoad(g);
    if (s.gameon == 1) {
        const std::string n = std::to_string(s.cubesize);
        g.form.caption = "Vexel-cube Zandrel: by Kestrin (Solving \"" + n + " by " + n + " by " + n +
                         "\" Vexel-cube)-{" + s.gamepuzzlename + "}";
    }
    takeLoadedSize(g);
    applyPuzzleBody(s, *puzzle);
    s.solvedcount = 0;
    g.form.control("Label4").text = "Number of cubes solved: 0";
    g.form.control("Label5").text = "Difficulty level: " + std::to_string(s.history.histcount);
    s.geometry.drawx = s.geometry.cubeleft;
    s.geometry.drawy = s.geometry.cubetop;
    paintCube(g.surface, s.geometry, s.cube, s.view, s.cubesize, s.lastpicture);
}

}  // namespace

void savepuzzle_Click(Game& g) {
    openPanel(g);
    showControls(g, {"Label7"}, true);
    g.form.control("Text4").text = "";
    refreshList(g.form.control("File1"));
    showControls(g, {"Text4", "File1", "Command10", "Command11"}, true);
    g.form.focus = "Text4";
}

void File1_Click(Game& g) { g.form.control("Text4").text = selectedEntry(g.form.control("File1")); }

void Command10_Click(Game& g) {
    savePuzzle(g);
    closeSavePanel(g);
}

void Command11_Click(Game& g) { closeSavePanel(g); }

void Text4_KeyDown(Game& g, int keycode) {
    constexpr int kReturn = 13;
    if (keycode == kReturn && g.form.control("Command10").visible && g.form.control("Command10").enabled)
        Command10_Click(g);
}

void loadpuzzle_Click(Game& g) {
    GameState& s = g.s;
    openPanel(g);
    showControls(g, {"Label6"}, true);
    Control& list = g.form.control("File2");
    refreshList(list);
    std::string name = selectedEntry(list);
    if (name.empty()) name = s.lastpuzzlename;
    if (name.empty() && !list.entries.empty()) name = list.entries.front();
    g.form.control("Text3").text = name;
    s.lastpuzzlename = name;
    showControls(g, {"Text3", "File2", "Command8", "Command9"}, true);
}

void File2_Click(Game& g) {
    g.form.control("Text3").text = selectedEntry(g.form.control("File2"));
    g.s.lastpuzzlename = g.form.control("Text3").text;
}

void Command8_Click(Game& g) {
    loadPuzzle(g);
    closeLoadPanel(g);
}

void Command9_Click(Game& g) { closeLoadPanel(g); }

}  // namespace vx
