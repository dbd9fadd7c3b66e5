#include "ui/qt/program_start.h"

#include <cstdlib>
#include <iostream>
#include <string_view>

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include "shell/game.h"
#include "shell/handlers.h"
#include "ui/qt/qt_glyphs.h"

int runWindow(int argc, char** argv, const std::string& refusal);

namespace vx {
namespace {

// Qt's own chatter (a missing runtime folder and the like) is no business of
// a script's driver: standard error carries the script's warnings only.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "vexelcube: " << message.toStdString() << '\n';
}

// What the window tells when it cannot start for want of a display, and the
// handler that Qt's messages went to before.
std::string windowRefusal;
std::string noDisplayLine;
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
        std::cerr << "vexelcube: " << noDisplayLine << '\n';
        std::cerr.flush();
        std::_Exit(1);
    }
    const bool noConnection = category == "qt.qpa.xcb" && message.contains(QStringLiteral("connect to display"));
    if ((category == "qt.qpa.plugin" && aboutThePlatform) || noConnection) return;
    if (qtMessages) qtMessages(type, context, message);
}

}  // namespace

int runScriptWithQtText(int argc, char** argv, std::istream& in, const ScriptOptions& options) {
    // Text is rendered by Qt, which needs no display for it.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietQt);
    QGuiApplication app(argc, argv);
    QtGlyphs glyphs;
    ScriptPlatform platform(in, std::cout, std::cerr, glyphs, options);
    Game game(platform);
    Form_Activate(game);
    std::cout.flush();
    return platform.exitStatus();
}

int runWindowProgram(int argc, char** argv, const std::string& refusal, const std::string& noDisplay) {
    windowRefusal = refusal;
    noDisplayLine = noDisplay;
    qtMessages = qInstallMessageHandler(windowMessages);
    return runWindow(argc, argv, refusal);
}

}  // namespace vx
