// The yardstick for the game's start-up: a bare Qt 6 main window, shown
// maximised as the game's is, that reports its first painted frame the way
// the game does (VEXELCUBE_FIRST_PAINT=1: "first paint at T ms" on standard
// error, T the Unix time in ms). With --menu-bar it has a menu bar with the
// game's two menus, kept in the window as the game keeps its own, to tell
// what the menu bar's text costs.
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QDateTime>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class Client final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::black);
        if (reported_ || qEnvironmentVariableIsEmpty("VEXELCUBE_FIRST_PAINT")) return;
        reported_ = true;
        std::fprintf(stderr, "bare_window: first paint at %lld ms\n",
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stderr);
    }

private:
    bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const bool menuBar = argc > 1 && std::strcmp(argv[1], "--menu-bar") == 0;
    if (menuBar) QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new Client(&window));
    if (menuBar) {
        window.menuBar()->addMenu(QStringLiteral("Options"))->addAction(QStringLiteral("Quit"));
        window.menuBar()->addMenu(QStringLiteral("Instructions"))->addAction(QStringLiteral("How to play"));
    }
    // As the game does: as large as the screen offers, for a desktop without
    // a window manager, then maximised.
    if (const QScreen* screen = window.screen()) window.resize(screen->availableGeometry().size());
    window.showMaximized();
    return QApplication::exec();
}
