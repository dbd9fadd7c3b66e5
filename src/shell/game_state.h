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

// The game's shared values: the main loop and every handler read and write
// them, and nothing else holds state. Every value starts as the game needs it
// before the first pass of the loop; flags are 0 or 1 and tested as the
// handlers state them.
struct GameState {
    // The cube and the view.
    int cubesize = 3;               // N on the screen
    int pendingsize = 3;            // the size ticked in the size menu
    std::array<int, 7> facecolor = kDefaultFaceColors;
    std::array<int, 7> usedcolor = {-2, -2, -2, -2, -2, -2, -2};
    Cube cube;                      // squarecolor, squarecopy
    View view{0, 0};                // frontface (view.face), frontturn (view.turn)

    // Where the cube lies on the screen, and the area of its last picture.
    Geometry geometry;
    PaintedArea lastpicture;

    // Main-loop control.
    int cubeready = 0;
    int viewchanged = 0;
    int stopwaiting = 0;
    int timertick = 0;
    int scramblesleft = 4;          // scramble turns still owed plus one
    double rotationtime = 0;        // tenths of a second a computer move takes at least

    // The pending click and the move it asks for.
    int clickpending = 0;
    float clickx = 0, clicky = 0;
    int clickbutton = 0;
    ScreenMove move;                // turnkind, clickcol, clickrow

    // Modes and the game.
    int computersolves = 0;
    int onemove = 0;
    int gameon = 0;
    int drawmode = 0;
    int drawsavedsolving = 0;       // the wish to solve held while draw-mode is on
    int gamescrambles = 0;
    int solvedcount = 0;
    int gamestartstate = 1;
    int solvewasnew = 0;
    int cubefinished = 0;
    int gamepuzzle = 0;
    std::string gamepuzzlename;

    // The move history and the scrambler.
    History history;                // histcount and the entries
    ScrambleCounters counters;      // repeatcount, lowedgecount, highedgecount, lastface, lastcol, lastrow
    int solverkey = 0;
    Random rnd;

    // The computer's plan: with `shortest` ticked it may read the colours
    // and put a shorter solution in place of the history when it starts to
    // solve a cube (`computerlooked` 0: it has not looked at this one yet).
    int shortest = 0;
    int computerlooked = 0;
    ComputerPlan computerplan;

    // The option and file panels.
    int colorcount = 6;
    int colorpanelused = 0;
    int panelopen = 0;
    int panelshown = 0;
    int labelshidden = 0;
    int buttonshidden = 0;
    std::string lastpuzzlename;
    // What an option panel may change, as it was when the panel opened:
    // Escape closes the panel with all of it as it was.
    struct PanelEntry {
        std::string text;                            // the difficulty box
        std::array<int, 7> facecolor = kDefaultFaceColors;
        int colorcount = 6;
        std::array<bool, 14> ticked{};               // the colour boxes, in their order
    } panelentry;

    // Kept by the loop from pass to pass.
    int solvednow = 0;              // 0 = solved, 1 = not solved
    int solvedbefore = 0;
    DrawSequence drawsequence;

    // The window's text state: the font size in points and the text colour.
    double fontsize = 9.75;
    int textcolor = 0;
};

}  // namespace vx
