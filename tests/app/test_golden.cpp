// The picture of the shipped stage in play: "Maps/test.etp" loaded by the load-and-play button's
// request, which the game update carries out, then frames of play at a fixed step, each drawn as the
// game draws it, and the minimap; compared with the picture kept beside this test
// (TOLV_UPDATE_GOLDEN=1 rewrites it). On a difference the frame and a difference image are written
// into the test's working folder.
#include <GL/gl.h>
#include <unistd.h>

#include <filesystem>

#include "app/play_frame.h"
#include "catalogue/new_world.h"
#include "figures/org_files.h"
#include "gui/gui_win.h"
#include "render/gl2d.h"
#include "scene_fixture.h"
#include "scene_golden.h"
#include "shell/clock.h"
#include "shell/file_names.h"
#include "shell/key_commands.h"
#include "ui/program_mode.h"
#include "ui/stage_buttons.h"
#include "world/land_grid.h"
#include "world/stage_requests.h"

namespace {

// 800 ms of play: past the first refresh of the minimap's fog after the load (every 500 ms).
constexpr int kFrames = 20;
constexpr int kFrameMs = 40;

class GoldenTest : public SceneTestT<800, 600> {
 protected:
  void TearDown() override {
    Clock_SetManual(false);
    StageReq.EtapLocationNom = 0;
    StageReq.EtapName.clear();
  }
};

}  // namespace

TEST_F(GoldenTest, TheShippedStageInPlayLooksAsItDid) {
  // What the start loads: the named variables of the master file and the start-up textures, read
  // from the source tree as the game reads them from its own folder; the log stays here.
  const std::string here = std::filesystem::current_path();
  Logger.gsFileLog = here + "/" + TestFileName("log.txt");
  ASSERT_EQ(chdir(TOLV_SOURCE_DIR), 0);
  org2_Init();
  orgF_Init();
  ASSERT_EQ(Org_ReadMixAtStart(), 1);
  TexTable_Free(&TexTable);
  ASSERT_EQ(Tex_LoadPack(&TexTable, FileNames.gsFilePixStart.c_str()), 1);

  GameTick = t_GameTick{0, {}, 1};
  StageReq.PlitBuildOn = 1;
  StageReq.EtapName.clear();
  StageReq.EtapLocationNom = 0;
  Clock_SetManual(true, 5000);
  FrameClock.MsLast = TimeGetMs();
  RandSeed(20240607);
  SetProgramMode(kModeStart);
  init_ProjX();  // the start's new world, which the load replaces
  GuiWin button{};
  ASSERT_EQ(Etap_RequestLoadDefault(&button), 1);  // the load-and-play button
  KeyCmds.MouseX = kW / 2, KeyCmds.MouseY = kH / 2;
  for (int frame = 1; frame <= kFrames; frame++) {
    Clock_Advance(kFrameMs);
    FrameTimer_Tick();
    GameUpdate();
    SceneViewportDraw();
    if (frame == 1) {
      ASSERT_EQ(chdir(here.c_str()), 0);
      ASSERT_EQ(StageReq.EtapLocationNom, 1) << "the stage did not load: " << ReadAll(Logger.gsFileLog);
      ASSERT_EQ(ModeWords.ProgMode, kModePlay);
    }
  }
  Gl2D_Begin(0, kW, 0, kH);  // the play screen's floor box draws the minimap inside the widget tree
  MiniMap_Draw(Sides.SideTab, 0);
  Gl2D_End();
  glFinish();

  // Camera 1 hangs 200 behind and above the view's centre, which a new game leaves at the
  // world's corner and the first frame's scrolling brings into the world (110, 110): the land's
  // corner in the upper left of the window.
  Fgr* main = nullptr;
  for (Fgr& f : Fgrs.mf)
    if (f.Active() && f.status == fgrKameraLayer && f.kmra_glavEkran) main = &f;
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->kmra_prior, 10);
  EXPECT_EQ(main->laserX, 110);
  EXPECT_EQ(main->laserZ, 110);
  EXPECT_EQ(main->priv_position_x, 110);
  EXPECT_EQ(main->priv_position_y, 200);
  EXPECT_EQ(main->priv_position_z, 310);

  const Picture shot = WindowPicture(kW, kH);
  auto at = [&](int x, int y) {  // window pixels, y up
    const uint8_t* p = &shot.rgb[((size_t)(kH - 1 - y) * kW + x) * 3];
    return Rgb{p[0], p[1], p[2]};
  };
  // A picture worth keeping: the meadow fills the lower right quarter, the sky the top of the
  // window; on the minimap the fog is open round the player's base and closed far from it.
  int land = 0;
  for (int y = 0; y < kH / 2; y++)
    for (int x = kW / 2 + 40; x < kW; x++) land += at(x, y).g > at(x, y).r && at(x, y).g > at(x, y).b;
  EXPECT_GT(land, (kW / 2 - 40) * kH / 2 * 9 / 10) << "no land where the camera looks";
  EXPECT_LT(at(kW / 4, kH - 60).g, at(kW / 4, kH - 60).b) << "no sky beyond the corner";
  float bx, by, fx, fy;
  MiniMap_WorldToPix(200, 250, &bx, &by);
  MiniMap_WorldToPix(1500, 1500, &fx, &fy);
  EXPECT_GT(at((int)bx, (int)by).g, at((int)fx, (int)fy).g + 8)
      << "the fog is not open round the base: " << at((int)bx, (int)by) << " " << at((int)fx, (int)fy);

  ExpectAsGolden(shot, "tests/app/golden/play_test_etp_800x600.png");
}
