// The game in its window: what `vexelcube` runs without --script.
#include <cstdio>
#include <string>
#include <thread>

#include <QApplication>
#include <QMessageBox>

#include "solver/solver.h"
#include "ui/qt/game_style.h"
#include "ui/qt/game_window.h"
#include "ui/qt/startup_report.h"

int runWindow(int argc, char** argv, const std::string& refusal) {
    // The menu bar stays in the window on every desktop, where the form has
    // its place; asking the desktop for a global menu would also hold up the
    // start while it looks for a session bus.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexelcube"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vexelcube"));
    // One look on every desktop: the form's places are made for it. The
    // application owns the style from here on.
    QApplication::setStyle(new vx::GameStyle);
    if (!refusal.empty()) {
        // Started from the menu nobody reads standard error: say it in a window too.
        std::fprintf(stderr, "vexelcube: %s\n", refusal.c_str());
        QMessageBox::critical(nullptr, QStringLiteral("Vexel-cube"),
                              QStringLiteral("Vexel-cube cannot start: %1.").arg(QString::fromStdString(refusal)));
        return 1;
    }
    // The solver's tables are built while the player looks at the first
    // cube, so that the computer's first reading of the colours does not wait
    // for them; the thread is joined when the game ends.
    const std::jthread tables([] { vx::solver::prepare(); });
    vx::GameWindow game;
    vx::StartupReport report(game.window());
    game.show();
    game.run();
    return 0;
}
