#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// The whole of a file, or nothing when it cannot be opened, is not a regular
// file (a folder, a device, a pipe) or is larger than maxBytes.
std::optional<std::string> readTextFile(const std::filesystem::path& path,
                                        std::size_t maxBytes = 64 << 20);

enum class WriteStatus {
    Ok,
    CannotCreate,   // no temporary file could be made in the target's folder
    CannotWrite,    // writing or flushing the temporary file failed
    CannotReplace,  // the temporary file could not be renamed over the target
    ReadOnly,       // the target is a file its owner may not write: it is kept
};

// Replaces a file whole: the bytes go to a temporary file in the same folder,
// which is flushed to the disk and then renamed over the target. On any
// failure the temporary file is removed and the old file is left exactly as
// it was, so a failed save never destroys what was there. A replaced file
// keeps its permission bits; a file without its owner's write permission is
// not replaced. A symbolic link is not followed: the link itself is replaced
// by the new file, and the file it named stays as it was.
[[nodiscard]] WriteStatus writeFileReplacing(const std::filesystem::path& path,
                                             std::string_view bytes);

// Removes what saves killed before their rename left behind in `folder`:
// regular files named as writeFileReplacing names its temporary files
// (".NAME.tmpDIGITS") for a NAME that `ownTarget` accepts, and last changed
// more than a minute ago, so that a save still under way is never touched.
void removeStaleTemporaries(const std::filesystem::path& folder, bool (*ownTarget)(std::string_view name));

}  // namespace vx
