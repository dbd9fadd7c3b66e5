// Saves the whole screen, window frames and all, as a PNG of at most 256
// colours (small enough to keep in the repository): grab_screen FILE.png
#include <cstdio>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: grab_screen FILE.png\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fprintf(stderr, "grab_screen: no screen\n");
        return 1;
    }
    const QImage shot =
        screen->grabWindow(0).toImage().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "grab_screen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
