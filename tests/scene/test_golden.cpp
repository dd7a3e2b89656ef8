// The picture of a frame of play with the shipped textures: a new world's land painted with a lake,
// a wood, a ridge, a road and a few decorations, seen through the main camera, with the minimap and
// the cursor, compared with the picture kept beside this test (TOLV_UPDATE_GOLDEN=1 rewrites it).
// On a difference the frame and a difference image are written into the test's working folder.
#include <GL/gl.h>
#include <unistd.h>

#include <cmath>

#include "render/gl2d.h"
#include "app/picture.h"
#include "scene_fixture.h"
#include "shell/key_commands.h"
#include "test_files.h"

namespace {

class GoldenTest : public SceneTestT<400, 300> {};

void Paint(int col, int row, int radius, int tile) {
  for (int r = row - radius; r <= row + radius; r++)
    for (int c = col - radius; c <= col + radius; c++)
      if ((c - col) * (c - col) + (r - row) * (r - row) <= radius * radius) LandSurface.kle[r * kLandSide + c].tile = (uint8_t)tile;
}

}  // namespace

TEST_F(GoldenTest, AFrameOfPlayLooksAsItDid) {
  TexTable_Free(&TexTable);
  std::string here = std::filesystem::current_path();
  ASSERT_EQ(chdir(TOLV_SOURCE_DIR), 0);
  int loaded = Tex_LoadPack(&TexTable, "uni_files/res/pix_start.txt");
  ASSERT_EQ(chdir(here.c_str()), 0);
  ASSERT_EQ(loaded, 1);
  BuildWorld();
  Paint(38, 42, 5, 3);  // a sandy shore round a lake
  Paint(38, 42, 4, 5);
  Paint(47, 33, 4, 1);  // a wood
  for (int c = 30; c <= 46; c++) Cell(c, 48)->tile = 6;  // a ridge
  for (int r = 28; r <= 52; r++) Cell(43, r)->objCode = 28;  // a road
  Cell(33, 35)->cursor = 1, Cell(35, 36)->cursor = 2, Cell(45, 40)->cursor = 3;
  PlitTextures_Build(0);
  for (int k : {0, 2}) {  // the main and the flare camera follow the look point (400, 400)
    cam_[k]->priv_position_x = 400, cam_[k]->priv_position_z = 600;
    cam_[k]->laserX = 400, cam_[k]->laserZ = 400;
    cam_[k]->kmra_VPw = kW, cam_[k]->kmra_VPh = kH;
  }
  FieldRect.centreX = 400, FieldRect.centreZ = 420;
  MouseX = 250, MouseY = 120;
  RendScene_Reset(&RendScene);
  Fgrs_UpdAll(&Fgrs);
  SceneViewportDraw();
  Gl2D_Begin(0, kW, 0, kH);  // the floor box draws the minimap inside the widget tree
  MiniMap_Draw(SideTab, 0);
  Gl2D_End();
  glFinish();

  Picture shot;
  shot.w = kW, shot.h = kH;
  shot.rgb.resize(kW * kH * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  for (int y = 0; y < kH; y++)  // rows top first
    glReadPixels(0, kH - 1 - y, kW, 1, GL_RGB, GL_UNSIGNED_BYTE, &shot.rgb[(size_t)y * kW * 3]);
  const std::string golden = SourcePath("tests/scene/golden/play_frame_400x300.png");
  if (std::getenv("TOLV_UPDATE_GOLDEN")) ASSERT_TRUE(WritePng(golden, shot));
  const Picture want = ReadPng(golden);
  ASSERT_EQ(want.w, kW) << "no golden picture " << golden;
  Picture diff;
  // A few pixels may round differently between the builds; nothing may change visibly.
  const int n = PicDiff(shot, want, 8, &diff);
  if (n > kW * kH / 500) {
    WritePng(TestFileName("actual.png"), shot);
    WritePng(TestFileName("diff.png"), diff);
  }
  EXPECT_LE(n, kW * kH / 500) << "differing pixels; see " << TestFileName("diff.png");
}
