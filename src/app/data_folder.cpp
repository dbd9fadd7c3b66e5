#include "app/data_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace vx {

namespace {

bool usable(const char* value) { return value && value[0] == '/'; }

std::string failure(const std::filesystem::path& folder, const std::string& what, int error) {
    return "cannot " + what + " the game's folder " + folder.string() + ": " + std::strerror(error);
}

}  // namespace

std::optional<std::filesystem::path> dataFolderPath(const char* xdgDataHome, const char* home) {
    if (usable(xdgDataHome)) return std::filesystem::path(xdgDataHome) / "vexelcube";
    if (!usable(home)) {
        // No usable HOME: the account's home folder.
        const passwd* account = getpwuid(getuid());
        home = account ? account->pw_dir : nullptr;
        if (!usable(home)) return std::nullopt;
    }
    return std::filesystem::path(home) / ".local" / "share" / "vexelcube";
}

std::string enterDataFolder(const std::filesystem::path& folder) {
    // Each missing folder on the way is made, mode 0700.
    std::filesystem::path partial;
    for (const std::filesystem::path& part : folder.lexically_normal()) {
        partial /= part;
        if (mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return failure(folder, "make", errno);
    }
    struct stat st {};
    if (stat(folder.c_str(), &st) != 0) return failure(folder, "make", errno);
    if (!S_ISDIR(st.st_mode)) return failure(folder, "make", ENOTDIR);
    if (chdir(folder.c_str()) != 0) return failure(folder, "enter", errno);
    return {};
}

std::string enterDataFolder() {
    const std::optional<std::filesystem::path> folder =
        dataFolderPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!folder) return "cannot find the game's folder: neither XDG_DATA_HOME nor HOME names a folder";
    return enterDataFolder(*folder);
}

}  // namespace vx
