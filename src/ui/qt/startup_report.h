#pragma once
#include <QObject>
#include <QString>

namespace vx {

class MainWindow;

// For measuring and checking the window, off unless asked for through the
// environment:
//   VEXELCUBE_FIRST_PAINT=1      prints "vexelcube: first paint at T ms" to
//                                standard error when the first picture of the
//                                game has been painted (T: Unix time in ms)
//   VEXELCUBE_SNAPSHOT=FILE.png  saves a picture of the whole window then
class StartupReport final : public QObject {
    Q_OBJECT
public:
    explicit StartupReport(MainWindow& window);

private:
    void firstPaint();

    MainWindow& window_;
    bool printTime_ = false;
    QString snapshot_;
    QMetaObject::Connection watch_;
};

}  // namespace vx
