#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// Far more than any file of the game: a 20-cube puzzle with a history of a
// million turns is about 18 MB.
inline constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

enum class ReadStatus {
    Ok,
    Missing,       // no file of that name
    NotRegular,    // a folder, a device, a pipe
    TooLarge,      // more than the reader's limit
    NoPermission,  // the file may not be read
    Failed,        // any other error of the system
};

struct FileText {
    ReadStatus status = ReadStatus::Failed;
    std::string text;  // the whole file, when status is Ok
    bool ok() const { return status == ReadStatus::Ok; }
};

// The whole of a regular file of at most maxBytes, or why not.
FileText readTextFile(const std::filesystem::path& path, std::size_t maxBytes = kMaxFileBytes);

// Why `file` could not be read, as one sentence for the player
// ("x.cube is not a regular file."); empty for Ok.
std::string readProblem(ReadStatus status, std::string_view file);

enum class WriteStatus {
    Ok,
    CannotCreate,    // no temporary file could be made in the target's folder
    FolderReadOnly,  // the folder (or the disk) may not be written
    DiskFull,        // no room left on the disk, or the owner's quota is used up
    CannotWrite,     // writing or flushing the temporary file failed otherwise
    NotAFile,        // a folder stands where the file should go
    CannotReplace,   // the temporary file could not be renamed over the target
    ReadOnly,        // the target is a file its owner may not write: it is kept
};

// Why a file was not saved, as the end of a sentence for the player ("the
// disk is full", "it is read-only"); empty for Ok.
std::string writeProblem(WriteStatus status);

// Replaces a file whole: the bytes go to a temporary file in the same folder,
// which is flushed to the disk and then renamed over the target. On any
// failure the temporary file is removed and the old file is left exactly as
// it was, so a failed save never destroys what was there. A replaced file
// keeps its permission bits; a file without its owner's write permission is
// not replaced. A symbolic link is not followed: the link itself is replaced
// by the new file, and the file it named stays as it was.
[[nodiscard]] WriteStatus writeFileReplacing(const std::filesystem::path& path, std::string_view bytes);

// Removes what saves killed before their rename left behind in `folder`:
// regular files named as writeFileReplacing names its temporary files
// (".NAME.tmpDIGITS") for a NAME that `ownTarget` accepts, and last changed
// more than a minute ago, so that a save still under way is never touched.
void removeStaleTemporaries(const std::filesystem::path& folder, bool (*ownTarget)(std::string_view name));

}  // namespace vx
