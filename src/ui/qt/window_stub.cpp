#include <cstdio>

int runWindow(int, char**) {
    std::fprintf(stderr, "vexelcube: the window is not built yet; use --script FILE\n");
    return 1;
}
