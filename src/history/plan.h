#pragma once
#include <optional>
#include <span>

#include "cube/cube.h"
#include "cube/turn_tables.h"
#include "history/convert.h"
#include "history/history.h"

namespace vx {

// A history that the computer's replay carries out as `moves`, first move
// on top. Nothing when some move has no entry.
std::optional<History> historyOfPlan(std::span<const PhysicalMove> moves, int n);

// True when carrying out the whole history, top first, leaves every face of
// one colour. The cube itself is not changed.
bool historySolves(const Cube& cube, const History& h, int n);

}  // namespace vx
