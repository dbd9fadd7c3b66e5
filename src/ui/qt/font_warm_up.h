#pragma once
#include <thread>

namespace vx {

// Loads the system's font configuration on a second thread while the main
// thread connects to the display: the first text the program measures
// otherwise waits for it (a few milliseconds of the start). Made before the
// application object; wait() before the first text, and before anything can
// end the program (the application object takes the configuration down as it
// goes, which must not meet the loading).
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    void wait();

private:
    std::thread loading_;
};

}  // namespace vx
