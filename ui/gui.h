// The widget tree: the root widget sized to the window, its tear-down, and the mouse position in
// the tree's coordinates. The widget record itself is shell/gui_win.h.
#pragma once

#include "shell/gui_win.h"

void Gui_InitRoot(int width, int height);
void Gui_DestroyTree();
// The mouse in window pixels, y counted upward from the window's bottom edge.
void Gui_CursorPos(int* x, int* y);
// The widget tree drawn over the scene, between Gl2D_Begin and Gl2D_End.
void Gui_DrawAll();
