// Storage of the window's state words.
#include "shell/window_state.h"

int WinWidth = 800;
int WinHeight = 600;
int& g_wnd_w = WinWidth;
int& g_wnd_h = WinHeight;
int WinActive = 0;
intptr_t WinInstance = 0, WinHwnd = 0, WinDC = 0, WinGLRC = 0;
intptr_t& MainHwnd = WinHwnd;
int WinWindowed = 0;
