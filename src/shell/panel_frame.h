#pragma once
#include <initializer_list>

#include "shell/form.h"

namespace vx {

struct Game;

// The steps every option and file panel shares. Opening hides the side panel
// and disables the menu items that open panels; closing undoes that. Closing
// comes in two halves: the panel's own steps run between them.
void openPanel(Game& g);
void closePanel(Game& g);
void finishClosingPanel(Game& g);

// Shows or hides a group of controls.
void showControls(Game& g, std::initializer_list<ControlId> ids, bool visible);

}  // namespace vx
