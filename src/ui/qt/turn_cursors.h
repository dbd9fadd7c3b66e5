#pragma once
#include <QCursor>

#include "shell/turn_cursor.h"

namespace vx {

// The mouse cursor of a kind, drawn for the screen's device-pixel ratio: a
// black arrow with a white rim (two half arrows from the middle for the
// corner kinds), its hot spot in the middle. The ordinary arrow for None.
QCursor turnCursorShape(TurnCursor kind, qreal devicePixelRatio);

}  // namespace vx
