// The life of the process: the global file names, start-up, the main loop, shutdown, and the
// coloured-word list read at start-up.
#pragma once

#include <string>

#include "ui/pending_ui.h"

// The generator inputs under "gm/" are named by the generators themselves.
extern std::string gsFilePixStart, gsFilePalitra, gsDirRes, gsFilePaintWord, gsFileTestPaint,
    gsFileAbout, gsFileScr;

extern char StartDir[256];  // as the file system names it (UTF-8): for changing back to it
extern GuiList PaintWords;     // (word, colour codes), longest words first
extern GuiList& PaintWordList;

// The whole run: start-up, main loop, shutdown. The process exit code: 0 after a normal run, 1 when
// the window could not be made.
int WinMain();
void Game_InitAtStart();
void Game_InitBase();
void PaintWords_Load(std::string fileName);
// One pass of the main loop: a message, or a frame, or the minimised sleep.
void MainLoop_Pass();
