#pragma once
#include <optional>
#include <span>

#include "cube/cube.h"
#include "cube/turn_tables.h"
#include "history/history.h"

namespace vx {

// The physical turn that the computer makes when it carries out entry `e`
// (from whichever view it makes it); nothing for an entry that names no turn.
std::optional<PhysicalMove> turnOfEntry(const HistEntry& e, int n);

// The entry whose turn is `m`; nothing when no click can make that turn (a
// move of the whole cube, or one outside the cube).
std::optional<HistEntry> entryOfTurn(const PhysicalMove& m, int n);

// A history that the computer's replay carries out as `moves`, first move
// on top. Nothing when some move has no entry.
std::optional<History> historyOfPlan(std::span<const PhysicalMove> moves, int n);

// True when carrying out the whole history, top first, leaves every face of
// one colour. The cube itself is not changed.
bool historySolves(const Cube& cube, const History& h, int n);

}  // namespace vx
