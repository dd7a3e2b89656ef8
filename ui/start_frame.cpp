// The frame of the text screen.
#include "ui/start_frame.h"

#include <GL/gl.h>

#include "gm/kmd_block.h"
#include "shell/frame_clock.h"
#include "shell/key_commands.h"
#include "shell/window.h"
#include "ui/gui.h"

void Mode1_Frame(int focus) {
  FrameTimer_Tick();
  if (Window_DragByMouse()) return;
  if (focus) {
    Gui_CursorPos(&MouseX, &MouseY);
    Kmd_UpdAll();
  }
  glViewport(0, 0, WinWidth, WinHeight);
  glClearColor(0.1f, 0.12f, 0.18f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
