#include "files/settings_file.h"

#include "cube/coloring.h"
#include "cube/cube.h"
#include "cube/cube_size.h"
#include "files/numbers.h"

namespace vx {

std::string formatSettings(const Settings& s) {
    std::string line;
    for (int k = 1; k <= 6; ++k) appendPrintForm(line, s.facecolor[k]);
    appendPrintForm(line, s.cubesize);
    appendPrintForm(line, s.scramblecount);
    appendPrintForm(line, s.rotationtime);
    appendPrintForm(line, s.drawmode);
    appendPrintForm(line, s.shortest);
    line += "\r\n";
    return line;
}

namespace {

// Draw-mode and the shortest solution are on when their value reads 1, and
// nothing else: not 0.6 or 1.4, which would round to it.
int onlyOne(double v) { return v == 1 ? 1 : 0; }

}  // namespace

Settings parseSettings(std::string_view text) {
    Settings s;
    FieldReader fields(text);
    for (int index = 1; index <= 11; ++index) {
        const auto field = fields.next();
        if (!field) break;
        const double v = leadingNumber(*field);
        if (index <= 6)
            s.facecolor[index] = toWhole(v);
        else if (index == 7)
            s.cubesize = toWhole(v);
        else if (index == 8)
            s.scramblecount = v;
        else if (index == 9)
            s.rotationtime = v;
        else if (index == 10)
            s.drawmode = onlyOne(v);
        else
            s.shortest = onlyOne(v);
    }

    if (!usableFaceColors(s.facecolor)) s.facecolor = kDefaultFaceColors;
    if (!CubeSize::of(s.cubesize)) s.cubesize = Settings{}.cubesize;
    s.scramblecount = clampScrambleCount(s.scramblecount);
    return s;
}

}  // namespace vx
