#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include "shell/form.h"
#include "ui/qt/control_widgets.h"

class QAction;
class QMenuBar;

namespace vx {

// The form's menu items as the window's menu bar: an item that other items
// name as their parent is a menu, any other item an action. Captions, ticks
// and enabled states follow the form at every sync; choosing an action (or
// its shortcut) is handed to `deliver` as the game's menu event, which alone
// decides what happens and what is ticked.
class MenuMirror {
public:
    MenuMirror(QMenuBar& bar, std::span<const MenuItem> items, Deliver deliver);

    void sync(std::span<const MenuItem> items);
    // The action of an item (for a menu, the action that opens it).
    QAction* action(std::string_view name) const;

private:
    struct Shown {
        QAction* action;
        bool isMenu;
        std::string caption;  // as last shown
        char mnemonic = 0;    // the letter Alt (or a key in the open menu) chooses it by
    };

    std::vector<Shown> shown_;
};

}  // namespace vx
