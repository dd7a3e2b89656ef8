// The life of the process: start-up, the main loop, shutdown.
#pragma once

#include "shell/file_names.h"

// The whole run: start-up, main loop, shutdown. The process exit code: 0 after a normal run, 1 when
// the window could not be made.
int WinMain();
void Game_InitAtStart();
void Game_InitBase();
// One pass of the main loop: a message, or a frame, or the minimised sleep.
void MainLoop_Pass();
