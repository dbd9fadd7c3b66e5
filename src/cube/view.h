#pragma once
#include <array>

#include "cube/key_codes.h"

namespace vx {

// Which face is in front (1..6) and how its grid lies on the screen (1..4).
struct View {
    int face = 1;
    int turn = 1;
    friend bool operator==(const View&, const View&) = default;
};

struct Square {
    int a = 0;
    int b = 0;
    friend bool operator==(const Square&, const Square&) = default;
};

// The square (a, b) that screen cell (c, r) shows of a face drawn with
// orientation o (1..4) on a cube of edge n.
constexpr Square cellToSquare(int c, int r, int o, int n) {
    switch (o) {
    case 2: return {r, n + 1 - c};
    case 3: return {n + 1 - c, n + 1 - r};
    case 4: return {n + 1 - r, c};
    default: return {c, r};
    }
}

// The inverse: the screen cell that shows square (a, b).
constexpr Square squareToCell(int a, int b, int o, int n) {
    switch (o) {
    case 2: return {n + 1 - b, a};
    case 3: return {n + 1 - a, n + 1 - b};
    case 4: return {b, n + 1 - a};
    default: return {a, b};
    }
}

// The top and right faces seen in a view, each with its own orientation.
struct SideFaces {
    View top;
    View right;
};

SideFaces sideFaces(View front);

enum class Arrow { Left = key::Left, Up = key::Up, Right = key::Right, Down = key::Down };

// The whole cube turned a quarter turn by an arrow key: the face on that side
// of the front face comes to the front.
View arrowTurn(View v, Arrow key);
// Key r: the picture turns a quarter turn counter-clockwise; key t: clockwise.
View keyR(View v);
View keyT(View v);

constexpr bool validView(View v) { return v.face >= 1 && v.face <= 6 && v.turn >= 1 && v.turn <= 4; }

}  // namespace vx
