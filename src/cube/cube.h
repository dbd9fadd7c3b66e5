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
// After a turn the snapshot is simply the colours with that turn undone, so
// a turn only moves its own squares and remembers which ones it moved; the
// snapshot is read back through that list (and written out in full only when
// a square is set directly). Turns stay as cheap as the squares they move.
class Cube {
public:
    static constexpr int kBound = 26;

    int squarecolor(int a, int b, int f) const { return color_[index(a, b, f)]; }
    int squarecopy(int a, int b, int f) const;
    void setSquarecolor(int a, int b, int f, int colour);
    void setSquarecopy(int a, int b, int f, int colour);

    // A quarter turn of one slab (a layer turn), or of the whole cube, for a
    // cube of edge `n`: takes the snapshot, then moves the squares.
    void turn(const PhysicalMove& m, int n) { move(tables(n).layer(m)); }
    void turnWhole(int axis, int quarter, int n);

    // Works out the turns of an n-cube now rather than at the first turn.
    // Copies of a cube share them.
    void prepare(int n) { tables(n); }

    // True when every face 1..6 is of one colour on an n-cube.
    bool solved(int n) const;
    // True when every square of an n-cube has the same colour in `other`.
    bool sameSquares(const Cube& other, int n) const;

    static constexpr int index(int a, int b, int f) { return (f * kBound + b) * kBound + a; }

private:
    void keepSnapshot();
    void move(std::span<const SquareCycle> cycles);
    const TurnTables& tables(int n) {
        if (!tables_ || tables_->size() != n) newTables(n);
        return *tables_;
    }
    void newTables(int n);

    std::array<std::uint8_t, 8 * kBound * kBound> color_{};
    // The snapshot, when no turn has been made since it was last set.
    std::array<std::uint8_t, 8 * kBound * kBound> copy_{};
    // The squares the last turn moved; the snapshot is then the colours with
    // these moves undone, and copy_ is not used.
    std::span<const SquareCycle> lastMoved_{};
    std::shared_ptr<const TurnTables> tables_;
};

}  // namespace vx
