#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The puzzle files of the working directory, as the file lists show them:
// the regular files (or links to one) whose names end in ".cube", each name
// whole with its extension, sorted. Anything that cannot be listed is left
// out. Every name listed can be loaded by that name.
std::vector<std::string> puzzleFiles();

// True when `fileName` is a name puzzleFiles would list now.
bool isPuzzleFile(std::string_view fileName);

}  // namespace vx
