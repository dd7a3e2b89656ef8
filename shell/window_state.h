// The window's state words: its client size, activity, handles and drag, in one record. The window
// (app/window.h) sets them; the settings, the dialogs, the renderer and the interface read them.
#pragma once

#include <cstdint>

struct t_Win {
  int WinWidth = 800, WinHeight = 600;  // client size; 800 x 600 unless the settings chose another
  int WinActive = 0;                    // not minimised; the main loop draws only while set
  intptr_t WinInstance = 0, WinHwnd = 0, WinDC = 0, WinGLRC = 0;  // 0 when not held
  int WinWindowed = 0;  // 0: the borderless popup (no frame to subtract)
  // The window drag (Window_DragByMouse): on while the drag button is held, the cursor of the last
  // step and the window's position, both in screen pixels.
  int WinDragOn = 0;
  int WinDragCursor[2] = {0, 0};
  int WinPos[2] = {0, 0};
};
extern t_Win Win;

// Second names of the same words. The generated code sizes its panels by g_wnd_w and g_wnd_h; the
// interface (text boxes and pause screen) knows the window handle as MainHwnd.
inline int& g_wnd_w = Win.WinWidth;
inline int& g_wnd_h = Win.WinHeight;
inline intptr_t& MainHwnd = Win.WinHwnd;
