// The frames of the three program modes and the game update of play.
#include "world/mode_frames.h"

#include <cstring>

#include "catalogue/new_world.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "gm/kmd_block.h"
#include "gm/org_base.h"
#include "render/area_queue.h"
#include "render/field.h"
#include "render/field_mouse.h"
#include "render/frame_entry.h"
#include "render/gl2d.h"
#include "render/scene.h"
#include "shell/key_commands.h"
#include "shell/random.h"
#include "shell/rect.h"
#include "shell/window.h"
#include "ui/editor_frame.h"
#include "ui/gui.h"
#include "ui/hints.h"
#include "ui/program_mode.h"
#include "ui/screens.h"
#include "ui/start_frame.h"
#include "ui/value_input.h"
#include "world/fgrs_update.h"
#include "world/fog.h"
#include "world/income.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/paths.h"
#include "world/procs.h"
#include "world/ranks.h"
#include "world/selection.h"
#include "world/sides.h"
#include "world/stage_requests.h"

float MouseXf, MouseYf;
int GameExitReq;
t_GameTick GameTick = {0, {}, 1};

constexpr int kPassRebuildMs = 500;
constexpr float kPickBox = 8.0f;  // the cursor's pick box in window pixels

void FrameByMode(int focus) {
  switch (ProgMode) {
    case 1: Mode1_Frame(focus); break;
    case 2: GameFrame(focus); break;
    case 3: Mode3_Frame(); break;
    default: break;
  }
}

static void ValueInputSteps() {
  InpLine_EditInt(&InpEditReq);
  InpLine_EditFlo(&InpEditReq);
  InpLine_EditStr(&InpEditReq);
  InpLine_EditKod(&InpEditReq);
}

void GameFrame(int focus) {
  FrameTimer_Tick();
  if (GameExitReq) o2::NeedExit = 1;
  ValueInputSteps();
  if (focus) {
    Gui_CursorPos(&MouseX, &MouseY);
    Kmd_UpdAll();
    GameUpdate();
    SceneViewportDraw();
  }
  FpsText_Draw();
}

void Mode3_Frame() {
  FrameTimer_Tick();
  if (GameExitReq) o2::NeedExit = 1;
  if (Window_DragByMouse()) return;
  ValueInputSteps();
  Gui_CursorPos(&MouseX, &MouseY);
  Kmd_UpdAll();
  EditorFrame_Update();
  SceneViewportDrawPause();
  Gl2D_Begin(0, WinWidth, 0, WinHeight);
  if (InpEditReq.kodState != 0) InputField_Draw(80, 200, 5, 50, "code:", "crgbc");
  Gl2D_End();
  FpsText_Draw();
}

// The cursor shape over the hovered cell of the shown floor: what its cursor kind offers the
// player's side at its level (kinds 9 and 10 by the side's bunker).
static void CursorCodeStep() {
  if (HoverCell <= 0) return;
  int code = 0;
  if (Land_CellValid(HoverCell)) {
    int kind = Land_Layer(visUnderGround)[HoverCell].cursor;
    bool sideOk = PlayerSide >= 1 && PlayerSide <= kSides;
    int level = sideOk ? SideTab[PlayerSide - 1][kSideLevel] : 0;
    int bunker = sideOk ? SideTab[PlayerSide - 1][kSideBunker] : 0;
    if (kind == 9) code = bunker == fgrAngBunker ? 80 : bunker == fgrNekBunker ? 81 : 0;
    else if (kind == 10) code = bunker == fgrAngBunker ? 81 : bunker == fgrNekBunker ? 80 : 0;
    else code = Cell_OfferCode(kind, level);
  }
  CursorCode = code;
  HoverCell = 0;
}

void GameUpdate() {
  Game_TickUpd();
  int click = Kmd_Fired(KMD_KLIK) ? 1 : Kmd_Fired(KMD_RKLIK) ? 2 : 0;
  MouseTaken = Gui_MouseAll(click);
  if (MouseTaken) FieldDragState = 0;
  else Field_GameMouse();
  if (Kmd_Fired(KMD_SPACE) && !(MsgPanel && MsgPanel->visible)) o2::GamePause = !o2::GamePause;
  MouseSelectByTool();
  for (int i = 1; i <= 4; i++) FoundBoss[i] = 0;
  Fgrs.SweepDead();
  Etap_ProcRequests();
  if (EtapLocationNom < 1) {
    SetProgramMode(1);
    return;
  }
  Fgrs.ClearNovorod();
  Fgrs_UpdAll(&Fgrs);
  Fgrs_ProcAll(&Fgrs);
  CursorCodeStep();
}

// The two frame-index walkers of the world's animations: every period each of the three indexes
// steps (by the walker's holds, or by 1 or 2 wrapping past the last frame).
static void FrameWalkStep(FrameWalk* w) {
  int n = w->r.lastFrame;
  if (n <= 0 || !TimerDown(&w->wait)) return;
  w->wait = w->period;
  for (int i = 0; i < 3; i++) {
    if (w->r.on) {
      RandTimer_Tick(&w->r, &w->r.frame[i], &w->r.hold[i], 0);
    } else {
      int v = w->r.frame[i] + Rand() % 2 + 1;
      w->r.frame[i] = v > n ? v % (n + 1) : v;
    }
  }
}

void Game_TickUpd() {
  if (!GameTick.skyFogOn) {
    TimeMsTimer_Init(&GameTick.skyFog, 0.5f, 0.1f, 0.9f, 0.00032f, kTimerPingPong, 10);
    GameTick.skyFogOn = 1;
  }
  if (!o2::GamePause) o3::SkyFogG = TimeMsTimer_Upd(&GameTick.skyFog, 0);
  TimerDownRest(&RangOfferWaitMs);
  TimerDownRest(&OrderWaitMs);
  OrderWaitAtFrame = OrderWaitMs;
  AmbushTick = 0;
  if (SideSwitchReq) {
    SideSwitchReq = 0;
    SelList_Clear();
    PlayerSide = PlayerSide == 3 ? 2 : 3;
  }
  VisFloor_SwitchIfReq();
  MouseXf = (float)MouseX;
  MouseYf = (float)MouseY;
  MouseOnMiniMap =
      Rect_ContainsPt(MouseX, MouseY, MiniMapRect.x, MiniMapRect.y, MiniMapRect.w, MiniMapRect.h);
  TimerDownRest(&FieldDragLock);
  InfoPanel2_Show(0);
  Gui_SetToggleFlag(0);
  LiftGuestPanel_Show(0);
  UnitSpellsPanel_Show(0);
  Gui_HintClear();
  Slot3_DropInactive();
  RendScene_Reset(&RendScene);
  FrameWalkStep(&FrameWalk1);
  FrameWalkStep(&FrameWalk2);
  Anim3_Reset();
  for (int* side : SideTab) {
    side[kSideOwnCount] = 0;
    side[kSideSeenCount] = 0;
    for (int w = kSideLevel; w <= kSideLevelLast; w++) side[w] = 0;
  }
  bool sideOk = PlayerSide >= 1 && PlayerSide <= kSides;
  const int* player = sideOk ? SideTab[PlayerSide - 1] : nullptr;
  SideEnerCur = player ? player[kSideEner] : 0;
  SideMatCur = player ? player[kSideMat] : 0;
  for (int g = 1; g <= 4; g++) SideGemCur[g] = player ? player[kSideGem1 + g - 1] : 0;
  SelList_Tidy(&SelList);
  MouseAction = 0;
  DecalQueue.count = 0;
  FogVisRebuild(&Fgrs);
  if (TimerDown(&GameTick.passWait)) {
    GameTick.passWait = kPassRebuildMs;
    PassMaps_Rebuild();
  }
}

// The land point under the cursor through the main view; 0 when the ray meets no land.
static int CursorGround(float* p) {
  // The view block the ground pick reads: modelview, projection, then the viewport's four ints.
  double view[34];
  std::memcpy(view, PickView.modelview, sizeof PickView.modelview);
  std::memcpy(view + 16, PickView.projection, sizeof PickView.projection);
  std::memcpy(view + 32, PickView.viewport, sizeof PickView.viewport);
  return Land_PickRay(p, (int)MouseXf, (int)MouseYf, view);
}

void MouseSelectByTool() {
  const float bx = MouseXf - kPickBox / 2, by = MouseYf - kPickBox / 2;
  float p[3];
  switch (MouseAction) {
    case 1:
      SelectFgrsInRect(&SelList, bx, by, kPickBox, kPickBox, 1);
      OrderWaitMs = 0;
      break;
    case 2: {
      int x, y, w, h;
      Rect_FromCorners(FieldDragStartX, FieldDragStartY, (int)MouseXf, (int)MouseYf, &x, &y, &w, &h);
      SelectFgrsInRect(&SelList, (float)x, (float)y, (float)w, (float)h, 0);
      OrderWaitMs = 0;
      break;
    }
    case 3:
      if (Fgr* target = PickFgrAtCursor(&Fgrs, bx, by, kPickBox, kPickBox, 1)) {
        for (int i = 1; i <= SelList.count; i++)
          if (SelList.e[i]) Fgr_GiveAttackTarget(SelList.e[i], target, 1);
        FgrFx_SpawnW(target->priv_position_x, target->priv_position_z, 20.0f);
      } else if (CursorGround(p)) {
        Sel_OrderMoveTo(&SelList, p[0], p[2]);
        LastOrderX = (int)p[0];
        LastOrderZ = (int)p[2];
        FgrFx_SpawnW(p[0], p[2], 5.0f);
        Land_CellQuad2(Land_CellAt(p[0], p[2]));
      }
      break;
    case 4:
      if (!Mouse_OnField()) {
        HoverFgr = nullptr;
      } else if ((HoverFgr = PickFgrAtCursor(&Fgrs, bx, by, kPickBox, kPickBox, 1))) {
        HoverCell = Land_CellAt(HoverFgr->priv_position_x, HoverFgr->priv_position_z);
      } else if (CursorGround(p)) {
        HoverCell = Land_CellAt(p[0], p[2]);
      }
      break;
    case 5:
      if (CursorGround(p)) {
        int cell = Land_CellAt(p[0], p[2]);
        if (SelList.count == 1 && SelList.e[1]) {
          // No valid cell is no target (0): a negative target would clear itself later anyway.
          SelList.e[1]->targPathKle = cell > 0 ? cell : 0;
          Land_CellQuad(cell);
        }
        FgrFx_SpawnW(p[0], p[2], 5.0f);
      }
      break;
    case 6:
      if (!PointOrderFgr) {
        PointOrderSig = 0;
      } else if (CursorGround(p)) {
        PointOrderX = (int)p[0];
        PointOrderZ = (int)p[2];
        PointOrderFgr->fromPultSig = PointOrderSig + 100;
        Land_CellQuad2(Land_CellAt(p[0], p[2]));
      } else {
        PointOrderFgr->fromPultSig = 0;
        PointOrderFgr = nullptr;
      }
      break;
    default: break;
  }
  MouseAction = 0;
}
