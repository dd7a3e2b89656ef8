// The frame of play and its game update.
#include "app/play_frame.h"

#include "app/field_mouse.h"
#include "app/frame_entry.h"
#include "app/frame_steps.h"
#include "app/requests.h"
#include "figures/fgrs.h"
#include "figures/stage.h"
#include "gm/org_base.h"
#include "render/field.h"
#include "render/kmd_block.h"
#include "ui/hud.h"
#include "ui/play_buttons.h"
#include "ui/program_mode.h"
#include "world/fgrs_update.h"
#include "world/movement.h"
#include "world/paths.h"
#include "world/procs.h"
#include "world/ranks.h"
#include "world/selection.h"
#include "world/stage_requests.h"

t_GameTick GameTick = {0, {}, 1};

constexpr int kPassRebuildMs = 500;

void GameFrame(int focus) {
  FrameTimer_Tick();
  Frame_ExitIfAsked();
  Frame_ValueInput();
  if (focus) {
    Frame_KeyCommands();
    GameUpdate();
    SceneViewportDraw();
  }
  Frame_Tail(0);
}

void GameUpdate() {
  Game_TickUpd();
  Frame_MouseToWidgets();
  RangPanel_ApplyReq();
  if (FieldMouse.MouseTaken) FieldMouse.FieldDragState = kDragIdle;
  else Field_GameMouse();
  if (Kmd_Fired(KMD_SPACE) && !MsgPanel_Shown()) o2::GamePause = !o2::GamePause;
  MouseSelectByTool();
  for (int i = 1; i <= 4; i++) SelList.FoundBoss[i] = 0;
  Fgrs.SweepDead();
  Etap_ProcRequests();
  if (StageReq.EtapLocationNom < 1) {
    SetProgramMode(kModeStart);
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
  TimerDownRest(&Ranks.RangOfferWaitMs);
  MoveOrders.AmbushTick = 0;
  // The editor's pre-step is the part both frames share.
  Edit_TickUpd(1);
  if (TimerDown(&GameTick.passWait)) {
    GameTick.passWait = kPassRebuildMs;
    PassMaps_Rebuild();
  }
}
