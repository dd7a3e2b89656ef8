// The frame draws of play and of the editor, and the editor's markers of the selected figure.
#include "app/frame_entry.h"

#include <GL/gl.h>

#include "app/field_mouse.h"
#include "figures/fgrs.h"
#include "gui/gui.h"
#include "render/frame_draw.h"
#include "render/gl2d.h"
#include "render/rend_view.h"
#include "render/scene.h"
#include "render/texture.h"
#include "shell/window_state.h"
#include "world/selection.h"

namespace {

void ProjectFgr(const Fgr* f, int* sx, int* sy, int* ok) {
  *ok = Proj_ToScreen(f->priv_position_x, f->priv_position_y, f->priv_position_z, sx, sy,
                      &RendScene.PickView) == 1;
}

void Draw(int markers) {
  Fgrs_QueueDrawAll(&Fgrs);
  DrawScene(&RendScene);
  glViewport(0, 0, Win.WinWidth, Win.WinHeight);
  Gl2D_Begin(0, Win.WinWidth, 0, Win.WinHeight);
  if (markers) Field_DrawMarkers();
  Gui_DrawAll();
  Gl2D_End();
  Cursor_DrawOverlay();
}

}  // namespace

void Field_DrawMarkers() {
  if (SelList.count != 1 || !SelList.e[1]) return;
  const Fgr* f = SelList.e[1];
  int sx = 0, sy = 0, ok = 0;
  ProjectFgr(f, &sx, &sy, &ok);
  if (!ok) return;
  Tex_Off();
  Gl_BlendMode(kBlendOff);
  glColor4f(0, 0, 0, 1);
  Gl2D_Line((float)sx, (float)sy, (float)Win.WinWidth, (float)Win.WinHeight);
  const Fgr* linked = Fgrs_pFgr(f->activateFgr);
  if (!linked || !linked->Status()) return;
  int lx = 0, ly = 0;
  ProjectFgr(linked, &lx, &ly, &ok);
  if (ok) Gl2D_LineRGB2((float)sx, (float)sy, (float)lx, (float)ly, 0, 0, 0, 1, 1, 1);
}

void SceneViewportDraw() { Draw(0); }
void SceneViewportDrawPause() { Draw(1); }
