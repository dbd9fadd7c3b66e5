#pragma once
// The game's own folder for its settings and puzzles, for a game started from
// the desktop menu, where the working directory is whatever the desktop
// chose (mostly the home folder).
#include <filesystem>
#include <optional>
#include <string>

namespace vx {

// $XDG_DATA_HOME/vexelcube, or ~/.local/share/vexelcube when XDG_DATA_HOME is
// unset, empty or not an absolute path (as the XDG base directory rules
// say). `xdgDataHome` and `home` are the variables' values, null when unset.
// Nothing when there is no home folder to go by.
std::optional<std::filesystem::path> dataFolderPath(const char* xdgDataHome, const char* home);

// Makes the folder when it is missing (the folders it makes are the owner's
// alone) and makes it the working directory. An empty text on success, else
// what went wrong, for the player.
std::string enterDataFolder(const std::filesystem::path& folder);

// Both, from the environment.
std::string enterDataFolder();

}  // namespace vx
