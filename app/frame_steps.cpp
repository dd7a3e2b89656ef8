// The steps the three frames share.
#include "app/frame_steps.h"

#include <GL/gl.h>

#include <string>

#include "app/field_mouse.h"
#include "catalogue/new_world.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "gm/org_base.h"
#include "gui/gui.h"
#include "gui/gui_list.h"
#include "gui/hints.h"
#include "gui/value_input.h"
#include "render/area_queue.h"
#include "render/field.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/kmd_block.h"
#include "render/scene.h"
#include "shell/frame_clock.h"
#include "shell/key_commands.h"
#include "shell/msgbase.h"
#include "shell/random.h"
#include "shell/rect.h"
#include "shell/text.h"
#include "shell/window_state.h"
#include "ui/ed_palette.h"
#include "ui/hud.h"
#include "ui/program_mode.h"
#include "ui/screens.h"
#include "world/figure_ops.h"
#include "world/fog.h"
#include "world/income.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/selection.h"
#include "world/sides.h"

t_FrameSteps FrameSteps;

namespace {

constexpr float kPickBox = 8.0f;  // the cursor's pick box in window pixels

struct FpsCounterRec {
  int ms;
  int frames;
  int shown;
} FpsCounter;

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
  for (int* side : Sides.SideTab) {
    side[kSideOwnCount] = 0;
    side[kSideSeenCount] = 0;
    for (int w = kSideLevel; w <= kSideLevelLast; w++) side[w] = 0;
  }
  const int* player = Side_Rec(Sides.PlayerSide);
  SideShown.SideEnerCur = player ? player[kSideEner] : 0;
  SideShown.SideMatCur = player ? player[kSideMat] : 0;
  for (int g = 1; g <= 4; g++) SideShown.SideGemCur[g] = player ? player[kSideGem1 + g - 1] : 0;
}

// Pending action 6 of both frames: the carried figure takes the ground point under the cursor as
// its signal (its value + 100); with the cursor off the land it is let go.
void Field_CarryStep() {
  float p[3];
  if (!WorldMouse.PointOrderFgr) {
    WorldMouse.PointOrderSig = 0;
  } else if (Field_CursorGround(p)) {
    WorldMouse.PointOrderX = (int)p[0];
    WorldMouse.PointOrderZ = (int)p[2];
    WorldMouse.PointOrderFgr->fromPultSig = WorldMouse.PointOrderSig + 100;
    Land_CellQuad2(Land_CellAt(p[0], p[2]));
  } else {
    // The figure's word first: clearing the pointer first would leave nothing to write through.
    WorldMouse.PointOrderFgr->fromPultSig = 0;
    WorldMouse.PointOrderFgr = nullptr;
  }
}

// What a right click on the ground or on a figure does by the editor's click mode, to the one
// selected figure (a squad's first unit): march point 1..4 (the first also sets MarshKuda), the
// link.
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

// The one dispatcher of the pending mouse action. The editor clears the selection before a click
// selects, drags no rectangle, links or sets march points by its click mode where play orders,
// keeps its raw cell as a route target (play gives no valid cell as 0) and spawns no markers.
void MouseActions_Run(int editor) {
  const float bx = FrameSteps.MouseXf - kPickBox / 2, by = FrameSteps.MouseYf - kPickBox / 2;
  float p[3];
  switch (FieldMouse.MouseAction) {
    case kMouseSelect:
      if (editor) SelList_Clear();
      SelectFgrsInRect(&SelList, bx, by, kPickBox, kPickBox, 1);
      break;
    case kMouseSelectRect: {
      if (editor) break;
      int x, y, w, h;
      Rect_FromCorners(FieldMouse.FieldDragStartX, FieldMouse.FieldDragStartY, (int)FrameSteps.MouseXf,
                       (int)FrameSteps.MouseYf, &x, &y, &w, &h);
      SelectFgrsInRect(&SelList, (float)x, (float)y, (float)w, (float)h, 0);
      break;
    }
    case kMouseOrder:
      if (Fgr* target = PickFgrAtCursor(&Fgrs, bx, by, kPickBox, kPickBox, 1)) {
        if (editor && EdPalette.ClickMode == kEdClickLink) {
          Field_LinkSel(target);
        } else {
          for (int i = 1; i <= SelList.count; i++)
            if (SelList.e[i]) Fgr_GiveAttackTarget(SelList.e[i], target, 1);
        }
        if (!editor) FgrFx_SpawnW(target->priv_position_x, target->priv_position_z, 20.0f);
      } else if (Field_CursorGround(p)) {
        const int cell = Land_CellAt(p[0], p[2]);
        if (editor && EdPalette.ClickMode >= kEdClickMarch1 && EdPalette.ClickMode <= kEdClickMarch4) {
          if (!Land_CellValid(cell)) break;
          Field_MarchSel(EdPalette.ClickMode - kEdClickMarch1 + 1, cell);
        } else {
          Sel_OrderMoveTo(&SelList, p[0], p[2]);
          FieldMouse.LastOrderX = (int)p[0];
          FieldMouse.LastOrderZ = (int)p[2];
          if (!editor) FgrFx_SpawnW(p[0], p[2], 5.0f);
        }
        Land_CellQuad2(cell);
      }
      break;
    case kMouseHover:
      if (!Mouse_OnField()) {
        WorldMouse.HoverFgr = nullptr;
      } else if ((WorldMouse.HoverFgr = PickFgrAtCursor(&Fgrs, bx, by, kPickBox, kPickBox, 1))) {
        Hover_NoteCell(
            Land_CellAt(WorldMouse.HoverFgr->priv_position_x, WorldMouse.HoverFgr->priv_position_z));
      } else {
        Hover_NoteCell(Field_CursorGround(p) ? Land_CellAt(p[0], p[2]) : -1);
      }
      break;
    case kMouseRoute:
      if (Field_CursorGround(p)) {
        const int cell = Land_CellAt(p[0], p[2]);
        if (SelList.count == 1 && SelList.e[1]) {
          // In play no valid cell is no target (0): a negative target would clear itself later.
          SelList.e[1]->targPathKle = editor || cell > 0 ? cell : 0;
          Land_CellQuad(cell);
        }
        if (!editor) FgrFx_SpawnW(p[0], p[2], 5.0f);
      }
      break;
    case kMousePointOrder: Field_CarryStep(); break;
    default: break;
  }
  FieldMouse.MouseAction = kMouseNone;
}

}  // namespace

void Frame_ExitIfAsked() {
  if (FrameSteps.GameExitReq) o2::NeedExit = 1;
}

void Frame_ValueInput() {
  InpLine_EditInt(&ValueInput.InpEditReq);
  InpLine_EditFlo(&ValueInput.InpEditReq);
  InpLine_EditStr(&ValueInput.InpEditReq);
  InpLine_EditKod(&ValueInput.InpEditReq);
}

void Frame_KeyCommands() {
  Gui_CursorPos(&KeyCmds.MouseX, &KeyCmds.MouseY);
  Kmd_UpdAll();
}

int Frame_ClickCode() {
  return Kmd_Fired(KMD_KLIK) ? kClickLeft : Kmd_Fired(KMD_RKLIK) ? kClickRight : kClickNone;
}

int Frame_MouseToWidgets() {
  const int click = Frame_ClickCode();
  FieldMouse.MouseTaken = Gui_MouseAll(click);
  return click;
}

void Edit_TickUpd(int forPlay) {
  TimerDownRest(&MoveOrders.OrderWaitMs);
  MoveOrders.OrderWaitAtFrame = MoveOrders.OrderWaitMs;
  if (FieldMouse.SideSwitchReq) {
    FieldMouse.SideSwitchReq = 0;
    SelList_Clear();
    Sides.PlayerSide = Side_Switch(Sides.PlayerSide);
  }
  VisFloor_SwitchIfReq();
  FrameSteps.MouseXf = (float)KeyCmds.MouseX;
  FrameSteps.MouseYf = (float)KeyCmds.MouseY;
  const t_MiniMapRect& m = MiniMapRect;
  FieldMouse.MouseOnMiniMap = Rect_ContainsPt(KeyCmds.MouseX, KeyCmds.MouseY, m.x, m.y, m.w, m.h);
  TimerDownRest(&FieldMouse.FieldDragLock);
  InfoPanel2_Show(0);
  Gui_SetToggleFlag(0);
  LiftGuestPanel_Show(0);
  UnitSpellsPanel_Show(0);
  Gui_HintClear();
  if (forPlay) Slot3_DropInactive();
  RendScene_Reset(&RendScene);
  FrameWalk_Step(&FrameWalks.FrameWalk1);
  FrameWalk_Step(&FrameWalks.FrameWalk2);
  Anim3_Reset();
  Sides_FrameReset();
  SelList_Tidy(&SelList);
  FieldMouse.MouseAction = kMouseNone;
  DecalQueue.count = 0;
  FogVisRebuild(&Fgrs);
}

void MouseSelectByTool() { MouseActions_Run(0); }

void Field_EditorPlace() {
  float p[3];
  Field_PickCellUpd(p);
  MouseActions_Run(1);
}

void Frame_Tail(int codeField) {
  if (codeField) {
    Gl2D_Begin(0, Win.WinWidth, 0, Win.WinHeight);
    if (ValueInput.InpEditReq.kodState != kInpIdle) InputField_Draw(80, 200, 5, 50, "code:", "crgbc");
    Gl2D_End();
  }
  FpsText_Draw();
}

int FpsText_Draw() {
  if (!o2::DrawFPS) return 1;
  FpsCounter.ms += FrameClock.KadrStep;
  FpsCounter.frames++;
  if (FpsCounter.ms > 1000) {
    FpsCounter.shown = FpsCounter.frames;
    FpsCounter.ms -= 1000;
    FpsCounter.frames = 0;
  }
  glColor4f(1, 1, 0, 1);
  const std::string text = StrFmt("fps:%d", FpsCounter.shown);
  Font_PrintWin(text.c_str(), 1, 3, 2);
  return 1;
}
