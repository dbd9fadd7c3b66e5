#pragma once
// Where the side panel's parts stand on the drawing surface, both corners of
// each box included: the drawing and the mouse read them from here. The
// right-hand "Solved Cube!" is given as it stands in a window 800 pixels
// wide; `rightSolvedArea` and `rightSolvedBand` place it for a width.
#include <algorithm>

namespace vx {

struct SideBox {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    constexpr bool holds(double x, double y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
    constexpr SideBox shifted(int dx) const { return {x1 + dx, y1, x2 + dx, y2}; }
};

// The mode panel: the hint about "b" above the two boxes, all cleared with it.
inline constexpr SideBox kModePanelArea{0, 0, 200, 200};
inline constexpr SideBox kUserSolvesBox{32, 32, 113, 65};
inline constexpr SideBox kComputerSolvesBox{32, 96, 113, 129};
inline constexpr int kHintLeft = 10, kHintTop = 140;

// "Solved Cube!" beside the cube: the text on a green band in an area that
// is cleared with it (the black above and below the band cuts off what of
// the large text lies outside it). The text begins two rows into its band.
inline constexpr SideBox kLeftSolvedArea{7, 255, 208, 355};
inline constexpr SideBox kLeftSolvedBand{8, 288, 201, 329};
inline constexpr SideBox kRightSolvedArea800{591, 167, 792, 267};
inline constexpr SideBox kRightSolvedBand800{592, 200, 785, 241};
inline constexpr int kSolvedTextDown = 2;

// The side panel's texts and controls lie left of this column: the cube's
// picture never reaches it.
inline constexpr int kSidePanelRight = 219;

// How far right of its place at 800 pixels the right-hand text stands in a
// client area `width` wide: as far as the middle of a wider area moved (the
// cube moves with it), and in a narrower one as far left as keeps it inside
// the width with the margin it has at 800.
constexpr int rightSolvedShift(int width) { return std::min(std::max(0, width / 2 - 400), width - 800); }
constexpr SideBox rightSolvedArea(int width) { return kRightSolvedArea800.shifted(rightSolvedShift(width)); }
constexpr SideBox rightSolvedBand(int width) { return kRightSolvedBand800.shifted(rightSolvedShift(width)); }

}  // namespace vx
