#pragma once
// The program's two ways to run once its command line is read, on Qt: the
// window, or a script with Qt's font rasteriser drawing the texts.
#include <istream>
#include <string>

#include "ui/headless/script_platform.h"

namespace vx {

// Runs the script read from `in` with no window and returns its exit status.
int runScriptWithQtText(int argc, char** argv, std::istream& in, const ScriptOptions& options);

// Opens the window and runs the game until it is closed. `refusal` is why the
// game could not use its data folder (empty when it could); `noDisplay` is
// the line the player reads when there is no display, after the refusal.
int runWindowProgram(int argc, char** argv, const std::string& refusal, const std::string& noDisplay);

}  // namespace vx
