// The window's state words: its client size, activity and handles. The window (app/window.h)
// sets them; the settings, the dialogs, the renderer and the interface read them.
#pragma once

#include <cstdint>

extern int WinWidth, WinHeight;  // client size; 800 x 600 unless the settings chose another
extern int& g_wnd_w;             // the generated code's names for them
extern int& g_wnd_h;
extern int WinActive;            // not minimised; the main loop draws only while set
extern intptr_t WinInstance, WinHwnd, WinDC, WinGLRC;  // 0 when not held
extern intptr_t& MainHwnd;       // the interface's name for WinHwnd
extern int WinWindowed;          // 0: the borderless popup (no frame to subtract)
