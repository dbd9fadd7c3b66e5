#include "support/test_glyphs.h"

#include <cstdlib>
#include <memory>

#ifdef VEXEL_QT_GLYPHS
#include <QGuiApplication>

#include "ui/qt/qt_glyphs.h"
#endif

namespace vx::test {

namespace {

class BlankGlyphs final : public GlyphSource {
public:
    GlyphMask render(std::string_view text, double points) override {
        GlyphMask m;
        m.width = static_cast<int>(static_cast<double>(text.size()) * points * 0.8);
        m.height = static_cast<int>(points * 1.6);
        m.bits.assign(static_cast<std::size_t>(m.width) * static_cast<std::size_t>(m.height), 0);
        return m;
    }
};

}  // namespace

GlyphSource& blankGlyphs() {
    static BlankGlyphs glyphs;
    return glyphs;
}

#ifdef VEXEL_QT_GLYPHS
GlyphSource& testGlyphs() {
    static int argc = 1;
    static char name[] = "vexel-test";
    static char* argv[] = {name, nullptr};
    [[maybe_unused]] static const bool offscreen = setenv("QT_QPA_PLATFORM", "offscreen", 1) == 0;
    static QGuiApplication app(argc, argv);
    static QtGlyphs glyphs;
    return glyphs;
}
#else
GlyphSource& testGlyphs() { return blankGlyphs(); }
#endif

}  // namespace vx::test
