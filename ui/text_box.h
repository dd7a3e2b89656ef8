// Text boxes: the focused box and its handler of a typed character.
#pragma once

#include "shell/gui_win.h"

extern GuiWin* TextBoxFocused;

int textEditStream(GuiWin* box, int c, int code);
