// A frame of play with the three start cameras: the land under each projected cell shows its tile
// image, the chunk texture keeps the cells' layout, the minimap and the cursor sit where the
// layout puts them.
#include <GL/gl.h>

#include "render/gl2d.h"
#include "scene_fixture.h"
#include "shell/key_commands.h"

TEST_F(SceneTest, ThreeStartCamerasDrawTheLandTheMinimapAndTheCursor) {
  BuildWorld();
  KeyCmds.MouseX = 400, KeyCmds.MouseY = 300;
  Frame();

  // The views in priority order: main screen 10, decals 15, flares 20.
  ASSERT_EQ(RendScene.viewCount, 3);
  ASSERT_NE(RendScene.head, nullptr);
  EXPECT_EQ(RendScene.head->cam, cam_[0]);
  EXPECT_EQ(RendScene.head->next->cam, cam_[1]);
  EXPECT_EQ(RendScene.head->next->next->cam, cam_[2]);
  EXPECT_GT(LandChunks.LandVisibleChunks, 0);
  EXPECT_LT(LandChunks.LandVisibleChunks, 64);  // the frustum keeps most chunks out

  // The colour under a projected cell centre is its tile image's.
  struct Case {
    int col, row;
    Rgb want;
  } cases[] = {{10, 5, kType1}, {11, 5, kType3}, {10, 6, kWater}, {13, 8, kMeadow}, {3, 0, kBorder}};
  for (const Case& c : cases) {
    int sx, sy;
    ASSERT_EQ(Proj_ToScreen(c.col * 10 + 5.0f, 1, c.row * 10 + 5.0f, &sx, &sy, &RendScene.PickView), 1);
    ASSERT_GE(sx, 0);
    ASSERT_GE(sy, 0);
    EXPECT_TRUE(Near(Pixel(sx, sy), c.want, 6)) << c.col << "," << c.row << " " << Pixel(sx, sy);
  }
  // Beyond the far edge of the land the view shows the sky's clear colour.
  EXPECT_TRUE(Near(Pixel(400, 595), Rgb{51, 77, 102}, 2)) << Pixel(400, 595);

  // The cursor image: a 32 x 32 square hanging down and right from the cursor.
  EXPECT_TRUE(Near(Pixel(416, 284), kCursor)) << Pixel(416, 284);

  // Chunk 1's tile texture: cell row 0 at the top of the image, column 0 at the left.
  std::vector<uint8_t> tex(256 * 256 * 3);
  glBindTexture(GL_TEXTURE_2D, Land.LandSurface.chunk[0].tex.glName);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, tex.data());
  auto texel = [&](int x, int yFromTop) {
    const uint8_t* p = &tex[((255 - yFromTop) * 256 + x) * 3];
    return Rgb{p[0], p[1], p[2]};
  };
  EXPECT_TRUE(Near(texel(10 * 8 + 4, 5 * 8 + 4), kType1)) << texel(84, 44);
  EXPECT_TRUE(Near(texel(11 * 8 + 4, 5 * 8 + 4), kType3)) << texel(92, 44);
  EXPECT_TRUE(Near(texel(10 * 8 + 4, 6 * 8 + 4), kWater)) << texel(84, 52);
  EXPECT_TRUE(Near(texel(3, 3), kBorder)) << texel(3, 3);
  EXPECT_TRUE(Near(texel(100, 100), kMeadow)) << texel(100, 100);
  // A chunk with a fixed texture keeps no tile texture of its own.
  EXPECT_EQ(Land.LandSurface.chunk[41].tex.glName, 0u);

  // The minimap: 127 pixels square at (11, 462) for 800 x 600; the colour map of plain ground,
  // darkened where the fog map has not been opened, and the view window as an outline.
  EXPECT_EQ(MiniMapRect.x, 11);
  EXPECT_EQ(MiniMapRect.y, 462);
  EXPECT_EQ(MiniMapRect.w, 127);
  FieldRect.CamLookX = FieldRect.CamLookZ = 1280;
  Gl2D_Begin(0, kW, 0, kH);
  MiniMap_Draw(Sides.SideTab, 0);
  Gl2D_End();
  glFinish();
  const Rgb ground = {38, 54, 31};  // (50, 70, 40) under an unseen cell's 60 / 255
  EXPECT_TRUE(Near(Pixel(30, 560), ground)) << Pixel(30, 560);
  EXPECT_TRUE(Near(Pixel(74, 525), ground)) << "inside the view window: " << Pixel(74, 525);
  EXPECT_TRUE(Near(Pixel(10, 560), Rgb{51, 77, 102}, 2)) << "left of the square: " << Pixel(10, 560);
  auto whiteIn = [](int x0, int x1, int y0, int y1) {
    for (int y = y0; y <= y1; y++)
      for (int x = x0; x <= x1; x++)
        if (Near(Pixel(x, y), Rgb{255, 255, 255}, 0)) return true;
    return false;
  };
  EXPECT_TRUE(whiteIn(65, 67, 525, 525));  // left edge at x 66.6
  EXPECT_TRUE(whiteIn(81, 83, 525, 525));  // right edge at x 82.4
  EXPECT_TRUE(whiteIn(74, 74, 516, 518));  // lower edge at y 517.6
  EXPECT_TRUE(whiteIn(74, 74, 532, 534));  // upper edge at y 533.4
}
