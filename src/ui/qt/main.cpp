// vexelcube: the game in its window, or, with --script, the same game driven
// by a script with no window.
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "shell/game.h"
#include "shell/handlers.h"
#include "ui/headless/script_platform.h"
#include "ui/qt/qt_glyphs.h"

namespace {

struct Options {
    std::string script;
    vx::ScriptOptions scriptOptions;
    bool ok = true;
};

bool parseSize(std::string_view s, int& w, int& h) {
    const std::size_t x = s.find('x');
    if (x == std::string_view::npos) return false;
    const auto a = std::from_chars(s.data(), s.data() + x, w);
    const auto b = std::from_chars(s.data() + x + 1, s.data() + s.size(), h);
    return a.ec == std::errc{} && a.ptr == s.data() + x && b.ec == std::errc{} && b.ptr == s.data() + s.size() &&
           w > 0 && h > 0 && w <= 16384 && h <= 16384;
}

Options parseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--script" && hasValue) {
            o.script = argv[++i];
        } else if (arg == "--client" && hasValue) {
            o.ok = o.ok && parseSize(argv[++i], o.scriptOptions.width, o.scriptOptions.height);
        } else if (arg == "--clock" && hasValue) {
            const std::string_view v = argv[++i];
            double seconds = 0;
            const auto r = std::from_chars(v.data(), v.data() + v.size(), seconds);
            o.ok = o.ok && r.ec == std::errc{} && r.ptr == v.data() + v.size();
            o.scriptOptions.clock = seconds;
        } else {
            o.ok = false;
        }
    }
    return o;
}

// Qt's own chatter (a missing runtime folder and the like) is no business of
// a script's driver: standard error carries the script's warnings only.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "vexelcube: " << message.toStdString() << '\n';
}

int runScript(int argc, char** argv, const Options& o) {
    // Text is rendered by Qt, which needs no display for it.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietQt);
    QGuiApplication app(argc, argv);
    std::ifstream file;
    std::istream* in = &std::cin;
    if (o.script != "-") {
        file.open(o.script);
        if (!file) {
            std::cerr << "vexelcube: cannot read the script " << o.script << '\n';
            return 2;
        }
        in = &file;
    }
    vx::QtGlyphs glyphs;
    vx::ScriptPlatform platform(*in, std::cout, std::cerr, glyphs, o.scriptOptions);
    vx::Game game(platform);
    vx::Form_Activate(game);
    std::cout.flush();
    return platform.exitStatus();
}

}  // namespace

int runWindow(int argc, char** argv);

int main(int argc, char** argv) {
    const Options o = parseOptions(argc, argv);
    if (!o.ok) {
        std::cerr << "usage: vexelcube [--script FILE|- [--client WxH] [--clock SECONDS]]\n";
        return 2;
    }
    if (!o.script.empty()) return runScript(argc, argv, o);
    return runWindow(argc, argv);
}
