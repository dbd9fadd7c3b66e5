#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vx {

inline constexpr const char* kPuzzleExtension = ".cube";

// The puzzle name a name box holds: its text without leading blanks, up to
// but not including its first "." ("my.cube" and "my" both give "my").
// Nothing for a text whose name is empty once cut (".x", ".", " ") or that
// holds a path separator ('/' or '\\') or a control character anywhere:
// puzzles are only ever read from and written to the working directory, and
// every file a save writes is one the load panel lists.
std::optional<std::string> puzzleName(std::string_view boxText);

// The file a puzzle is kept in: name + ".cube".
std::string puzzleFileName(const std::string& name);

}  // namespace vx
