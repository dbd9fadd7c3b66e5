#pragma once

namespace vx {

struct Game;

// Start-up reads the settings file once, before the first cube is built. A
// missing file leaves the defaults in force.
void readSettingsAtStartUp(Game& g);

}  // namespace vx
