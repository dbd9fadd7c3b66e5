#include "files/puzzle_name.h"

namespace vx {

std::optional<std::string> puzzleName(std::string_view boxText) {
    const std::size_t start = boxText.find_first_not_of(" \t");
    if (start == std::string_view::npos) return std::string();
    std::string_view name = boxText.substr(start);
    name = name.substr(0, name.find('.'));
    if (name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos) return std::nullopt;
    return std::string(name);
}

std::string puzzleFileName(const std::string& name) { return name + kPuzzleExtension; }

}  // namespace vx
