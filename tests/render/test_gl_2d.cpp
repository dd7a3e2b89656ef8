// The 2D layer's GL state: blend presets, 2D mode nesting, outlines, colour material, fills.
#include <GL/gl.h>

#include "gl_fixture.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "shell/window_state.h"

namespace {

GLint Int(GLenum e) {
  GLint v = 0;
  glGetIntegerv(e, &v);
  return v;
}

}  // namespace

TEST_F(GlTest, BlendPresetTable) {
  // Every preset with its source and destination factor, row by row as the presets are listed.
  const GLenum Z = GL_ZERO, O = GL_ONE, SC = GL_SRC_COLOR, OMSC = GL_ONE_MINUS_SRC_COLOR,
               SA = GL_SRC_ALPHA, OMSA = GL_ONE_MINUS_SRC_ALPHA, DA = GL_DST_ALPHA,
               OMDA = GL_ONE_MINUS_DST_ALPHA, DC = GL_DST_COLOR, OMDC = GL_ONE_MINUS_DST_COLOR;
  const struct {
    int n;
    GLenum src, dst;
  } kPresets[] = {
      {1, Z, Z},      {2, Z, O},        {3, Z, SC},       {4, Z, OMSC},   {5, Z, SA},
      {6, Z, OMSA},   {7, Z, DA},       {8, Z, OMDA},     {9, SA, Z},     {10, SA, Z},
      {11, SA, Z},    {12, O, OMSC},    {13, SA, Z},      {14, SA, Z},    {15, SA, Z},
      {16, SA, Z},    {17, DC, Z},      {18, DC, O},      {19, DC, SC},   {20, DC, OMSC},
      {21, DC, SA},   {22, DC, OMSA},   {23, DC, DA},     {24, DC, OMDA}, {25, OMDC, Z},
      {26, OMDC, O},  {27, OMDC, SC},   {28, OMDC, OMSC}, {29, OMDC, SA}, {30, OMDC, OMSA},
      {31, OMDC, DA}, {32, OMDC, OMDA}, {33, SA, Z},      {34, SA, O},    {35, SA, Z},
      {36, SA, Z},    {37, SA, Z},      {38, SA, OMSA},   {39, SA, DA},   {40, SA, OMDA},
      {41, SA, Z},    {42, SA, Z},      {45, SA, Z},      {1000, SA, Z},  {2147483647, SA, Z},
  };
  for (const auto& p : kPresets) {
    glDisable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    Gl_BlendMode(p.n);
    EXPECT_TRUE(glIsEnabled(GL_BLEND)) << p.n;
    EXPECT_EQ((GLenum)Int(GL_BLEND_SRC), p.src) << p.n;
    EXPECT_EQ((GLenum)Int(GL_BLEND_DST), p.dst) << p.n;
  }
  for (int n : {0, -1, -2147483647 - 1}) {
    glEnable(GL_BLEND);
    Gl_BlendMode(n);
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << n;
  }
}

TEST_F(GlTest, TwoDModeDoesNotNestAndRestoresMatricesAndDepth) {
  glEnable(GL_DEPTH_TEST);
  glDepthMask(GL_TRUE);
  GLint mv = Int(GL_MODELVIEW_STACK_DEPTH), pr = Int(GL_PROJECTION_STACK_DEPTH);
  EXPECT_EQ(Gl2D_Begin(0, kGlW, 0, kGlH), 1);
  EXPECT_EQ(Gl2D.Gl2D_Flag, 1);
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_EQ(Int(GL_DEPTH_WRITEMASK), GL_FALSE);
  EXPECT_EQ(Gl2D_Begin(0, kGlW, 0, kGlH), 0);
  EXPECT_EQ(Int(GL_MODELVIEW_STACK_DEPTH), mv + 1);
  EXPECT_EQ(Int(GL_PROJECTION_STACK_DEPTH), pr + 1);
  Gl2D_End();
  EXPECT_EQ(Gl2D.Gl2D_Flag, 0);
  EXPECT_EQ(Int(GL_MODELVIEW_STACK_DEPTH), mv);
  EXPECT_EQ(Int(GL_PROJECTION_STACK_DEPTH), pr);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_EQ(Int(GL_DEPTH_WRITEMASK), GL_TRUE);
  EXPECT_EQ(Int(GL_MATRIX_MODE), GL_MODELVIEW);
  Gl2D_End();  // outside 2D mode: nothing
  EXPECT_EQ(Int(GL_MODELVIEW_STACK_DEPTH), mv);
}

TEST_F(GlTest, QuadsDrawOnlyIn2DAndOutlinesStayOutlines) {
  Gl2D_TexRect(10, 10, 20, 20, 1, 0, 1);  // outside 2D mode: nothing
  std::vector<uint8_t> px = Read(15, 15, 1, 1);
  EXPECT_EQ(px[0], 0);

  Gl2D_Begin(0, kGlW, 0, kGlH);
  glColor4f(1, 1, 1, 1);
  Gl2D_TexRect(10.5f, 10.5f, 20, 20, 0, 0, 1);
  EXPECT_EQ(Int(GL_POLYGON_MODE), GL_FILL);
  Gl2D_End();
  px = Read(0, 0, 40, 40);
  auto at = [&](int x, int y) { return px[(y * 40 + x) * 3]; };
  EXPECT_EQ(at(20, 20), 0);    // inside stays clear
  EXPECT_EQ(at(20, 10), 255);  // bottom edge
  EXPECT_EQ(at(10, 20), 255);  // left edge

  // Filled, upper corner first, and sorted in either order cover the same rectangle.
  glClear(GL_COLOR_BUFFER_BIT);
  Gl2D_Begin(0, kGlW, 0, kGlH);
  Gl2D_FillRectLTRB(50, 80, 60, 70, 0xFF00FF00);
  glColor4f(1, 0, 0, 1);
  Gl2D_TexRectLTRBSorted(70, 70, 80, 80, 1);
  Gl2D_End();
  px = Read(0, 0, 100, 100);
  auto rgb = [&](int x, int y) { return &px[(y * 100 + x) * 3]; };
  EXPECT_EQ(rgb(55, 75)[1], 255);
  EXPECT_EQ(rgb(55, 69)[1], 0);
  EXPECT_EQ(rgb(55, 80)[1], 0);
  EXPECT_EQ(rgb(75, 75)[0], 255);
  EXPECT_EQ(rgb(75, 81)[0], 0);

  // The outline forms leave the inside alone.
  glClear(GL_COLOR_BUFFER_BIT);
  Gl2D_Begin(0, kGlW, 0, kGlH);
  Gl2D_OutlineRectArgb(10.5f, 10.5f, 30, 30, 0xFFFFFFFF);
  Gl2D_OutlineRectLTRB(50.5f, 40.5f, 80.5f, 10.5f, 0xFFFFFFFF);
  Gl2D_End();
  px = Read(0, 0, 100, 100);
  EXPECT_EQ(rgb(25, 25)[0], 0);
  EXPECT_EQ(rgb(25, 10)[0], 255);
  EXPECT_EQ(rgb(65, 25)[0], 0);
  EXPECT_EQ(rgb(50, 25)[0], 255);

  // A rectangle dragged up or left (one size negative, or the corners swapped) is the same outline.
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_CULL_FACE);
  Gl2D_Begin(0, kGlW, 0, kGlH);
  Gl2D_OutlineRectArgb(40.5f, 10.5f, -30, 30, 0xFFFFFFFF);
  Gl2D_OutlineRectArgb(10.5f, 90.5f, 30, -30, 0xFFFFFFFF);
  Gl2D_OutlineRectLTRB(80.5f, 40.5f, 50.5f, 10.5f, 0xFFFFFFFF);
  Gl2D_End();
  glDisable(GL_CULL_FACE);
  px = Read(0, 0, 100, 100);
  const int inside[3][2] = {{25, 25}, {25, 75}, {65, 25}}, edge[3][2] = {{10, 25}, {25, 90}, {50, 25}};
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(rgb(inside[i][0], inside[i][1])[0], 0) << i;
    EXPECT_EQ(rgb(edge[i][0], edge[i][1])[0], 255) << i;
  }
}

TEST_F(GlTest, ColourMaterialArgbAndFog) {
  Gl_ColorMaterial4f(0.00001f, 1, 1, 1);
  EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
  Gl_ColorMaterial4f(0.5f, 0.2f, 0.4f, 0.6f);
  EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
  float c[4];
  glGetFloatv(GL_CURRENT_COLOR, c);
  EXPECT_FLOAT_EQ(c[3], 0.5f);
  EXPECT_NEAR(c[0], 0.2f, 1e-6);
  Gl_ColorMaterial4ub(0, 1, 2, 3);
  EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
  Gl_ColorArgb(0x80FF4000);
  glGetFloatv(GL_CURRENT_COLOR, c);
  EXPECT_FLOAT_EQ(c[0], 1.0f);
  EXPECT_NEAR(c[1], 64 / 255.0f, 1e-6);
  EXPECT_NEAR(c[3], 128 / 255.0f, 1e-6);

  Gl_Fog(2, 0.1f, 0.2f, 0.3f, 1, 0, 0);
  EXPECT_TRUE(glIsEnabled(GL_FOG));
  EXPECT_EQ(Int(GL_FOG_MODE), GL_EXP2);
  EXPECT_FLOAT_EQ(Gl2D.Gl_FogColor[2], 0.3f);
  Gl_Fog(1, 0, 0, 0, 1, 5, 50);
  EXPECT_EQ(Int(GL_FOG_MODE), GL_LINEAR);
  Gl_Fog(3, 0, 0, 0, 1, 5, 50);
  EXPECT_FALSE(glIsEnabled(GL_FOG));
}

TEST_F(GlTest, FramesEllipsesAndBoxesDrawInsideTheirRectangles) {
  CircleTables_Init();
  Gl2D_Begin(0, kGlW, 0, kGlH);
  Gl2D_Frame3D(nullptr, 20, 20, 60, 40, 4, 0, 255, 255, 255, 128, 128, 128);
  Gl2D_Ellipse(120, 20, 180, 60, 0xFFFFFFFF, 1);
  int r[4] = {200, 20, 30, 30};
  Gui_HoverFrame(r);
  Gui_HoverFrame(nullptr);
  Gl2D_End();
  std::vector<uint8_t> px = Read(0, 0, kGlW, 100);
  auto lit = [&](int x, int y) { return px[(y * kGlW + x) * 3] > 0; };
  EXPECT_TRUE(lit(22, 40));                                   // left strip
  EXPECT_FALSE(lit(50, 40));                                  // frame interior
  EXPECT_FALSE(lit(50, 70));                                  // outside
  EXPECT_TRUE(lit(150, 59) || lit(150, 60) || lit(150, 58));  // top of the ellipse
  EXPECT_FALSE(lit(150, 40));                                 // its centre
  EXPECT_EQ(Int(GL_POLYGON_MODE), GL_FILL);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));  // hover frame ends with blending off
}

TEST_F(GlTest, PauseScreenDimsTheWindowAndPrintsInColour) {
  ASSERT_EQ(FontSet_Load(&FontSet, TOLV_SOURCE_DIR "/uni_files/res"), 1);
  Win.WinWidth = kGlW;
  Win.WinHeight = kGlH;
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  EXPECT_EQ(PauseScreen_Draw(), 0);            // the swap's answer: a test context has no window to swap
  std::vector<uint8_t> px = Read(5, 5, 1, 1);  // white under (0, 0.2, 0.4) at alpha 0.7
  EXPECT_NEAR(px[0], 77, 2);
  EXPECT_NEAR(px[1], 112, 2);
  EXPECT_NEAR(px[2], 148, 2);
  // The "P" in white ("a"), the "A" in yellow ("q").
  std::vector<uint8_t> row = Read(0, 150 + 12, 200, 1);
  int white = 0, yellow = 0;
  for (int x = 50; x < 200; x++) {
    const uint8_t* p = &row[x * 3];
    white += p[0] > 240 && p[1] > 240 && p[2] > 240;
    yellow += p[0] > 240 && p[1] > 240 && p[2] < 60;
  }
  EXPECT_GT(white, 0);
  EXPECT_GT(yellow, 0);
  FontSet_Free(&FontSet);
}
