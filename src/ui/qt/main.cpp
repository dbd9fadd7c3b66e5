// vexelcube: the game in its window, or, with --script, the same game driven
// by a script with no window.
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "shell/game.h"
#include "shell/handlers.h"
#include "ui/headless/script_platform.h"
#include "ui/headless/solve_command.h"
#include "ui/qt/command_line.h"
#include "ui/qt/data_folder.h"
#include "ui/qt/qt_glyphs.h"

namespace {

// Qt's own chatter (a missing runtime folder and the like) is no business of
// a script's driver: standard error carries the script's warnings only.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "vexelcube: " << message.toStdString() << '\n';
}

// What the window tells when it cannot start for want of a display, and the
// handler that Qt's messages went to before.
std::string windowRefusal;
QtMessageHandler qtMessages = nullptr;

// With no display (none named, or one that cannot be reached) Qt cannot make
// its platform and ends the program with an abort after five lines of its
// own. The player gets one line and status 1 instead, after the reason the
// game could not start in its folder, if there was one; Qt's own lines on
// the way there say nothing more and are left out.
void windowMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const std::string_view category = context.category ? context.category : "";
    const bool aboutThePlatform = message.contains(QStringLiteral("platform plugin"));
    if (type == QtFatalMsg && aboutThePlatform) {
        if (!windowRefusal.empty()) std::cerr << "vexelcube: " << windowRefusal << '\n';
        std::cerr << "vexelcube: " << vx::noDisplayText() << '\n';
        std::cerr.flush();
        std::_Exit(1);
    }
    const bool noConnection = category == "qt.qpa.xcb" && message.contains(QStringLiteral("connect to display"));
    if ((category == "qt.qpa.plugin" && aboutThePlatform) || noConnection) return;
    if (qtMessages) qtMessages(type, context, message);
}

int runScript(int argc, char** argv, const vx::CommandLine& o) {
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

int runWindow(int argc, char** argv, const std::string& refusal);

int main(int argc, char** argv) {
    vx::CommandLine o = vx::parseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
    switch (o.action) {
        case vx::CommandLine::Action::Help: std::cout << vx::helpText(); return 0;
        case vx::CommandLine::Action::Version: std::cout << vx::versionText(); return 0;
        case vx::CommandLine::Action::Usage:
            std::cerr << "vexelcube: " << o.problem << '\n' << vx::usageLine();
            return 2;
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
    if (o.action == vx::CommandLine::Action::Script) {
        if (!refusal.empty()) {
            std::cerr << "vexelcube: " << refusal << '\n';
            return 1;
        }
        return runScript(argc, argv, o);
    }
    windowRefusal = refusal;
    qtMessages = qInstallMessageHandler(windowMessages);
    return runWindow(argc, argv, refusal);
}
