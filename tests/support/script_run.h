#pragma once
// Runs the game in script mode in a folder of its own (the working directory
// holds the settings and puzzle files): in-process through the headless
// platform, or as the real program for what only it can show.
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

    // Runs the script in-process with a fixed clock unless `args` says
    // otherwise (--clock S, --client WxH).
    ScriptResult run(const std::string& script, std::vector<std::string> args = {"--clock", "1000"}) const;
    // Runs the program itself with these arguments and standard input.
    ScriptResult runProgram(const std::string& program, const std::string& stdinText,
                            std::vector<std::string> args) const;

private:
    std::filesystem::path path_;
};

}  // namespace vx::test
