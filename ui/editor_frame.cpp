// The stage editor's frame and field mouse.
#include "ui/editor_frame.h"

#include <GL/gl.h>

#include <cstring>

#include "catalogue/new_world.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "gm/kmd_block.h"
#include "platform/platform.h"
#include "render/area_queue.h"
#include "render/field.h"
#include "render/field_mouse.h"
#include "render/gl2d.h"
#include "render/rend_view.h"
#include "render/scene.h"
#include "render/tex_names.h"
#include "render/texture.h"
#include "shell/frame_clock.h"
#include "shell/geometry.h"
#include "shell/random.h"
#include "shell/rect.h"
#include "shell/window.h"
#include "shell/window_state.h"
#include "ui/buttons.h"
#include "ui/ed_palette.h"
#include "ui/gui.h"
#include "ui/hints.h"
#include "ui/hud.h"
#include "ui/program_mode.h"
#include "world/fgrs_update.h"
#include "world/fog.h"
#include "world/land_grid.h"
#include "world/mode_frames.h"
#include "world/movement.h"
#include "world/procs.h"
#include "world/selection.h"
#include "world/sides.h"

namespace {

constexpr int kHoverPickMs = 520;
constexpr int kMiniMapOrderMs = 350;
constexpr float kPickBox = 8.0f;  // the cursor's pick box in window pixels
constexpr float kFovMax = 45.0f, kFovMin = 30.0f;

// One walker: every period each channel steps by its holds, or by 1 or 2 frames wrapped into 0..N.
void FrameWalk_Step(FrameWalk* w) {
  const int n = w->r.lastFrame;
  if (n <= 0 || !TimerDown(&w->wait)) return;
  w->wait = w->period;
  for (int i = 0; i < 3; i++) {
    if (w->r.on) {
      RandTimer_Tick(&w->r, &w->r.frame[i], &w->r.hold[i], 0);
      continue;
    }
    const int v = w->r.frame[i] + Rand() % 2 + 1;
    w->r.frame[i] = v > n ? v % (n + 1) : v < 0 ? (v - n) % (n + 1) + n : v;
  }
}

// The side words a frame counts afresh, and the player's stocks as the screens show them.
void Sides_FrameReset() {
  for (int* side : SideTab) {
    side[kSideOwnCount] = 0;
    side[kSideSeenCount] = 0;
    for (int w = kSideLevel; w <= kSideLevelLast; w++) side[w] = 0;
  }
  const bool ok = PlayerSide >= 1 && PlayerSide <= kSides;
  const int* player = ok ? SideTab[PlayerSide - 1] : nullptr;
  SideEnerCur = player ? player[kSideEner] : 0;
  SideMatCur = player ? player[kSideMat] : 0;
  for (int g = 1; g <= 4; g++) SideGemCur[g] = player ? player[kSideGem1 + g - 1] : 0;
}

// PickCell from the cursor now. A ray that meets no valid cell (the sky, the border) picks none:
// a tool must never land on the cell the cursor left.
int PickCellUpd(float* p) {
  const int hit = Field_CursorGround(p);
  PickCell = hit ? Land_CellAt(p[0], p[2]) : -1;
  return hit;
}

// A click over the editor's tool box belongs to the box, whether or not a cell of it used it: the
// land behind the palette is never painted through it.
int ClickOverEditorBox(int click) {
  const GuiWin* b = EditorBox;
  return click && b && b->visible && GuiPanelMode3 && GuiPanelMode3->visible &&
         Rect_ContainsPt(MouseX, MouseY, b->x, b->y, b->w, b->h);
}

void ProjectFgr(const Fgr* f, int* sx, int* sy, int* ok) {
  *ok = Proj_ToScreen(f->priv_position_x, f->priv_position_y, f->priv_position_z, sx, sy, &PickView) == 1;
}

}  // namespace

void EditorFrame_Update() {
  Edit_TickUpd();
  const int click = Kmd_Fired(KMD_KLIK) ? 1 : Kmd_Fired(KMD_RKLIK) ? 2 : 0;
  MouseTaken = Gui_MouseAll(click);
  if (!MouseTaken && ClickOverEditorBox(click)) MouseTaken = 1;
  if (!MouseTaken) Field_EditorMouse();
  Field_EditorPlace();
  Fgrs.SweepDead();
  Fgrs.ClearNovorod();
  Fgrs_UpdAll(&Fgrs);
  Cursor_Rule();
}

void Edit_TickUpd(int forPlay) {
  TimerDownRest(&OrderWaitMs);
  OrderWaitAtFrame = OrderWaitMs;
  if (SideSwitchReq) {
    SideSwitchReq = 0;
    SelList_Clear();
    PlayerSide = PlayerSide == 3 ? 2 : 3;
  }
  VisFloor_SwitchIfReq();
  MouseXf = (float)MouseX;
  MouseYf = (float)MouseY;
  const t_MiniMapRect& m = MiniMapRect;
  MouseOnMiniMap = Rect_ContainsPt(MouseX, MouseY, m.x, m.y, m.w, m.h);
  TimerDownRest(&FieldDragLock);
  InfoPanel2_Show(0);
  Gui_SetToggleFlag(0);
  LiftGuestPanel_Show(0);
  UnitSpellsPanel_Show(0);
  Gui_HintClear();
  if (forPlay) Slot3_DropInactive();
  RendScene_Reset(&RendScene);
  FrameWalk_Step(&FrameWalk1);
  FrameWalk_Step(&FrameWalk2);
  Anim3_Reset();
  Sides_FrameReset();
  SelList_Tidy(&SelList);
  MouseAction = 0;
  DecalQueue.count = 0;
  FogVisRebuild(&Fgrs);
}

void Field_EditorMouse() {
  if (MiniMap_Click()) return;
  float p[3];
  if (Kmd_Fired(KMD_KLIK)) {
    if (Mouse_OnField()) MouseAction = PointOrderSig ? 6 : 1;
  } else if (Kmd_Fired(KMD_RKLIK)) {
    if (Mouse_OnField()) {
      if (SelList.count <= 0) {
        PickCellUpd(p);
        EdPalette_Apply(0);
      } else if (SelList.count == 1 && SelList.e[1]) {
        MouseAction = Fgr::HasPathTarget(SelList.e[1]) ? 5 : 3;
      } else {
        MouseAction = 3;
      }
    }
  } else if (!KeyIsDown(VK_LBUTTON) && !KeyIsDown(VK_RBUTTON)) {
    if (TimerDown(&HoverPickTimer) && Mouse_OnField()) {
      HoverPickTimer = kHoverPickMs;
      MouseAction = 4;
    }
  }
  FieldRect_ScrollInput();
  if (KeyIsDown(VK_LBUTTON) && KeyIsDown(VK_F1)) {
    PickCellUpd(p);
    EdPalette_Apply(1);
  }
  if (Kmd_Fired(KMD_HOME)) SideSwitchReq = 1;
  if (Kmd_Fired(KMD_END)) FloorSwitchReq = 1;
  ScreenShotKey();
}

void Field_EditorPlace() {
  float p[3];
  const int ground = PickCellUpd(p);
  const float bx = MouseXf - kPickBox / 2, by = MouseYf - kPickBox / 2;
  switch (MouseAction) {
    case 1:
      SelList_Clear();
      SelectFgrsInRect(&SelList, bx, by, kPickBox, kPickBox, 1);
      OrderWaitMs = 0;
      break;
    case 3:
      if (Fgr* target = PickFgrAtCursor(&Fgrs, bx, by, kPickBox, kPickBox, 1)) {
        if (ClickMode == 2) {
          Field_LinkSel(target);
        } else {
          for (int i = 1; i <= SelList.count; i++)
            if (SelList.e[i]) Fgr_GiveAttackTarget(SelList.e[i], target, 1);
        }
      } else if (ground) {
        const int cell = Land_CellAt(p[0], p[2]);
        if (ClickMode < 3 || ClickMode > 6) {
          Sel_OrderMoveTo(&SelList, p[0], p[2]);
          LastOrderX = (int)p[0];
          LastOrderZ = (int)p[2];
        } else if (Land_CellValid(cell)) {
          Field_MarchSel(ClickMode - 2, cell);
        } else {
          break;
        }
        Land_CellQuad2(cell);
      }
      break;
    case 4:
      if (!Mouse_OnField()) {
        HoverFgr = nullptr;
      } else if ((HoverFgr = PickFgrAtCursor(&Fgrs, bx, by, kPickBox, kPickBox, 1))) {
        float x, z;
        Fgr::PosXZ(HoverFgr, &x, &z);
        Hover_NoteCell(Land_CellAt(x, z));
      } else {
        Hover_NoteCell(ground ? PickCell : -1);
      }
      break;
    case 5:
      if (ground && SelList.count == 1 && SelList.e[1]) {
        SelList.e[1]->targPathKle = PickCell;
        Land_CellQuad(PickCell);
      }
      break;
    case 6: Field_CarryStep(); break;
    default: break;
  }
  MouseAction = 0;
}

void Field_CarryStep() {
  float p[3];
  if (!PointOrderFgr) {
    PointOrderSig = 0;
  } else if (Field_CursorGround(p)) {
    PointOrderX = (int)p[0];
    PointOrderZ = (int)p[2];
    PointOrderFgr->fromPultSig = PointOrderSig + 100;
    Land_CellQuad2(Land_CellAt(p[0], p[2]));
  } else {
    // The figure's word first: clearing the pointer first would leave nothing to write through.
    PointOrderFgr->fromPultSig = 0;
    PointOrderFgr = nullptr;
  }
}

void Field_MarchSel(int mode, int cell) {
  Fgr* f = pFgrSelectedOne(1);
  if (!f) return;
  switch (mode) {
    case 1:
      f->Marsh1 = cell;
      f->MarshKuda = 1;
      break;
    case 2: f->Marsh2 = cell; break;
    case 3: f->Marsh3 = cell; break;
    case 4: f->Marsh4 = cell; break;
    default: break;
  }
}

void Field_LinkSel(const Fgr* target) {
  Fgr* f = pFgrSelectedOne(1);
  if (f && target) f->activateFgr = target->nom;
}

int MiniMap_Click() {
  float wx, wz;
  const int at = MiniMap_Cursor(&wx, &wz);
  if (at != 1) return at ? 1 : 0;
  if (Kmd_Fired(KMD_RKLIK) && SelList.count > 0 && MiniMapOrderGuard == 0) {
    MiniMapOrderGuard = kMiniMapOrderMs;
    OrderWaitMs = 0;
    LastOrderX = (int)wx;
    LastOrderZ = (int)wz;
    return 1;
  }
  return 0;
}

void FieldRect_ScrollInput() {
  float dx = 0, dz = 0;
  FieldRect_EdgeScroll(MouseX, MouseY, &dx, &dz);
  if (KeyIsDown(VK_LEFT)) dx = -3;
  if (KeyIsDown(VK_RIGHT)) dx = 3;
  if (KeyIsDown(VK_UP)) dz = -3;
  if (KeyIsDown(VK_DOWN)) dz = 3;
  FieldRect.centreX += dx;
  FieldRect.centreZ += dz;
  FieldRect_ClampCentre();
  const float d = KeyIsDown(VK_PRIOR) ? -0.5f : KeyIsDown(VK_NEXT) ? 0.5f : 0.0f;
  if ((d > 0 && CamObzorY < kFovMax) || (d < 0 && CamObzorY > kFovMin)) CamObzorY += d;
}

void Field_DrawMarkers() {
  if (SelList.count != 1 || !SelList.e[1]) return;
  const Fgr* f = SelList.e[1];
  int sx = 0, sy = 0, ok = 0;
  ProjectFgr(f, &sx, &sy, &ok);
  if (!ok) return;
  Tex_Off();
  Gl_BlendMode(0);
  glColor4f(0, 0, 0, 1);
  Gl2D_Line((float)sx, (float)sy, (float)WinWidth, (float)WinHeight);
  const Fgr* linked = Fgrs_pFgr(f->activateFgr);
  if (!linked || !linked->Status()) return;
  int lx = 0, ly = 0;
  ProjectFgr(linked, &lx, &ly, &ok);
  if (ok) Gl2D_LineRGB2((float)sx, (float)sy, (float)lx, (float)ly, 0, 0, 0, 1, 1, 1);
}

int Field_CursorGround(float* p) {
  // The view block the ground pick reads: modelview, projection, then the viewport's four ints.
  double view[34];
  static_assert(sizeof PickView.viewport == 2 * sizeof(double), "four ints in two doubles");
  std::memcpy(view, PickView.modelview, sizeof PickView.modelview);
  std::memcpy(view + 16, PickView.projection, sizeof PickView.projection);
  std::memcpy(view + 32, PickView.viewport, sizeof PickView.viewport);
  return Land_PickRay(p, (int)MouseXf, (int)MouseYf, view) > 0;
}

void Hover_NoteCell(int cell) {
  if (cell > 0) HoverCell = cell;
  else CursorCode = 0;
}

void Cursor_Rule() {
  if (HoverCell <= 0) return;
  const int cell = HoverCell;
  HoverCell = 0;
  const int kind = Land_CellValid(cell) ? Land_Layer(visUnderGround)[cell].cursor : 0;
  const bool ok = PlayerSide >= 1 && PlayerSide <= kSides;
  const int level = ok ? SideTab[PlayerSide - 1][kSideLevel] : 0;
  const int bunker = ok ? SideTab[PlayerSide - 1][kSideBunker] : 0;
  if (kind == 9)
    CursorCode = bunker == fgrAngBunker ? kTxDecoCrystal : bunker == fgrNekBunker ? kTxDecoTree : 0;
  else if (kind == 10)
    CursorCode = bunker == fgrAngBunker ? kTxDecoTree : bunker == fgrNekBunker ? kTxDecoCrystal : 0;
  else CursorCode = Cell_OfferCode(kind, level);
}
