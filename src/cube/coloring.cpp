#include "cube/coloring.h"

#include <algorithm>

namespace vx {

bool usableFaceColors(const std::array<int, 7>& facecolor) {
    for (int i = 1; i <= 6; ++i) {
        const int c = facecolor[i];
        if (c < 1 || c > 15 || c == 7) return false;
        for (int j = 1; j < i; ++j)
            if (facecolor[j] == c) return false;
    }
    return true;
}

void colourNewCube(Cube& cube, int n, const std::array<int, 7>& requested, std::array<int, 7>& usedcolor, Random& rnd) {
    const std::array<int, 7>& facecolor = usableFaceColors(requested) ? requested : kDefaultFaceColors;
    const auto used = [&](int colour) {
        return std::find(usedcolor.begin() + 1, usedcolor.end(), colour) != usedcolor.end();
    };

    usedcolor.fill(-2);
    int k = rnd.upTo(6);
    usedcolor[1] = facecolor[k];
    for (int f = 1; f <= 6; ++f) {
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) cube.setSquarecolor(a, b, f, facecolor[k]);
        if (f == 6) break;
        do {
            k = rnd.upTo(6);
        } while (used(facecolor[k]));
        usedcolor[f + 1] = facecolor[k];
    }
}

}  // namespace vx
