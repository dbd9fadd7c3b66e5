#pragma once
#include <array>
#include <string>

#include "cube/coloring.h"
#include "cube/cube.h"
#include "cube/layer_turn.h"
#include "cube/random.h"
#include "cube/view.h"
#include "history/draw_sequence.h"
#include "history/history.h"
#include "history/scramble_counters.h"
#include "render/geometry.h"
#include "render/painter.h"
#include "render/square_outline.h"

namespace vx {

// The plan the computer took on when it last started to solve: the history
// as it was, or a solution read from the colours; with the cube it was made
// for, so that a plan the replay has carried out part of goes on untouched.
struct ComputerPlan {
    enum class Source { history, colors };
    Source source = Source::history;
    int moves = 0;
    bool taken = false;
    bool readColours = false;  // the colours were read for it
    int n = 0;
    Cube cube;
    History planned;
};

// A hint on show: its notice, and the square it rings with the pixels under
// the ring (none when it asks for an arrow key).
struct HintMark {
    bool shown = false;
    std::string notice;
    SavedPixels under;
};

// What the player chose: kept in the settings file (the size as the size
// menu's tick).
struct Options {
    int pendingsize = 3;  // the size ticked in the size menu
    std::array<int, 7> facecolor = kDefaultFaceColors;
    int colorcount = 6;
    double rotationtime = 0;  // tenths of a second a computer move takes at least
    // "Shortest solution (computer reads the colors)": the computer may read
    // the colours and put a shorter solution in place of the history when it
    // starts to solve a cube.
    bool shortest = false;
};

// The cube, its history, the modes and the game.
struct Play {
    int cubesize = 3;  // N on the screen
    Cube cube;         // squarecolor, squarecopy
    View view{0, 0};   // frontface (view.face), frontturn (view.turn)
    std::array<int, 7> usedcolor = {-2, -2, -2, -2, -2, -2, -2};
    int scramblesleft = 4;  // scramble turns still owed plus one

    // The move history and the scrambler.
    History history;            // histcount and the entries
    ScrambleCounters counters;  // repeatcount, lowedgecount, highedgecount, lastface, lastcol, lastrow
    Random rnd;

    // Modes and the game.
    bool computersolves = false;
    bool onemove = false;
    bool gameon = false;
    bool drawmode = false;
    bool drawsavedsolving = false;  // the wish to solve held while draw-mode is on
    int gamescrambles = 0;
    int solvedcount = 0;
    int gamestartstate = 1;  // 1 before a game's first cube, 2 while it is played, 0 after
    bool solvewasnew = false;
    bool cubefinished = false;
    bool gamepuzzle = false;
    std::string gamepuzzlename;
    DrawSequence drawsequence;

    // The computer: the arrow key of its last whole-cube turn, whether it has
    // looked at this cube yet, and the plan it took on.
    int solverkey = 0;
    bool computerlooked = false;
    ComputerPlan computerplan;

    // Kept by the loop from pass to pass: whether the cube was solved at the
    // last check and at the one before.
    bool solvednow = true;
    bool solvedbefore = true;
};

// The main loop's own values: what a pass has to do.
struct Loop {
    bool cubeready = false;
    bool viewchanged = false;
    bool stopwaiting = false;
    bool timertick = false;
    // The pending click and the move it asks for.
    bool clickpending = false;
    float clickx = 0, clicky = 0;
    int clickbutton = 0;
    ScreenMove move;  // turnkind, clickcol, clickrow
};

// The option and file panels.
struct Panels {
    bool colorpanelused = false;
    bool panelopen = false;  // a panel is open (and shown)
    bool labelshidden = false;
    bool buttonshidden = false;
    std::string lastpuzzlename;
    // What an option panel may change, as it was when the panel opened:
    // Escape closes the panel with all of it as it was.
    struct PanelEntry {
        std::string text;  // the difficulty box
        std::array<int, 7> facecolor = kDefaultFaceColors;
        int colorcount = 6;
        std::array<bool, 14> ticked{};  // the colour boxes, in their order
    } panelentry;
};

// The picture: where the cube lies, the area of its last picture, the hint's
// ring, and the text state (the font size in points and the text colour).
struct Picture {
    Geometry geometry;
    PaintedArea lastpicture;
    HintMark hint;
    double fontsize = 9.75;
    int textcolor = 0;
};

// The game's shared values: the main loop and every handler read and write
// them, and nothing else holds state. Every value starts as the game needs it
// before the first pass of the loop.
struct GameState {
    Options options;
    Play play;
    Loop loop;
    Panels panels;
    Picture picture;
};

}  // namespace vx
