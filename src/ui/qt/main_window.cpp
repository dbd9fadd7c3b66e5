#include "ui/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#include "shell/events.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/layout.h"
#include "ui/qt/cube_icon.h"
#include "ui/qt/key_codes.h"
#include "ui/qt/turn_cursors.h"

namespace vx {

MainWindow::MainWindow() : surface_(new SurfaceView(this)) {
    setObjectName(QStringLiteral("vexelcube"));
    setCentralWidget(surface_);
    // The side panel, every panel and a whole cube need this much room.
    surface_->setMinimumSize(kSmallestClient.width, kSmallestClient.height);
    // Drawn once the game's first picture is on the screen: it is not needed before.
    iconWatch_ = connect(surface_, &SurfaceView::painted, this, [this] {
        if (!live_) return;
        disconnect(iconWatch_);
        QTimer::singleShot(0, this, [this] { setWindowIcon(cubeIcon()); });
    });
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    surface_->setPalette(black);
    // Keys are seen here before any control gets them.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::attach(Game& game) {
    game_ = &game;
    const Deliver deliver = [this](const std::function<void(Game&)>& event) { this->deliver(event); };
    menus_ = std::make_unique<MenuMirror>(*menuBar(), game.form.menu, deliver);
    controls_ = std::make_unique<ControlWidgets>(surface_, game.form.controls, deliver);
    connect(surface_, &SurfaceView::mouseDown, this, [this](int button, QPointF at) {
        const auto x = static_cast<float>(at.x()), y = static_cast<float>(at.y());
        this->deliver([&](Game& g) { Form_MouseDown(g, button, x, y); });
    });
    connect(surface_, &SurfaceView::mouseMoved, this, [this](QPointF at) {
        pointer_ = at;
        syncCursor();
    });
    connect(surface_, &SurfaceView::mouseLeft, this, [this] {
        pointer_.reset();
        syncCursor();
    });
    // The surface always covers the client area. Once the game runs, a new
    // size lays the cube out again; before, the first cube is placed by the
    // size the surface then has.
    connect(surface_, &SurfaceView::resized, this, [this](QSize size) {
        if (!game_ || size == QSize(game_->surface.width(), game_->surface.height())) return;
        if (accepting()) {
            this->deliver([](Game& g) { Form_Resize(g); });
            return;
        }
        game_->surface.resize(size.width(), size.height());
        surface_->take(game_->surface);
    });
    game.surface.resize(surface_->width(), surface_->height());
    sync();
}

bool MainWindow::accepting() const { return game_ && live_ && !game_->ended; }

void MainWindow::deliver(const std::function<void(Game&)>& event) {
    if (!accepting()) return;
    event(*game_);
    sync();
}

void MainWindow::sync() {
    if (!game_) return;
    const Form& form = game_->form;
    if (form.caption != caption_) {
        caption_ = form.caption;
        // "[*]" in a title is Qt's placeholder for a modified mark; a puzzle
        // name in the caption may hold it, doubled it shows as it is.
        setWindowTitle(QString::fromStdString(caption_).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
    }
    menus_->sync(form.menu);
    controls_->sync(form.controls);
    // After every panel the keyboard is the cube's again.
    const bool panelClosed = panelShown_ && !game_->s.panels.panelopen;
    panelShown_ = game_->s.panels.panelopen;
    syncFocus(panelClosed);
    syncCursor();
    surface_->take(game_->surface);
}

// Over a square that a click would turn, the cursor shows which way; it is
// asked again after every event, so it follows the view, draw-mode and the
// panels.
void MainWindow::syncCursor() {
    const TurnCursor kind = accepting() && pointer_ ? turnCursorAt(*game_, static_cast<float>(pointer_->x()),
                                                                   static_cast<float>(pointer_->y()))
                                                    : TurnCursor::None;
    if (kind == shownCursor_) return;
    shownCursor_ = kind;
    if (kind == TurnCursor::None)
        surface_->unsetCursor();
    else
        surface_->setCursor(turnCursorShape(kind, surface_->devicePixelRatioF()));
}

// The form names the control that is to have the keyboard focus; the empty
// name gives it back to the window itself. It is given when the name changes,
// so the player may still click into another control meanwhile.
void MainWindow::syncFocus(bool force) {
    const std::optional<ControlId> wanted = game_->form.focus;
    if (!force && wanted == focus_) return;
    focus_ = wanted;
    QWidget* target = wanted ? controls_->widget(name(*wanted)) : nullptr;
    if (target && target->isVisible() && target->isEnabled())
        target->setFocus(Qt::OtherFocusReason);
    else
        surface_->setFocus(Qt::OtherFocusReason);
}

// Key presses come to the window first (before its focused control), once
// each; the game's key handler sees them there and the control then gets
// them as usual, so typing in a text box still works. A key the game used
// to finish a panel or on Command3 goes no further.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == windowHandle() && !QApplication::activePopupWidget()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (keyDown(gameKeyCode(key->key(), key->modifiers().testFlag(Qt::KeypadModifier)))) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

std::optional<ControlId> MainWindow::focusedControl() const {
    return controls_->controlOf(QApplication::focusWidget());
}

bool MainWindow::keyDown(int code) {
    if (!accepting()) return false;
    const bool used = pressKey(*game_, code, focusedControl());
    sync();
    if (used) syncFocus(true);
    return used;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing ends the game at once, wherever its loop is.
    if (game_) Form_Unload(*game_);
    event->accept();
}

QAction* MainWindow::menuAction(std::string_view name) const { return menus_ ? menus_->action(name) : nullptr; }

QWidget* MainWindow::controlWidget(std::string_view name) const {
    return controls_ ? controls_->widget(name) : nullptr;
}

}  // namespace vx
