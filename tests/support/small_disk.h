#pragma once
// A full disk to save on: a tmpfs of 16 KB mounted on a folder while the
// object lasts, where the system lets the tests mount one (as root).
#include <cstdlib>
#include <filesystem>
#include <string>

namespace vx::test {

class SmallDisk {
public:
    explicit SmallDisk(const std::filesystem::path& folder) : folder_(folder) {
        std::filesystem::create_directories(folder);
        const std::string mount = "mount -t tmpfs -o size=16k tmpfs '" + folder.string() + "' 2>/dev/null";
        mounted_ = std::system(mount.c_str()) == 0;
    }
    ~SmallDisk() {
        if (!mounted_) return;
        const int status = std::system(("umount '" + folder_.string() + "'").c_str());
        static_cast<void>(status);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return mounted_; }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

}  // namespace vx::test
