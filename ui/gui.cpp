// The widget tree: the mouse position in its coordinates.
#include "ui/gui.h"

#include "platform/platform.h"
#include "shell/window_state.h"

void Gui_CursorPos(int* x, int* y) {
  int cx = 0, cy = 0, wx = 0, wy = 0, ww = 0, wh = 0;
  Plat_CursorPos(&cx, &cy);
  Plat_WindowRect(&wx, &wy, &ww, &wh);
  *x = cx - wx;
  *y = WinHeight - (cy - wy);
}
