#include "ui/qt/menu_mirror.h"

#include <algorithm>
#include <map>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "shell/events.h"

namespace vx {

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Captions are shown as they are: an ampersand in one is no mnemonic.
QString menuText(const std::string& caption) { return qs(caption).replace('&', QStringLiteral("&&")); }

// The caption with the mnemonic `letter` marked at its first place, if any.
QString withMnemonic(const std::string& caption, char letter) {
    QString text = menuText(caption);
    for (qsizetype i = 0; letter != 0 && i < text.size(); ++i)
        if (text[i].toLower() == QChar(letter)) return text.insert(i, '&');
    return text;
}

// An item's keyboard mnemonic: the first letter of its caption that no
// earlier item of the same menu has taken. In the menu bar, Alt with a game
// key (b, r, t) stays free for the game.
char mnemonicOf(const std::string& caption, std::string& taken) {
    for (char c : caption) {
        const char lower = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (lower < 'a' || lower > 'z' || taken.find(lower) != std::string::npos) continue;
        taken += lower;
        return lower;
    }
    return 0;
}

// The usual shortcuts of a desktop program; none of them is a game key.
QKeySequence shortcutOf(MenuId id) {
    switch (id) {
    case MenuId::newpuzzle: return QKeySequence(Qt::CTRL | Qt::Key_N);
    case MenuId::loadpuzzle: return QKeySequence(Qt::CTRL | Qt::Key_O);
    case MenuId::savepuzzle: return QKeySequence(Qt::CTRL | Qt::Key_S);
    case MenuId::quit: return QKeySequence(Qt::CTRL | Qt::Key_Q);
    default: return {};
    }
}

bool hasChildren(std::span<const MenuItem> items, MenuId id) {
    return std::any_of(items.begin(), items.end(), [&](const MenuItem& m) { return m.parent == id; });
}

}  // namespace

MenuMirror::MenuMirror(QMenuBar& bar, std::span<const MenuItem> items, Deliver deliver) {
    std::map<MenuId, QMenu*> menus;
    std::map<std::optional<MenuId>, std::string> taken = {{std::nullopt, "brt"}};  // mnemonic letters by parent
    shown_.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        const auto id = static_cast<MenuId>(i);
        const auto parent = item.parent ? menus.find(*item.parent) : menus.end();
        QMenu* under = parent == menus.end() ? nullptr : parent->second;
        QAction* action = nullptr;
        const bool isMenu = hasChildren(items, id);
        const char mnemonic = mnemonicOf(item.caption, taken[item.parent]);
        const QString text = withMnemonic(item.caption, mnemonic);
        if (isMenu) {
            QMenu* menu = under ? under->addMenu(text) : bar.addMenu(text);
            menus[id] = menu;
            action = menu->menuAction();
        } else {
            action = under ? under->addAction(text) : bar.addAction(text);
            action->setShortcut(shortcutOf(id));
            QObject::connect(action, &QAction::triggered, action,
                             [deliver, id] { deliver([&](Game& g) { chooseMenu(g, id); }); });
        }
        action->setObjectName(qs(item.name));
        shown_.push_back({action, isMenu, item.caption, mnemonic});
    }
    sync(items);
}

void MenuMirror::sync(std::span<const MenuItem> items) {
    const std::size_t count = std::min(items.size(), shown_.size());
    for (std::size_t i = 0; i < count; ++i) {
        const MenuItem& item = items[i];
        Shown& shown = shown_[i];
        QAction& a = *shown.action;
        if (item.caption != shown.caption) {
            a.setText(withMnemonic(item.caption, shown.mnemonic));
            shown.caption = item.caption;
        }
        if (a.isEnabled() != item.enabled) a.setEnabled(item.enabled);
        // A tick shows only on ticked items; the check state is compared with
        // the action itself, since Qt flips a checkable action when it is
        // chosen, whatever the game then makes of it.
        if (!shown.isMenu && (a.isCheckable() != item.checked || a.isChecked() != item.checked)) {
            a.setCheckable(item.checked);
            a.setChecked(item.checked);
        }
    }
}

QAction* MenuMirror::action(std::string_view name) const {
    for (const Shown& s : shown_)
        if (s.action->objectName() == QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())))
            return s.action;
    return nullptr;
}

}  // namespace vx
