#pragma once
// Runs the vexelcube program in script mode, the way an outside driver does,
// in a folder of its own (the working directory holds the settings and
// puzzle files).
#include <filesystem>
#include <string>
#include <vector>

#include "support/json.h"

namespace vx::test {

struct ScriptResult {
    int status = -1;
    std::vector<std::string> lines;  // standard output
    std::string errors;              // standard error
    // The `dump` lines, in order.
    std::vector<Json> dumps() const;
    Json lastDump() const;
};

class ScriptFolder {
public:
    ScriptFolder();
    ~ScriptFolder();
    ScriptFolder(const ScriptFolder&) = delete;
    ScriptFolder& operator=(const ScriptFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

    // Runs the script with a fixed clock unless `args` says otherwise.
    ScriptResult run(const std::string& script, std::vector<std::string> args = {"--clock", "1000"}) const;

private:
    std::filesystem::path path_;
};

}  // namespace vx::test
