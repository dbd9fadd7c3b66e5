#include "files/puzzle_folder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/puzzle_name.h"

namespace vx {

namespace fs = std::filesystem;

std::vector<std::string> puzzleFiles() {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(".", ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code typeError;
        if (!puzzleNameOfFile(name) || !it->is_regular_file(typeError)) continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool isPuzzleFile(std::string_view fileName) {
    if (!puzzleNameOfFile(fileName) || fileName.find('/') != std::string_view::npos) return false;
    std::error_code ec;
    return fs::is_regular_file(fs::path(fileName), ec);
}

}  // namespace vx
