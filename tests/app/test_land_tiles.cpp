// Tile textures in a window smaller than a tile texture: they are drawn off the window, the same
// as in any other, the window keeps its pixels; a stage's own chunk picture replaces the drawing;
// a chunk without an index array is left alone.
#include <GL/gl.h>

#include "render/tga_maker.h"
#include "scene_fixture.h"
#include "test_files.h"

class TinyWindowTest : public SceneTestT<200, 150> {};

TEST_F(TinyWindowTest, TileTexturesAreDrawnOffTheWindowAndAStagePictureReplacesThem) {
  Tex_GenLumAlpha(&Land.LandSurface, 0);
  for (int i = 0; i < kLandCells; i++)
    if (Land_CellValid(i)) Land.LandSurface.kle[i].tile = 2;
  // Chunk 10 (index 9) starts at cell column 32, row 32.
  Cell(32, 32)->tile = 1;
  Cell(63, 32)->tile = 3;
  Cell(32, 63)->tile = 5;
  Land.LandSurface.chunk[10].indexCount = 0;  // as if its index array could not be had
  free(Land.LandSurface.chunk[10].indices);
  Land.LandSurface.chunk[10].indices = nullptr;
  glClearColor(0.5f, 0.25f, 0.75f, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glViewport(0, 0, kW, kH);

  ASSERT_EQ(LandTiles_Begin(), 1);
  LandChunk_DrawTiles(&Land.LandSurface, &Land.LandSurface.chunk[9]);
  LandChunk_DrawTiles(&Land.LandSurface, &Land.LandSurface.chunk[10]);
  LandTiles_End();

  GLint vp[4];
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[2], kW);
  EXPECT_EQ(vp[3], kH);
  EXPECT_TRUE(Near(Pixel(100, 75), Rgb{128, 64, 191}, 1))
      << "the window is untouched: " << Pixel(100, 75);
  EXPECT_EQ(Land.LandSurface.chunk[10].tex.glName, 0u);
  ASSERT_NE(Land.LandSurface.chunk[9].tex.glName, 0u);
  std::vector<uint8_t> tex(256 * 256 * 3);
  glBindTexture(GL_TEXTURE_2D, Land.LandSurface.chunk[9].tex.glName);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, tex.data());
  auto cell = [&](int col, int row) {  // the middle of the cell's 8 x 8 block, rows from the top
    const uint8_t* p = &tex[((255 - (row * 8 + 4)) * 256 + col * 8 + 4) * 3];
    return Rgb{p[0], p[1], p[2]};
  };
  EXPECT_TRUE(Near(cell(0, 0), kType1, 1)) << cell(0, 0);
  EXPECT_TRUE(Near(cell(31, 0), kType3, 1)) << cell(31, 0);
  EXPECT_TRUE(Near(cell(0, 31), kWater, 1)) << cell(0, 31);
  EXPECT_TRUE(Near(cell(5, 5), kMeadow, 1)) << cell(5, 5);
  EXPECT_TRUE(Near(cell(31, 31), kMeadow, 1)) << cell(31, 31);

  // After a load the stage's own picture of chunk 1 replaces its drawing; chunk 2 is drawn.
  TestPicture pic = MakeTestPicture(4, 2);
  std::vector<uint8_t> file = EncodeTga(pic, 2, 24, true);
  std::string stage = TestFileName("stage");
  ASSERT_TRUE(WriteBytes(stage + "/1001.tga", file));
  StageReq.EtapName = stage;
  PlitTextures_Build(0);
  glBindTexture(GL_TEXTURE_2D, Land.LandSurface.chunk[0].tex.glName);
  GLint w = 0, h = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
  EXPECT_EQ(w, 4);
  EXPECT_EQ(h, 2);
  uint8_t top[4 * 2 * 3];
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, top);
  EXPECT_EQ(top[(1 * 4 + 0) * 3], pic.At(0, 0)[0]);  // the picture's top row is the texture's last
  EXPECT_EQ(top[(1 * 4 + 0) * 3 + 1], pic.At(0, 0)[1]);
  glBindTexture(GL_TEXTURE_2D, Land.LandSurface.chunk[1].tex.glName);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  EXPECT_EQ(w, 256);
  EXPECT_EQ(Land.LandSurface.chunk[10].tex.glName, 0u);
}
