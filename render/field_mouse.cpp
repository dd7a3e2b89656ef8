// The play field's mouse handler and the cursor overlay.
#include "render/field_mouse.h"

#include <GL/gl.h>

#include <cstdlib>

#include "figures/fgr.h"
#include "figures/side.h"
#include "gm/kmd_block.h"
#include "platform/platform.h"
#include "render/field.h"
#include "render/gl2d.h"
#include "render/tex_names.h"
#include "render/texture.h"
#include "shell/frame_clock.h"
#include "shell/geometry.h"
#include "shell/rect.h"
#include "shell/window.h"
#include "ui/buttons.h"
#include "ui/editor_frame.h"
#include "ui/hints.h"
#include "ui/screens.h"
#include "world/movement.h"
#include "world/selection.h"

constexpr int kDragPixels = 4;
constexpr int kDragLockMs = 200;
constexpr int kHoverMs = 330;
constexpr int kMiniMapOrderMs = 350;

int MiniMap_Cursor(float* wx, float* wz) {
  TimerDownRest(&MiniMapOrderGuard);
  const t_MiniMapRect& m = MiniMapRect;
  if (!Rect_ContainsPt(MouseX, MouseY, m.x, m.y, m.w, m.h)) return 0;
  MiniMap_PixToWorld((float)MouseX, (float)MouseY, wx, wz);
  if (!KeyIsDown(VK_LBUTTON)) return 1;
  FieldRect.centreX = *wx;
  FieldRect.centreZ = *wz;
  FieldRect_ClampCentre();
  return 2;
}

int MiniMap_Input() {
  float wx, wz;
  if (FieldDragState == 2 || FieldDragLock != 0) {
    TimerDownRest(&MiniMapOrderGuard);
    return 0;
  }
  const int at = MiniMap_Cursor(&wx, &wz);
  if (at != 1) return at ? 1 : 0;
  if (Kmd_Fired(KMD_RKLIK) && SelList.count > 0 && MiniMapOrderGuard == 0) {
    MiniMapOrderGuard = kMiniMapOrderMs;
    Sel_OrderMoveTo(&SelList, wx, wz);
    OrderWaitMs = 0;  // the next ground order is a new route, not a waypoint
    LastOrderX = (int)wx;
    LastOrderZ = (int)wz;
    return 1;
  }
  return 0;
}

void Field_ArmSelect() {
  FieldDragState = 0;
  MouseAction = PointOrderSig ? 6 : 1;
}

void Field_ArmOrder() {
  int n = SelList.count;
  if (n <= 0) return;
  Fgr* one = n == 1 ? SelList.e[1] : nullptr;
  if (one) {
    int owner = Fgr::Owner(one);
    if (owner != 0 && owner != PlayerSide) return;
  }
  MouseAction = one && Fgr::HasPathTarget(one) ? 5 : 3;
}

void Field_GameMouse() {
  if (MiniMap_Input()) return;
  if (FieldDragState != 2) {
    if (Kmd_Fired(KMD_KLIK) && FieldDragLock == 0) {
      FieldSelCount++;
      if (Mouse_OnField()) Field_ArmSelect();
    } else if (Kmd_Fired(KMD_RKLIK) && FieldDragLock == 0) {
      FieldOrdCount++;
      if (Mouse_OnField()) Field_ArmOrder();
    } else if (!KeyIsDown(VK_LBUTTON) && !KeyIsDown(VK_RBUTTON) && TimerDown(&HoverPickTimer) &&
               FieldDragLock == 0 && Mouse_OnField()) {
      HoverPickTimer = kHoverMs;
      MouseAction = 4;
    }
  }
  if (FieldDragState == 2 && Kmd_Fired(KMD_KLIK)) {
    FieldDragState = 0;
    FieldDragLock = kDragLockMs;
    MouseAction = 2;
  }
  if (PointOrderSig == 0 && KeyIsDown(VK_LBUTTON)) {
    if (FieldDragState == 0) {
      if (Mouse_OnField()) {
        FieldDragStartX = MouseX;
        FieldDragStartY = MouseY;
        FieldDragState = 1;
      }
    } else if (FieldDragState == 1) {
      if (std::abs(MouseX - FieldDragStartX) >= kDragPixels ||
          std::abs(MouseY - FieldDragStartY) >= kDragPixels)
        FieldDragState = 2;
    }
  } else if (FieldDragState == 1 && !KeyIsDown(VK_LBUTTON)) {
    // A press that never became a drag ends with its button, also when its release selected
    // nothing (locked, or over the minimap): a later press must not drag from this one's point.
    FieldDragState = 0;
  }
  if (FieldDragLock == 0) FieldRect_ScrollInput();
  if (Kmd_Fired(KMD_HOME)) SideSwitchReq = 1;
  if (Kmd_Fired(KMD_END)) FloorSwitchReq = 1;
  ScreenShotKey();
}

void Cursor_DrawOverlay() {
  const int cx = MouseX, cy = MouseY;
  glDisable(GL_SCISSOR_TEST);
  glViewport(0, 0, WinWidth, WinHeight);
  Gl2D_Begin(0, WinWidth, 0, WinHeight);
  if (FieldDragState == 2) {
    int x, y, w, h;
    Rect_FromCorners(FieldDragStartX, FieldDragStartY, cx, cy, &x, &y, &w, &h);
    Gl2D_OutlineRectArgb((float)x, (float)y, (float)w, (float)h, 0xFFFFFFFF);
  }
  Gl_BlendMode(38);
  Tex_Bind(&TexTable, kTxCursor);
  if (OrderWaitMs != 0) glColor4ub(255, 255, 0, 200);
  else glColor4f(1, 1, 1, 1);
  Gl2D_TexRect((float)cx, (float)(cy - 32), 32, 32, 1, 0, 1);
  if (PointOrderSig != 0) {
    Tex_Bind(&TexTable, CarriedTex);
    glColor4f(1, 1, 1, 1);
    Gl2D_TexRect((float)(cx + 16), (float)cy, 32, 32, 1, 0, 1);
  }
  if (Slot3_IsSet()) {
    Tex_Bind(&TexTable, kTxSlotMark);
    glColor4ub(255, 255, 255, 200);
    Gl2D_TexRect((float)(cx + 16), (float)(cy - 32), 32, 32, 1, 0, 1);
  } else if (CursorCode >= 1) {
    Tex_Bind(&TexTable, CursorCode);
    glColor4f(1, 1, 1, 1);
    Gl2D_TexRect((float)(cx + 32), (float)(cy - 32), 32, 32, 1, 0, 1);
  }
  if (GuiHintStrip2) {
    const int strip[4] = {GuiHintStrip2->x, GuiHintStrip2->y, GuiHintStrip2->w, GuiHintStrip2->h};
    Gui_HintDraw(strip);
  }
  Gl2D_End();
}
