// The field mouse of play and of the editor, and the cursor overlay.
#include "app/field_mouse.h"

#include <GL/gl.h>

#include <cstdlib>
#include <cstring>

#include "app/frame_steps.h"
#include "app/window.h"
#include "figures/fgr.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "gui/buttons.h"
#include "gui/hints.h"
#include "platform/platform.h"
#include "render/field.h"
#include "render/gl2d.h"
#include "render/kmd_block.h"
#include "render/rend_view.h"
#include "render/scene.h"
#include "render/tex_names.h"
#include "render/texture.h"
#include "shell/frame_clock.h"
#include "shell/geometry.h"
#include "shell/key_commands.h"
#include "shell/rect.h"
#include "ui/ed_palette.h"
#include "ui/screens.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/procs.h"
#include "world/selection.h"

namespace {

constexpr int kDragPixels = 4;
constexpr int kDragLockMs = 200;
constexpr int kHoverMs = 330;         // play's hover picks
constexpr int kEditorHoverMs = 520;   // the editor's
constexpr int kMiniMapOrderMs = 350;  // the minimap takes another order after this guard
constexpr float kFovMax = 45.0f, kFovMin = 30.0f;

// The last of both field mouse handlers: the side and floor switches asked of the next frame's
// pre-step, and the screenshot key.
void SwitchAndShotKeys() {
  if (Kmd_Fired(KMD_HOME)) FieldMouse.SideSwitchReq = 1;
  if (Kmd_Fired(KMD_END)) FieldMouse.FloorSwitchReq = 1;
  ScreenShotKey();
}

// The one minimap order handler. In play no minimap click counts while a rectangle is dragged or
// the drag lock runs (the guard still counts down). An order needs a selection and the guard run
// out; play sends the selection to the point, the editor only stores it.
int MiniMap_Mouse(int editor) {
  float wx, wz;
  if (!editor && (FieldMouse.FieldDragState == kDragRect || FieldMouse.FieldDragLock != 0)) {
    TimerDownRest(&FieldMouse.MiniMapOrderGuard);
    return 0;
  }
  const MiniMapCursorNum at = MiniMap_Cursor(&wx, &wz);
  if (at != kMapCursorOver) return at == kMapCursorCentred ? 1 : 0;
  if (!Kmd_Fired(KMD_RKLIK) || SelList.count <= 0 || FieldMouse.MiniMapOrderGuard != 0) return 0;
  FieldMouse.MiniMapOrderGuard = kMiniMapOrderMs;
  if (!editor) Sel_OrderMoveTo(&SelList, wx, wz);
  MoveOrders.OrderWaitMs = 0;  // the next ground order is a new route, not a waypoint
  FieldMouse.LastOrderX = (int)wx;
  FieldMouse.LastOrderZ = (int)wz;
  return 1;
}

}  // namespace

MiniMapCursorNum MiniMap_Cursor(float* wx, float* wz) {
  TimerDownRest(&FieldMouse.MiniMapOrderGuard);
  const t_MiniMapRect& m = MiniMapRect;
  if (!Rect_ContainsPt(KeyCmds.MouseX, KeyCmds.MouseY, m.x, m.y, m.w, m.h)) return kMapCursorOff;
  MiniMap_PixToWorld((float)KeyCmds.MouseX, (float)KeyCmds.MouseY, wx, wz);
  if (!KeyIsDown(VK_LBUTTON)) return kMapCursorOver;
  FieldRect.CamLookX = *wx;
  FieldRect.CamLookZ = *wz;
  FieldRect_ClampCentre();
  return kMapCursorCentred;
}

int MiniMap_Input() { return MiniMap_Mouse(0); }

int MiniMap_Click() { return MiniMap_Mouse(1); }

void Field_ArmSelect() {
  FieldMouse.FieldDragState = kDragIdle;
  FieldMouse.MouseAction = WorldMouse.PointOrderSig ? kMousePointOrder : kMouseSelect;
}

void Field_ArmOrder() {
  int n = SelList.count;
  if (n <= 0) return;
  Fgr* one = n == 1 ? SelList.e[1] : nullptr;
  if (one) {
    int owner = Fgr::Owner(one);
    if (owner != 0 && owner != Sides.PlayerSide) return;
  }
  FieldMouse.MouseAction = one && Fgr::HasPathTarget(one) ? kMouseRoute : kMouseOrder;
}

void Field_GameMouse() {
  if (MiniMap_Input()) return;
  if (FieldMouse.FieldDragState != kDragRect) {
    if (Kmd_Fired(KMD_KLIK) && FieldMouse.FieldDragLock == 0) {
      FieldMouse.FieldSelCount++;
      if (Mouse_OnField()) Field_ArmSelect();
    } else if (Kmd_Fired(KMD_RKLIK) && FieldMouse.FieldDragLock == 0) {
      FieldMouse.FieldOrdCount++;
      if (Mouse_OnField()) Field_ArmOrder();
    } else if (!KeyIsDown(VK_LBUTTON) && !KeyIsDown(VK_RBUTTON) &&
               TimerDown(&FieldMouse.HoverPickTimer) && FieldMouse.FieldDragLock == 0 &&
               Mouse_OnField()) {
      FieldMouse.HoverPickTimer = kHoverMs;
      FieldMouse.MouseAction = kMouseHover;
    }
  }
  if (FieldMouse.FieldDragState == kDragRect && Kmd_Fired(KMD_KLIK)) {
    FieldMouse.FieldDragState = kDragIdle;
    FieldMouse.FieldDragLock = kDragLockMs;
    FieldMouse.MouseAction = kMouseSelectRect;
  }
  if (WorldMouse.PointOrderSig == 0 && KeyIsDown(VK_LBUTTON)) {
    if (FieldMouse.FieldDragState == kDragIdle) {
      if (Mouse_OnField()) {
        FieldMouse.FieldDragStartX = KeyCmds.MouseX;
        FieldMouse.FieldDragStartY = KeyCmds.MouseY;
        FieldMouse.FieldDragState = kDragPressed;
      }
    } else if (FieldMouse.FieldDragState == kDragPressed) {
      if (std::abs(KeyCmds.MouseX - FieldMouse.FieldDragStartX) >= kDragPixels ||
          std::abs(KeyCmds.MouseY - FieldMouse.FieldDragStartY) >= kDragPixels)
        FieldMouse.FieldDragState = kDragRect;
    }
  } else if (FieldMouse.FieldDragState == kDragPressed && !KeyIsDown(VK_LBUTTON)) {
    // A press that never became a drag ends with its button, also when its release selected
    // nothing (locked, or over the minimap): a later press must not drag from this one's point.
    FieldMouse.FieldDragState = kDragIdle;
  }
  if (FieldMouse.FieldDragLock == 0) FieldRect_ScrollInput();
  SwitchAndShotKeys();
}

void Field_EditorMouse() {
  if (MiniMap_Click()) return;
  float p[3];
  if (Kmd_Fired(KMD_KLIK)) {
    if (Mouse_OnField())
      FieldMouse.MouseAction = WorldMouse.PointOrderSig ? kMousePointOrder : kMouseSelect;
  } else if (Kmd_Fired(KMD_RKLIK)) {
    if (Mouse_OnField()) {
      if (SelList.count <= 0) {
        Field_PickCellUpd(p);
        EdPalette_Apply(0);
      } else if (SelList.count == 1 && SelList.e[1]) {
        FieldMouse.MouseAction = Fgr::HasPathTarget(SelList.e[1]) ? kMouseRoute : kMouseOrder;
      } else {
        FieldMouse.MouseAction = kMouseOrder;
      }
    }
  } else if (!KeyIsDown(VK_LBUTTON) && !KeyIsDown(VK_RBUTTON)) {
    if (TimerDown(&FieldMouse.HoverPickTimer) && Mouse_OnField()) {
      FieldMouse.HoverPickTimer = kEditorHoverMs;
      FieldMouse.MouseAction = kMouseHover;
    }
  }
  FieldRect_ScrollInput();
  if (KeyIsDown(VK_LBUTTON) && KeyIsDown(VK_F1)) {
    Field_PickCellUpd(p);
    EdPalette_Apply(1);
  }
  SwitchAndShotKeys();
}

void FieldRect_ScrollInput() {
  float dx = 0, dz = 0;
  FieldRect_EdgeScroll(KeyCmds.MouseX, KeyCmds.MouseY, &dx, &dz);
  if (KeyIsDown(VK_LEFT)) dx = -3;
  if (KeyIsDown(VK_RIGHT)) dx = 3;
  if (KeyIsDown(VK_UP)) dz = -3;
  if (KeyIsDown(VK_DOWN)) dz = 3;
  FieldRect.CamLookX += dx;
  FieldRect.CamLookZ += dz;
  FieldRect_ClampCentre();
  const float d = KeyIsDown(VK_PRIOR) ? -0.5f : KeyIsDown(VK_NEXT) ? 0.5f : 0.0f;
  if ((d > 0 && CamObzorY < kFovMax) || (d < 0 && CamObzorY > kFovMin)) CamObzorY += d;
}

int Field_CursorGround(float* p) {
  // The view block the ground pick reads: modelview, projection, then the viewport's four ints.
  double view[34];
  static_assert(sizeof RendScene.PickView.viewport == 2 * sizeof(double), "four ints in two doubles");
  std::memcpy(view, RendScene.PickView.modelview, sizeof RendScene.PickView.modelview);
  std::memcpy(view + 16, RendScene.PickView.projection, sizeof RendScene.PickView.projection);
  std::memcpy(view + 32, RendScene.PickView.viewport, sizeof RendScene.PickView.viewport);
  return Land_PickRay(p, (int)FrameSteps.MouseXf, (int)FrameSteps.MouseYf, view) > 0;
}

int Field_PickCellUpd(float* p) {
  const int hit = Field_CursorGround(p);
  FieldMouse.PickCell = hit ? Land_CellAt(p[0], p[2]) : -1;
  return hit;
}

void Hover_NoteCell(int cell) {
  if (cell > 0) FieldMouse.HoverCell = cell;
  else FieldMouse.CursorCode = 0;
}

void Cursor_Rule() {
  if (FieldMouse.HoverCell <= 0) return;
  const int cell = FieldMouse.HoverCell;
  FieldMouse.HoverCell = 0;
  const int kind = Land_CellValid(cell) ? Land_Layer(visUnderGround)[cell].cursor : 0;
  const int* player = Side_Rec(Sides.PlayerSide);
  const int level = player ? player[kSideLevel] : 0;
  const int bunker = player ? player[kSideBunker] : 0;
  int& code = FieldMouse.CursorCode;
  if (kind == kCursorAngelGround)
    code = bunker == fgrAngBunker ? kTxDecoCrystal : bunker == fgrNekBunker ? kTxDecoTree : 0;
  else if (kind == kCursorNekroGround)
    code = bunker == fgrAngBunker ? kTxDecoTree : bunker == fgrNekBunker ? kTxDecoCrystal : 0;
  else code = Cell_OfferCode(kind, level);
}

void Cursor_DrawOverlay() {
  const int cx = KeyCmds.MouseX, cy = KeyCmds.MouseY;
  glDisable(GL_SCISSOR_TEST);
  glViewport(0, 0, Win.WinWidth, Win.WinHeight);
  Gl2D_Begin(0, Win.WinWidth, 0, Win.WinHeight);
  if (FieldMouse.FieldDragState == kDragRect) {
    int x, y, w, h;
    Rect_FromCorners(FieldMouse.FieldDragStartX, FieldMouse.FieldDragStartY, cx, cy, &x, &y, &w, &h);
    Gl2D_OutlineRectArgb((float)x, (float)y, (float)w, (float)h, 0xFFFFFFFF);
  }
  Gl_BlendMode(kBlendAlpha);
  Tex_Bind(&TexTable, kTxCursor);
  if (MoveOrders.OrderWaitMs != 0) glColor4ub(255, 255, 0, 200);
  else glColor4f(1, 1, 1, 1);
  Gl2D_TexRect((float)cx, (float)(cy - 32), 32, 32, 1, 0, 1);
  if (WorldMouse.PointOrderSig != 0) {
    Tex_Bind(&TexTable, WorldMouse.CarriedTex);
    glColor4f(1, 1, 1, 1);
    Gl2D_TexRect((float)(cx + 16), (float)cy, 32, 32, 1, 0, 1);
  }
  if (Slot3_IsSet()) {
    Tex_Bind(&TexTable, kTxSlotMark);
    glColor4ub(255, 255, 255, 200);
    Gl2D_TexRect((float)(cx + 16), (float)(cy - 32), 32, 32, 1, 0, 1);
  } else if (FieldMouse.CursorCode >= 1) {
    Tex_Bind(&TexTable, FieldMouse.CursorCode);
    glColor4f(1, 1, 1, 1);
    Gl2D_TexRect((float)(cx + 32), (float)(cy - 32), 32, 32, 1, 0, 1);
  }
  if (Screens.GuiHintStrip2) {
    const int strip[4] = {Screens.GuiHintStrip2->x, Screens.GuiHintStrip2->y, Screens.GuiHintStrip2->w,
                          Screens.GuiHintStrip2->h};
    Gui_HintDraw(strip);
  }
  Gl2D_End();
}
