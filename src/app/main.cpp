// vexelcube: the game in its window, or, with --script, the same game driven
// by a script with no window; --solve, --help and --version answer without
// starting either.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/solve_command.h"
#include "ui/qt/program_start.h"

int main(int argc, char** argv) {
    vx::CommandLine o = vx::parseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
    switch (o.action) {
    case vx::CommandLine::Action::Help: std::cout << vx::helpText(); return 0;
    case vx::CommandLine::Action::Version: std::cout << vx::versionText(); return 0;
    case vx::CommandLine::Action::Usage: std::cerr << "vexelcube: " << o.problem << '\n' << vx::usageLine(); return 2;
    case vx::CommandLine::Action::Solve: return vx::solveCommand(o.puzzle, std::cout, std::cerr);
    case vx::CommandLine::Action::Script:
    case vx::CommandLine::Action::Window: break;
    }
    // Started from the desktop menu: the files go to the game's own folder.
    // A script named on the command line is still found where it was named.
    if (o.dataFolder && o.script != "-" && !o.script.empty()) {
        std::error_code ec;
        const std::filesystem::path whole = std::filesystem::absolute(o.script, ec);
        if (!ec) o.script = whole.string();
    }
    const std::string refusal = o.dataFolder ? vx::enterDataFolder() : std::string();
    if (o.action == vx::CommandLine::Action::Window)
        return vx::runWindowProgram(argc, argv, refusal, vx::noDisplayText());
    if (!refusal.empty()) {
        std::cerr << "vexelcube: " << refusal << '\n';
        return 1;
    }
    std::ifstream file;
    if (o.script != "-") {
        file.open(o.script);
        if (!file) {
            std::cerr << "vexelcube: cannot read the script " << o.script << '\n';
            return 2;
        }
    }
    return vx::runScriptWithQtText(argc, argv, o.script == "-" ? std::cin : file, o.scriptOptions);
}
