#pragma once
#include <map>
#include <string>
#include <utility>

#include "render/glyphs.h"

namespace vx {

// Text for the drawing surface from Qt's font rasteriser: the window's sans-
// serif face at a point size, without anti-aliasing, as a 1-bit mask. Needs a
// QGuiApplication. The few texts the game prints are kept once rendered.
class QtGlyphs final : public GlyphSource {
public:
    GlyphMask render(std::string_view text, double points) override;

private:
    std::map<std::pair<std::string, double>, GlyphMask> cache_;
};

}  // namespace vx
