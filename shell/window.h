// The OpenGL window: creation with its context and set-up, tear-down, the window procedure that
// turns messages into the key-state table, the focus flags and typed characters, and the window drag.
#pragma once

#include <cstdint>

extern int WinWidth, WinHeight;  // client size; 800 x 600 unless the settings chose another
extern int& g_wnd_w;             // the generated code's names for them
extern int& g_wnd_h;
extern int WinActive;            // not minimised; the main loop draws only while set
extern intptr_t WinInstance, WinHwnd, WinDC, WinGLRC;  // 0 when not held
extern intptr_t& MainHwnd;       // the interface's name for WinHwnd
extern int WinWindowed;          // 0: the borderless popup (no frame to subtract)
extern int WinDragOn;
extern int WinDragCursor[2];
extern int WinPos[2];

int CreateGlWindow(int width, int height);
int InitGL();
void KillGlWindow();
void FreeGlResources();
long anWndProc(intptr_t window, unsigned message, uintptr_t w, intptr_t l);
void Keys_Clear();
int KeyIsDown(int vk);
int Window_DragByMouse();
