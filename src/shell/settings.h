#pragma once

namespace vx {

struct Game;

// Start-up reads the settings file once, before the first cube is built. A
// missing file leaves the defaults in force.
void readSettingsAtStartUp(Game& g);

// Clears the working directory of the temporary files that killed saves of
// puzzles or settings left behind; done at start-up and on every save.
void removeStaleSaves();

}  // namespace vx
