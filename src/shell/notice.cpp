#include "shell/notice.h"

#include "shell/game.h"

namespace vx {

void tell(Game& g, const std::string& notice) {
    Control& c = g.form[ControlId::Notice];
    c.text = notice;
    c.visible = true;
}

void hideNotice(Game& g) { g.form[ControlId::Notice].visible = false; }

std::string saveFailedNotice(std::string_view what, std::string_view why) {
    return "Could not save " + std::string(what) + ": " + std::string(why) + ".";
}

}  // namespace vx
