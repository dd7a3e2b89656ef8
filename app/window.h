// The OpenGL window: creation with its context and set-up, tear-down, the window procedure that
// turns messages into the key-state table, the focus flags and typed characters, and the window drag.
#pragma once

#include <cstdint>

#include "shell/window_state.h"

int CreateGlWindow(int width, int height);
int InitGL();
void KillGlWindow();
void FreeGlResources();
long anWndProc(intptr_t window, unsigned message, uintptr_t w, intptr_t l);
void Keys_Clear();
// After each frame: the presses it read count as seen; a tap released before any frame read it
// is released now.
void Keys_FrameSeen();
// Whether the frame's key table has vk down: a key held reads as now, a tap as down for the one
// frame that reads it. Every reader of the keys above the platform asks the table, never the
// platform's live state.
int KeyIsDown(int vk);
int Window_DragByMouse();
