#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <system_error>

namespace vx {
namespace {

namespace fs = std::filesystem;

// A temporary file is named ".NAME.tmpDIGITS" after the file NAME it replaces.
constexpr std::string_view kTemporaryMark = ".tmp";

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now; false when the close reports an error (a late write error).
    bool close() {
        if (fd_ < 0) return true;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

struct TemporaryFile {
    fs::path path;
    int fd = -1;
    int error = 0;  // errno of the last attempt, when no file was made
};

// A new file beside the target, made with O_EXCL so it never takes over a
// file that is already there. Its name does not end in ".cube", so the
// puzzle lists never show it.
TemporaryFile createTemporary(const fs::path& target) {
    std::random_device entropy;
    const fs::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = folder / ("." + target.filename().string() + std::string(kTemporaryMark) +
                                             std::to_string(entropy() % 1000000000u));
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return {candidate, fd, 0};
        if (errno != EEXIST) return {{}, -1, errno};
    }
    return {{}, -1, EEXIST};
}

bool diskFull(int error) { return error == ENOSPC || error == EDQUOT; }
bool writeProtected(int error) { return error == EACCES || error == EPERM || error == EROFS; }

WriteStatus createFailure(int error) {
    if (diskFull(error)) return WriteStatus::DiskFull;
    if (writeProtected(error)) return WriteStatus::FolderReadOnly;
    return WriteStatus::CannotCreate;
}

// Makes a finished rename last through a crash; a failure here changes
// nothing that the rename has not already done, so it is not reported.
void flushFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The target's name when `name` is one of the temporary names below.
std::optional<std::string_view> temporaryTarget(std::string_view name) {
    if (name.size() < 2 || name.front() != '.') return std::nullopt;
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string_view::npos || mark < 2) return std::nullopt;
    const std::string_view digits = name.substr(mark + kTemporaryMark.size());
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    return name.substr(1, mark - 1);
}

}  // namespace

void removeStaleTemporaries(const fs::path& folder, bool (*ownTarget)(std::string_view name)) {
    const auto oldest = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::optional<std::string_view> target = temporaryTarget(name);
        if (!target || !ownTarget(*target)) continue;
        std::error_code fileError;
        if (!it->is_regular_file(fileError) || it->is_symlink(fileError)) continue;
        const auto changed = it->last_write_time(fileError);
        if (fileError || changed > oldest) continue;
        fs::remove(it->path(), fileError);
    }
}

FileText readTextFile(const fs::path& path, std::size_t maxBytes) {
    // O_NONBLOCK so that a pipe with the file's name cannot hang the game.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        if (errno == ENOENT || errno == ENOTDIR) return {ReadStatus::Missing, {}};
        return {errno == EACCES || errno == EPERM ? ReadStatus::NoPermission : ReadStatus::Failed, {}};
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return {ReadStatus::Failed, {}};
    if (!S_ISREG(info.st_mode)) return {ReadStatus::NotRegular, {}};
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) return {ReadStatus::TooLarge, {}};

    std::string text;
    text.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    // The file may grow or shrink while it is read: read to its end, but
    // never past maxBytes.
    for (;;) {
        if (filled == text.size()) {
            if (text.size() > maxBytes) return {ReadStatus::TooLarge, {}};
            text.resize(text.size() + 4096);
        }
        const ssize_t got = ::read(fd.get(), text.data() + filled, text.size() - filled);
        if (got < 0) {
            if (errno == EINTR) continue;
            return {errno == EACCES || errno == EPERM ? ReadStatus::NoPermission : ReadStatus::Failed, {}};
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled > maxBytes) return {ReadStatus::TooLarge, {}};
    text.resize(filled);
    return {ReadStatus::Ok, std::move(text)};
}

std::string readProblem(ReadStatus status, std::string_view file) {
    const std::string name(file);
    switch (status) {
    case ReadStatus::Ok: return {};
    case ReadStatus::Missing: return "There is no file " + name + ".";
    case ReadStatus::NotRegular: return name + " is not a regular file.";
    case ReadStatus::TooLarge: return name + " is too large to be a file of the game.";
    case ReadStatus::NoPermission: return name + " may not be read (no permission).";
    case ReadStatus::Failed: break;
    }
    return name + " could not be read.";
}

std::string writeProblem(WriteStatus status) {
    switch (status) {
    case WriteStatus::Ok: return {};
    case WriteStatus::ReadOnly: return "it is read-only";
    case WriteStatus::DiskFull: return "the disk is full";
    case WriteStatus::FolderReadOnly: return "the folder may not be written";
    case WriteStatus::NotAFile: return "a folder has its name";
    case WriteStatus::CannotCreate: return "no new file could be made in the folder";
    case WriteStatus::CannotWrite: return "writing it failed";
    case WriteStatus::CannotReplace: break;
    }
    return "the old file could not be replaced";
}

WriteStatus writeFileReplacing(const fs::path& path, std::string_view bytes) {
    // The file itself, never what a symbolic link names: the rename then
    // replaces the link, and nothing outside the folder is touched.
    const fs::path& target = path;
    struct stat old {};
    const bool found = ::lstat(target.c_str(), &old) == 0;
    if (found && S_ISDIR(old.st_mode)) return WriteStatus::NotAFile;
    const bool existing = found && S_ISREG(old.st_mode);
    // A file the player marked read-only is kept.
    if (existing && (old.st_mode & S_IWUSR) == 0) return WriteStatus::ReadOnly;
    TemporaryFile temp = createTemporary(target);
    if (temp.fd < 0) return createFailure(temp.error);
    Descriptor fd(temp.fd);
    const auto fail = [&](WriteStatus status) {
        fd.close();
        ::unlink(temp.path.c_str());
        return status;
    };

    // The replacement keeps the permissions of the file it replaces.
    if (existing) ::fchmod(fd.get(), old.st_mode & 07777);

    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.close())
        return fail(diskFull(errno) ? WriteStatus::DiskFull : WriteStatus::CannotWrite);
    if (::rename(temp.path.c_str(), target.c_str()) != 0) {
        const int error = errno;
        return fail(error == EISDIR         ? WriteStatus::NotAFile
                    : writeProtected(error) ? WriteStatus::FolderReadOnly
                                            : WriteStatus::CannotReplace);
    }
    flushFolder(target.parent_path());
    return WriteStatus::Ok;
}

}  // namespace vx
