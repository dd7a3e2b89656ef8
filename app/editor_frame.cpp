// The stage editor's frame: its update and the markers of the selected figure.
#include "app/editor_frame.h"

#include <GL/gl.h>

#include "app/field_mouse.h"
#include "app/frame_entry.h"
#include "app/frame_steps.h"
#include "app/window.h"
#include "figures/fgrs.h"
#include "figures/mode_words.h"
#include "gui/gui.h"
#include "render/field.h"
#include "render/gl2d.h"
#include "render/rend_view.h"
#include "render/scene.h"
#include "render/texture.h"
#include "shell/geometry.h"
#include "shell/key_commands.h"
#include "shell/rect.h"
#include "shell/window_state.h"
#include "ui/program_mode.h"
#include "ui/screens.h"
#include "world/fgrs_update.h"
#include "world/selection.h"

namespace {

// A click over the editor's tool box belongs to the box, whether or not a cell of it used it: the
// land behind the palette is never painted through it.
int ClickOverEditorBox(int click) {
  const GuiWin* b = Screens.EditorBox;
  return click && b && b->visible && Screens.GuiPanelMode3 && Screens.GuiPanelMode3->visible &&
         Rect_ContainsPt(KeyCmds.MouseX, KeyCmds.MouseY, b->x, b->y, b->w, b->h);
}

void ProjectFgr(const Fgr* f, int* sx, int* sy, int* ok) {
  *ok = Proj_ToScreen(f->priv_position_x, f->priv_position_y, f->priv_position_z, sx, sy,
                      &RendScene.PickView) == 1;
}

}  // namespace

void Mode3_Frame() {
  FrameTimer_Tick();
  Frame_ExitIfAsked();
  if (Window_DragByMouse()) return;
  Frame_ValueInput();
  Frame_KeyCommands();
  EditorFrame_Update();
  SceneViewportDrawPause();
  Frame_Tail(1);
}

void EditorFrame_Update() {
  Edit_TickUpd();
  const int click = Frame_MouseToWidgets();
  if (!FieldMouse.MouseTaken && ClickOverEditorBox(click)) FieldMouse.MouseTaken = 1;
  if (!FieldMouse.MouseTaken) Field_EditorMouse();
  Field_EditorPlace();
  Fgrs.SweepDead();
  Fgrs.ClearNovorod();
  Fgrs_UpdAll(&Fgrs);
  Cursor_Rule();
}

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
