// The life of the process: start-up, the main loop, shutdown, and the coloured-word list read at
// start-up.
#pragma once

#include <string>

#include "gui/gui_list.h"  // PaintWords, the list the coloured words are read into
#include "shell/file_names.h"

// The whole run: start-up, main loop, shutdown. The process exit code: 0 after a normal run, 1 when
// the window could not be made.
int WinMain();
void Game_InitAtStart();
void Game_InitBase();
void PaintWords_Load(std::string fileName);
// One pass of the main loop: a message, or a frame, or the minimised sleep.
void MainLoop_Pass();
