#pragma once
// What the program is asked to do by its command line. Toolkit-free, so that
// --help and --version answer without starting Qt.
#include <string>
#include <string_view>
#include <vector>

#include "ui/headless/script_platform.h"

namespace vx {

struct CommandLine {
    enum class Action { Window, Script, Solve, Help, Version, Usage };
    Action action = Action::Window;
    std::string script;           // --script FILE ("-": standard input)
    ScriptOptions scriptOptions;  // --client, --clock
    std::string puzzle;           // --solve FILE.cube
    bool dataFolder = false;      // --data-folder
    std::string problem;          // for Action::Usage: what is wrong
};

CommandLine parseCommandLine(const std::vector<std::string_view>& args);

// The texts of --help and --version, and the one-line reminder after a wrong
// command line.
std::string helpText();
std::string versionText();
std::string usageLine();
// Why the window did not open when there is no display to open it on.
std::string noDisplayText();

}  // namespace vx
