#pragma once
// Every event handler of the main form, named after its control and event.
// They run only inside the main loop's yields, change the game and return.
#include "shell/form.h"

namespace vx {

struct Game;

// The main loop: start-up, then passes until the game ends.
void Form_Activate(Game& g);
void Timer1_Timer(Game& g);
void Form_Unload(Game& g);
// The client area changed size: the cube is laid out again for it and
// redrawn at once.
void Form_Resize(Game& g);

// Play modes and the Options menu.
void usolve_Click(Game& g);
void csolve_Click(Game& g);
void createp_Click(Game& g);
void messup_Click(Game& g);
void gamemode_Click(Game& g);
void newpuzzle_Click(Game& g);
void quit_Click(Game& g);
// The tick "Shortest solution (computer reads the colors)".
void shortest_Click(Game& g);
void hint_Click(Game& g);

// The two buttons of a game.
void Command6_Click(Game& g);
void Command7_Click(Game& g);

// Keys and mouse buttons on the main form.
void Form_KeyDown(Game& g, int keycode);
void Form_MouseDown(Game& g, int button, float x, float y);

// The colour panel.
void choosecolors_Click(Game& g);
void colourBox_Click(Game& g, ControlId box);
void Command1_Click(Game& g);
void Command2_Click(Game& g);
void Command4_Click(Game& g);

// The number panels and the size menu.
void difficulty_Click(Game& g);
void Command3_Click(Game& g);
void Command3_KeyDown(Game& g, int keycode);
// A key in the save panel's name box: Return presses Done.
void Text4_KeyDown(Game& g, int keycode);
void choosetime_Click(Game& g);
void Command5_Click(Game& g);
void bySize_Click(Game& g, int size);

// Escape in an option panel that has no Cancel: the panel closes with
// everything as it was when it opened.
void cancelDifficulty(Game& g);
void cancelChoosetime(Game& g);
void cancelColours(Game& g);

// The puzzle panels and the settings file.
void savepuzzle_Click(Game& g);
void File1_Click(Game& g);
void Command10_Click(Game& g);
void Command11_Click(Game& g);
void loadpuzzle_Click(Game& g);
void File2_Click(Game& g);
void Command8_Click(Game& g);
void Command9_Click(Game& g);
void savesettings_Click(Game& g);

}  // namespace vx
