#include "ui/qt/font_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace vx {

// Fontconfig keeps the loaded configuration for the whole process; Qt's own
// FcInit then finds it done.
FontWarmUp::FontWarmUp() : loading_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() { wait(); }

void FontWarmUp::wait() {
    if (loading_.joinable()) loading_.join();
}

}  // namespace vx
