#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vx {

inline constexpr const char* kPuzzleExtension = ".cube";

// The puzzle name a name box holds: its text without leading blanks, up to
// but not including its first "." ("my.cube" and "my" both give "my"; ".x"
// gives "", which names the file ".cube"). Nothing for a name holding a path
// separator ('/' or '\\') or a NUL character: puzzles are only ever read
// from and written to the working directory.
std::optional<std::string> puzzleName(std::string_view boxText);

// The file a puzzle is kept in: name + ".cube".
std::string puzzleFileName(const std::string& name);

}  // namespace vx
