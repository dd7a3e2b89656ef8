// The program mode switch and the three mode panels it shows. The mode words it sets live in
// figures/mode_words.h.
#pragma once

#include "figures/mode_words.h"
#include "shell/gui_win.h"

// The full-window panels of the modes 1..3, made by the screen build (null before it).
extern GuiWin* GuiPanelMode1;
extern GuiWin* GuiPanelMode2;
extern GuiWin* GuiPanelMode3;

// Switches to mode 1..3: that mode's panel alone shown, the frame sleep, the system cursor (shown
// in modes 1 and 3, hidden in play), the editor flags, the mode. 0 when switched; another mode
// changes nothing and answers 1.
int SetProgramMode(int mode);
