#include "files/puzzle_name.h"

namespace vx {

namespace {

// Path separators and the control characters (NUL, escape, tab, CR, DEL ...).
bool forbidden(char c) {
    const auto u = static_cast<unsigned char>(c);
    return c == '/' || c == '\\' || u < 0x20 || u == 0x7f;
}

}  // namespace

std::optional<std::string> puzzleName(std::string_view boxText) {
    const std::size_t start = boxText.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    std::string_view name = boxText.substr(start);
    for (char c : name)
        if (forbidden(c)) return std::nullopt;
    name = name.substr(0, name.find('.'));
    if (name.empty()) return std::nullopt;
    return std::string(name);
}

std::optional<std::string> puzzleNameOfFile(std::string_view fileName) {
    if (fileName.size() <= kPuzzleExtension.size() || !fileName.ends_with(kPuzzleExtension)) return std::nullopt;
    fileName.remove_suffix(kPuzzleExtension.size());
    return std::string(fileName);
}

std::string puzzleFileName(const std::string& name) { return name + std::string(kPuzzleExtension); }

}  // namespace vx
