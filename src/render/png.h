#pragma once
#include <string>

#include "render/surface.h"

namespace vx {

// Writes the surface as an 8-bit palette PNG with the 16-colour table.
// The picture goes to a temporary file in the same folder that is then renamed
// over `path`, so a failure (false) never leaves a half-written file there and
// never harms a file that was there before. An empty surface cannot be written.
[[nodiscard]] bool writePng(const Surface& surface, const std::string& path);

}  // namespace vx
