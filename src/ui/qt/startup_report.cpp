#include "ui/qt/startup_report.h"

#include <cstdio>

#include <QDateTime>
#include <QPixmap>
#include <QTimer>

#include "ui/qt/main_window.h"

namespace vx {

StartupReport::StartupReport(MainWindow& window)
    : window_(window),
      printTime_(!qEnvironmentVariableIsEmpty("VEXELCUBE_FIRST_PAINT")),
      snapshot_(qEnvironmentVariable("VEXELCUBE_SNAPSHOT")) {
    if (!printTime_ && snapshot_.isEmpty()) return;
    // Until the game's loop first yields, the window shows an empty surface.
    watch_ = connect(&window.surfaceView(), &SurfaceView::painted, this, [this] {
        if (window_.live()) firstPaint();
    });
}

void StartupReport::firstPaint() {
    disconnect(watch_);
    if (printTime_) {
        std::fprintf(stderr, "vexelcube: first paint at %lld ms\n",
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stderr);
    }
    if (snapshot_.isEmpty()) return;
    // Taken once the paint is over, at the next turn of the event loop.
    QTimer::singleShot(0, this, [this] {
        if (!window_.grab().save(snapshot_))
            std::fprintf(stderr, "vexelcube: could not save %s\n", qPrintable(snapshot_));
    });
}

}  // namespace vx
