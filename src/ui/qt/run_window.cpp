// The game in its window: what `vexelcube` runs without --script.
#include <QApplication>

#include "ui/qt/game_window.h"
#include "ui/qt/startup_report.h"

int runWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexelcube"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vexelcube"));
    // One look on every desktop: the form's places are made for it.
    QApplication::setStyle(QStringLiteral("Fusion"));
    vx::GameWindow game;
    vx::StartupReport report(game.window());
    game.show();
    game.run();
    return 0;
}
