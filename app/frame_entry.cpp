// The frame draws of play and of the editor.
#include "app/frame_entry.h"

#include <GL/gl.h>

#include "app/editor_frame.h"
#include "app/field_mouse.h"
#include "figures/fgrs.h"
#include "gui/gui.h"
#include "render/frame_draw.h"
#include "render/gl2d.h"
#include "render/scene.h"
#include "shell/window_state.h"

static void Draw(int markers) {
  Fgrs_QueueDrawAll(&Fgrs);
  DrawScene(&RendScene);
  glViewport(0, 0, Win.WinWidth, Win.WinHeight);
  Gl2D_Begin(0, Win.WinWidth, 0, Win.WinHeight);
  if (markers) Field_DrawMarkers();
  Gui_DrawAll();
  Gl2D_End();
  Cursor_DrawOverlay();
}

void SceneViewportDraw() { Draw(0); }
void SceneViewportDrawPause() { Draw(1); }
