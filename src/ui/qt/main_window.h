#pragma once
#include <memory>
#include <string>
#include <string_view>

#include <QMainWindow>

#include "shell/turn_cursor.h"
#include "ui/qt/control_widgets.h"
#include "ui/qt/menu_mirror.h"
#include "ui/qt/surface_view.h"

class QAction;

namespace vx {

struct Game;

// The game's one window: the menu bar, the drawing surface filling the
// client area, and the form's controls over it. It shows the game's form and
// surface (sync) and turns what the player does into the game's events: menu
// items, buttons, check boxes, text boxes and file lists through the events
// of shell/events.h, keys (seen before any control) through Form_KeyDown, mouse
// buttons on the surface through Form_MouseDown, closing through Form_Unload.
// Events reach the game only while its main loop lets them run (setLive).
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    // Builds the menus and controls from the game's form; events go to it.
    void attach(Game& game);
    // From the first yield of the main loop on, the player's events count.
    void setLive(bool live) { live_ = live; }
    bool live() const { return live_; }

    // Brings the window in step with the game: caption, menus, controls,
    // keyboard focus and the picture.
    void sync();

    SurfaceView& surfaceView() { return *surface_; }
    // The turn the mouse cursor tells now.
    TurnCursor shownTurnCursor() const { return shownCursor_; }
    QAction* menuAction(std::string_view name) const;
    QWidget* controlWidget(std::string_view name) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void deliver(const std::function<void(Game&)>& event);
    bool accepting() const;
    // True when the game used the key (the focused control gets it no more).
    bool keyDown(int code);
    std::optional<ControlId> focusedControl() const;
    void syncFocus(bool force);
    void syncCursor();

    SurfaceView* surface_;
    std::unique_ptr<MenuMirror> menus_;
    std::unique_ptr<ControlWidgets> controls_;
    Game* game_ = nullptr;
    bool live_ = false;
    QMetaObject::Connection iconWatch_;
    std::string caption_;
    std::optional<ControlId> focus_;  // the focus as last given from the form
    bool panelShown_ = false;
    std::optional<QPointF> pointer_;  // the mouse over the surface
    TurnCursor shownCursor_ = TurnCursor::None;
};

}  // namespace vx
