// The frames' set-up: a headless game of the shipped stage, and a camera for picking (a headless
// GL context and a main view from (505, 300, 300) down onto (505, 0, 505)) with the pending mouse
// action run at a world point.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#include "app/frame_steps.h"
#include "app/play_frame.h"
#include "catalogue/new_world.h"
#include "platform/platform.h"
#include "render/scene.h"
#include "shell/clock.h"
#include "shell/msgbase.h"
#include "world/frames_fixture.h"

// A headless game of the shipped stage "Maps/test.etp", started as the game starts and loaded
// through the game update's request on the first frame; each frame advances a manual clock.
class ShippedGameTest : public FramesTest {
 protected:
  void TearDown() override {
    Clock_SetManual(false);
    StageReq.EtapLocationNom = 0;
    MsgBase_Clear();
    FramesTest::TearDown();
  }
  // What a run starts from: the message base, the clock, the frame's words, the seed and the
  // start's new world (whatever tests ran before in the same process).
  static void StartShippedStage(uint32_t seed) {
    MsgBase_Load(SourcePath("uni_files/res/msgbase.txt"));  // the hit log's labels
    Records_ResetPools();
    Fgrs.ResetAll();
    SelList_Clear();
    GameTick = t_GameTick{0, {}, 1};
    FieldRect.CamLookX = FieldRect.CamLookZ = 0, CamObzorY = 45;
    StageReq.PlitBuildOn = 1;  // a load decorates the land, as in the game
    MoveOrders.OrderWaitMs = MoveOrders.OrderWaitAtFrame = 0;
    MoveOrders.AmbushLeft = 50, MoveOrders.AmbushWait = MoveOrders.AmbushPeriod = 9000,
    MoveOrders.AmbushTick = 0;
    FieldMouse.FieldDragState = 0, FieldMouse.HoverPickTimer = 1;
    FieldMouse.MiniMapOrderGuard = 0, FieldMouse.MouseAction = 0;
    o2::GamePause = 0;
    o2::NeedExit = 0;
    Sides.PlayerSide = 2;
    StageReq.EtapLocationNom = 0;
    StageReq.EtapName.clear();
    Clock_SetManual(true, 5000);
    FrameClock.MsLast = TimeGetMs();
    RandSeed(seed);
    init_ProjX();  // the world of the game's start, which the load then replaces
    StageReq.EtapLoadReqName = SourcePath("Maps/test.etp");
    StageReq.EtapLoadReqLoc = 1;
  }
  static void GameFrame(int ms) {
    Clock_Advance(ms);
    FrameTimer_Tick();
    GameUpdate();
  }
};

constexpr int kCamW = 320, kCamH = 240;

class CameraTest : public FramesTest {
 protected:
  static void SetUpTestSuite() { sOk = Plat_HeadlessContext(kCamW, kCamH) == 1; }
  static void TearDownTestSuite() { Plat_HeadlessContextFree(); }
  void SetUp() override {
    FramesTest::SetUp();
    ASSERT_TRUE(sOk) << "no headless GL context";
    RendScene.PickView = RendView{};
    RendScene.PickView.viewport[2] = kCamW;
    RendScene.PickView.viewport[3] = kCamH;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, (double)kCamW / kCamH, 1.0, 2000.0);
    glGetDoublev(GL_PROJECTION_MATRIX, RendScene.PickView.projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(505, 300, 300, 505, 0, 505, 0, 1, 0);
    glGetDoublev(GL_MODELVIEW_MATRIX, RendScene.PickView.modelview);
    MoveOrders.OrderWaitMs = 0;
    FieldMouse.MouseAction = FieldMouse.MouseOnMiniMap = FieldMouse.MouseTaken = 0;
  }
  // Points the cursor at world point (x, y, z) and runs the pending mouse action.
  static void Act(int action, float x, float y, float z) {
    int sx, sy;
    ASSERT_EQ(Proj_ToScreen(x, y, z, &sx, &sy, &RendScene.PickView), 1);
    FrameSteps.MouseXf = (float)sx, FrameSteps.MouseYf = (float)sy;
    FieldMouse.MouseAction = action;
    MouseSelectByTool();
    EXPECT_EQ(FieldMouse.MouseAction, kMouseNone);
  }
  static void At(const Fgr* f, int action) {
    Act(action, f->priv_position_x, f->priv_position_y + 1, f->priv_position_z);
  }
  static bool sOk;
};
inline bool CameraTest::sOk = false;
