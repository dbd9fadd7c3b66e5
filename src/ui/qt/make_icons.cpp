// Writes the program's icon as PNG pictures for the desktop, one folder a
// size as the icon theme lays them out: make_icons DIR -> DIR/48x48/apps/vexelcube.png ...
#include <cstdio>

#include <QDir>

#include "ui/qt/cube_icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons DIR\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(folder) || !vx::paintCubeIcon(size).save(folder + QStringLiteral("/vexelcube.png"))) {
            std::fprintf(stderr, "make_icons: cannot write into %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
