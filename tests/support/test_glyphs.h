#pragma once
#include "render/glyphs.h"

namespace vx::test {

// The text source of the in-process game tests: Qt's, as in the program, when
// the build has the window; otherwise blank masks of about the right size,
// so that everything but the ink of the texts is as in the program.
GlyphSource& testGlyphs();
// Blank masks of about the right size in every build: pictures that depend
// on no font.
GlyphSource& blankGlyphs();

}  // namespace vx::test
