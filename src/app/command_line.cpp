#include "app/command_line.h"

#include <array>
#include <charconv>

#ifndef VEXELCUBE_VERSION
#define VEXELCUBE_VERSION "unknown"
#endif

namespace vx {

namespace {

bool parseSize(std::string_view s, int& w, int& h) {
    const std::size_t x = s.find('x');
    if (x == std::string_view::npos) return false;
    const auto a = std::from_chars(s.data(), s.data() + x, w);
    const auto b = std::from_chars(s.data() + x + 1, s.data() + s.size(), h);
    return a.ec == std::errc{} && a.ptr == s.data() + x && b.ec == std::errc{} && b.ptr == s.data() + s.size() &&
           w > 0 && h > 0 && w <= 16384 && h <= 16384;
}

bool parseSeconds(std::string_view s, double& seconds) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), seconds);
    return r.ec == std::errc{} && r.ptr == s.data() + s.size();
}

struct OptionHelp {
    std::string_view option, text;
};

// One entry an option, in the order --help lists them; options that print
// and exit (--solve FILE.cube) go before --help, with their action above.
constexpr std::array kOptions = {
    OptionHelp{"--data-folder",
               "keep the settings and puzzles in the game's own folder,\n"
               "$XDG_DATA_HOME/vexelcube or ~/.local/share/vexelcube\n"
               "(made when missing), instead of the working directory;\n"
               "the desktop menu starts the game this way"},
    OptionHelp{"--script FILE",
               "play the script FILE (- for standard input) with no\n"
               "window: the script mode, described in vexelcube(6)"},
    OptionHelp{"--client WxH", "with --script: the drawing surface's size (800x560)"},
    OptionHelp{"--clock SECONDS",
               "with --script: the clock that seeds the random numbers,\n"
               "in seconds since midnight (default: the time of day)"},
    OptionHelp{"--solve FILE.cube",
               "print a short solution for the puzzle file in cubing\n"
               "notation (R U' 2R F2, face 1 in front, face 2 on top)\n"
               "and exit; the puzzle's history is not used"},
    OptionHelp{"--help", "print this help and exit"},
    OptionHelp{"--version", "print the version and exit"},
};

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string_view>& args) {
    CommandLine c;
    const auto wrong = [&c](std::string problem) {
        c.action = CommandLine::Action::Usage;
        c.problem = std::move(problem);
        return c;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "--version") {
            c.action = arg == "--help" ? CommandLine::Action::Help : CommandLine::Action::Version;
            return c;
        }
        if (arg == "--data-folder") {
            c.dataFolder = true;
            continue;
        }
        const bool takesValue = arg == "--script" || arg == "--client" || arg == "--clock" || arg == "--solve";
        if (!takesValue) return wrong("unknown option " + std::string(arg));
        if (i + 1 == args.size()) return wrong(std::string(arg) + " needs a value");
        const std::string_view value = args[++i];
        if (arg == "--script") {
            c.script = value;
            c.action = CommandLine::Action::Script;
        } else if (arg == "--solve") {
            c.puzzle = value;
            c.action = CommandLine::Action::Solve;
        } else if (arg == "--client") {
            if (!parseSize(value, c.scriptOptions.width, c.scriptOptions.height))
                return wrong("--client takes WIDTHxHEIGHT, not " + std::string(value));
        } else {
            double seconds = 0;
            if (!parseSeconds(value, seconds)) return wrong("--clock takes a number, not " + std::string(value));
            c.scriptOptions.clock = seconds;
        }
    }
    return c;
}

std::string usageLine() {
    return "usage: vexelcube [--data-folder] [--script FILE|- [--client WxH] [--clock SECONDS]] [--solve FILE.cube] "
           "[--help] [--version]\n";
}

std::string helpText() {
    std::string s =
        "Usage: vexelcube [OPTION]...\n"
        "Vexel-cube: turn, scramble and solve twisty cubes from 2 x 2 x 2 up to\n"
        "20 x 20 x 20, in a window (or, with --script, driven by a script).\n"
        "\n";
    constexpr std::size_t kColumn = 20;
    for (const OptionHelp& o : kOptions) {
        std::string_view text = o.text;
        std::string first(o.option);
        first.resize(kColumn, ' ');
        s += "  " + first;
        for (std::size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1))
            s += std::string(text.substr(0, end)) + "\n  " + std::string(kColumn, ' ');
        s += std::string(text) + "\n";
    }
    s += "\n"
         "Files: vexelcz.settings (the saved settings) and NAME.cube (saved\n"
         "puzzles), in the working directory, or with --data-folder in the game's\n"
         "own folder.\n"
         "\n"
         "Exit status: 0 when the game is closed or the script ends, or --solve\n"
         "printed a solution; 1 when the data folder cannot be made or entered,\n"
         "no display can be opened for the window, or the puzzle of --solve has\n"
         "no solution; 2 for a wrong command line, an unreadable script, a puzzle\n"
         "file the game refuses (the reason on standard error) or a wrong script\n"
         "line; 3 when a script's settle does not settle.\n"
         "\n"
         "The manual: man 6 vexelcube\n";
    return s;
}

std::string noDisplayText() {
    return "no display could be opened for the window; --script and --solve work without one";
}

std::string versionText() { return "vexelcube " VEXELCUBE_VERSION "\n"; }

}  // namespace vx
