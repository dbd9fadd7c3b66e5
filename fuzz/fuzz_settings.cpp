// Any bytes as a settings file: reading never crashes, and what was read is
// written so that it reads back as exactly the same settings.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vx::Settings first = vx::parseSettings(text);
    const vx::Settings again = vx::parseSettings(vx::formatSettings(first));
    if (!(again == first)) std::abort();
    return 0;
}
