// The frames of the three program modes and the game update of play.
#include "app/mode_frames.h"

#include <cstring>

#include "app/editor_frame.h"
#include "app/field_mouse.h"
#include "app/frame_entry.h"
#include "app/start_frame.h"
#include "app/window.h"
#include "catalogue/new_world.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "gm/org_base.h"
#include "gui/gui.h"
#include "gui/gui_list.h"
#include "gui/hints.h"
#include "gui/program_mode.h"
#include "gui/value_input.h"
#include "render/area_queue.h"
#include "render/field.h"
#include "render/gl2d.h"
#include "render/kmd_block.h"
#include "render/scene.h"
#include "shell/key_commands.h"
#include "shell/msgbase.h"
#include "shell/random.h"
#include "shell/rect.h"
#include "ui/screens.h"
#include "world/fgrs_update.h"
#include "world/figure_ops.h"
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

// What the layers below the interface asked of it: a program mode, the code window's message.
void Requests_CarryOut() {
  if (ProgModeReq) {
    const int mode = ProgModeReq;
    ProgModeReq = 0;
    SetProgramMode(mode);
  }
  if (CodeWinMsgReq) {
    GuiList* rows = GuiList_Of(CodeWinText);
    const char* text = MsgBase_TextOrNull(CodeWinMsgReq);
    CodeWinMsgReq = 0;
    if (rows && text) {
      rows->rows.clear();
      GuiList_Insert(rows, text, "", -1, 1);
    }
  }
}

void FrameByMode(int focus) {
  Requests_CarryOut();
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
  Requests_CarryOut();  // a message a trigger showed is in this frame's picture
  Cursor_Rule();
}

void Game_TickUpd() {
  if (!GameTick.skyFogOn) {
    TimeMsTimer_Init(&GameTick.skyFog, 0.5f, 0.1f, 0.9f, 0.00032f, kTimerPingPong, 10);
    GameTick.skyFogOn = 1;
  }
  if (!o2::GamePause) o3::SkyFogG = TimeMsTimer_Upd(&GameTick.skyFog, 0);
  TimerDownRest(&RangOfferWaitMs);
  AmbushTick = 0;
  // The editor's pre-step is the part both frames share.
  Edit_TickUpd(1);
  if (TimerDown(&GameTick.passWait)) {
    GameTick.passWait = kPassRebuildMs;
    PassMaps_Rebuild();
  }
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
      } else if (Field_CursorGround(p)) {
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
        Hover_NoteCell(Land_CellAt(HoverFgr->priv_position_x, HoverFgr->priv_position_z));
      } else {
        Hover_NoteCell(Field_CursorGround(p) ? Land_CellAt(p[0], p[2]) : -1);
      }
      break;
    case 5:
      if (Field_CursorGround(p)) {
        int cell = Land_CellAt(p[0], p[2]);
        if (SelList.count == 1 && SelList.e[1]) {
          // No valid cell is no target (0): a negative target would clear itself later anyway.
          SelList.e[1]->targPathKle = cell > 0 ? cell : 0;
          Land_CellQuad(cell);
        }
        FgrFx_SpawnW(p[0], p[2], 5.0f);
      }
      break;
    case 6: Field_CarryStep(); break;
    default: break;
  }
  MouseAction = 0;
}
