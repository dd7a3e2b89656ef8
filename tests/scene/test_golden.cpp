// The picture of a frame of play with the shipped textures: a new world's land painted with a lake,
// a wood, a ridge, a road and a few decorations, seen through the main camera, with the minimap and
// the cursor, compared with the picture kept beside this test. On a difference the frame and a
// difference image are written into the test's working folder.
#include <GL/gl.h>
#include <unistd.h>

#include <cmath>

#include "render/gl2d.h"
#include "render/image.h"
#include "scene_fixture.h"
#include "shell/key_commands.h"
#include "test_files.h"

namespace {

class GoldenTest : public SceneTestT<400, 300> {};

// B, G, R rows bottom first, as the screenshot writes them.
std::vector<uint8_t> ReadBmpPixels(const std::string& path, int w, int h) {
  std::vector<uint8_t> f = ReadBytes(path);
  if (f.size() != 54 + (size_t)w * h * 3) return {};
  return std::vector<uint8_t>(f.begin() + 54, f.end());
}

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

  std::vector<uint8_t> now(kW * kH * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kW, kH, GL_BGR, GL_UNSIGNED_BYTE, now.data());
  std::vector<uint8_t> want = ReadBmpPixels(SourcePath("tests/scene/golden_play_frame.bmp"), kW, kH);
  int off = 0, worst = 0;
  std::vector<uint8_t> diff(now.size());
  for (size_t i = 0; i < now.size() && !want.empty(); i += 3) {
    int d = 0;
    for (int c = 0; c < 3; c++) d = std::max(d, std::abs(now[i + c] - want[i + c]));
    worst = std::max(worst, d);
    off += d > 8;
    diff[i] = diff[i + 1] = diff[i + 2] = (uint8_t)std::min(255, d * 8);
  }
  // A few pixels may round differently between builds; nothing may change visibly.
  bool same = !want.empty() && off <= kW * kH / 500;
  if (!same) {
    SaveBmp24(TestFileName("actual.bmp").c_str(), kW, kH, now.data(), 0, 0);
    if (!want.empty()) SaveBmp24(TestFileName("diff.bmp").c_str(), kW, kH, diff.data(), 0, 0);
  }
  EXPECT_TRUE(same) << (want.empty() ? "no golden picture" : "pixels off: ") << off << ", worst " << worst
                    << "; see " << TestFileName("actual.bmp") << " in the test's folder";
}
