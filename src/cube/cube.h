#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "cube/turn_tables.h"

namespace vx {

inline constexpr int kMinCubeSize = 2;
inline constexpr int kMaxCubeSize = 20;

// The colours of all squares, `squarecolor`(a, b, f), and the snapshot
// `squarecopy`(a, b, f) that every turn takes before it moves squares.
// Both keep the form's fixed bounds 0..25 x 0..25 x 0..7, so a square that was
// never written reads as 0 and a short puzzle file leaves the squares it did
// not reach exactly as they were.
//
// A turn needs the whole snapshot only in principle: it differs from the
// colours just on the squares the previous turn moved. The cube therefore
// refreshes only those before each turn, which keeps `squarecopy` exact at
// every moment at the cost of the moved squares alone.
class Cube {
public:
    static constexpr int kBound = 26;

    int squarecolor(int a, int b, int f) const { return color_[index(a, b, f)]; }
    int squarecopy(int a, int b, int f) const { return copy_[index(a, b, f)]; }
    void setSquarecolor(int a, int b, int f, int colour);
    void setSquarecopy(int a, int b, int f, int colour);

    // A quarter turn of one slab (a layer turn), or of the whole cube, for a
    // cube of edge `n`: takes the snapshot, then moves the squares.
    void turn(const PhysicalMove& move, int n);
    void turnWhole(int axis, int quarter, int n);

    // True when every face 1..6 is of one colour on an n-cube.
    bool solved(int n) const;

    static constexpr int index(int a, int b, int f) { return (f * kBound + b) * kBound + a; }

private:
    void takeSnapshot();
    void move(std::span<const SquarePair> pairs);
    const TurnTables& tables(int n);

    std::array<std::uint8_t, 8 * kBound * kBound> color_{};
    std::array<std::uint8_t, 8 * kBound * kBound> copy_{};
    // Where the snapshot may lag behind the colours: the squares the last turn
    // wrote, or everywhere after a direct write.
    std::span<const SquarePair> lastMoved_{};
    bool snapshotStale_ = true;
    std::shared_ptr<const TurnTables> tables_;
};

}  // namespace vx
