#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vx {

inline constexpr std::string_view kPuzzleExtension = ".cube";

// The puzzle name a player types for a new puzzle: the text without leading
// blanks, up to but not including its first "." ("abc.def" and "abc" both
// give "abc"). Nothing for a text whose name is empty once cut (".x", ".",
// " ") or that holds a path separator ('/' or '\\') or a control character
// anywhere (a tab too, also a leading one): puzzles are only ever read from
// and written to the working directory, and every file a save writes is one
// the load panel lists.
std::optional<std::string> puzzleName(std::string_view boxText);

// The name of the puzzle a file of the folder holds: the whole file name
// without its ".cube" ("x.v2.cube" gives "x.v2", " lead.cube" gives
// " lead"), so that a name picked from a list names that very file.
// Nothing for a file name that does not end in ".cube" after at least one
// character.
std::optional<std::string> puzzleNameOfFile(std::string_view fileName);

// The file a puzzle is kept in: name + ".cube".
std::string puzzleFileName(const std::string& name);

}  // namespace vx
