#pragma once

namespace vx {

struct Form;

// Ticks the size menu's item for `size` and unticks the other eighteen.
void tickSize(Form& form, int size);

}  // namespace vx
