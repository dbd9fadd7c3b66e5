#pragma once
// Runs the game in script mode in-process, through the headless platform, in
// a folder of its own (the working directory holds the settings and puzzles).
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "render/glyphs.h"
#include "support/json.h"

namespace vx::test {

struct ScriptResult {
    int status = -1;
    std::vector<std::string> lines;  // standard output
    std::string errors;              // standard error
    std::uint64_t surfaceHash = 0;   // of the drawing surface at the end
    // The `dump` lines, in order.
    std::vector<Json> dumps() const;
    Json lastDump() const;
};

// A 64-bit FNV-1a hash, going on from `h`.
std::uint64_t fnv1a(std::string_view bytes, std::uint64_t h = 0xcbf29ce484222325ull);

class ScriptFolder {
public:
    // A fresh folder, holding `settings` as the settings file unless empty.
    explicit ScriptFolder(const std::string& settings = "");
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
    // The same with texts from `glyphs`.
    ScriptResult run(const std::string& script, std::vector<std::string> args, GlyphSource& glyphs) const;

private:
    std::filesystem::path path_;
};

}  // namespace vx::test
