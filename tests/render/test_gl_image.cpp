// Images through textures to the screen and into a screenshot, pixel for pixel.
#include <GL/gl.h>
#include <unistd.h>

#include <sys/stat.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gl_fixture.h"
#include "gm/org_base.h"
#include "render/gl2d.h"
#include "render/image.h"
#include "render/screenshot.h"
#include "render/texture.h"
#include "shell/date_stamp.h"
#include "shell/dialogs.h"
#include "test_files.h"
#include "tga_maker.h"

namespace {

// Draws slot n at 1:1 with its lower left corner at (x, y), sampling texel centres exactly.
void DrawSlot(int n, int x, int y, int w, int h) {
  Gl2D_Begin(0, kGlW, 0, kGlH);
  Tex_Bind(&TexTable, n);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glColor4f(1, 1, 1, 1);
  Gl2D_TexRect((float)x, (float)y, (float)w, (float)h, 1, 0, 1);
  Tex_Off();
  Gl2D_End();
}

}  // namespace

TEST_F(GlTest, EveryTgaVariantDrawsPixelExactAndTheScreenshotHoldsTheSame) {
  TestPicture pic = MakeTestPicture(5, 3);  // odd width: rows of 15 bytes at 24 bits
  int variant = 0;
  for (int type : {2, 10})
    for (int bits : {24, 32})
      for (bool top : {false, true}) {
        SCOPED_TRACE(testing::Message() << "type " << type << " bits " << bits << " top " << top);
        std::vector<uint8_t> file = EncodeTga(pic, type, bits, top);
        TexSlot* s = &TexTable.slots[100 + variant];
        s->pixels = TargaDecode(file.data(), file.size(), &s->width, &s->height, &s->bits);
        ASSERT_NE(s->pixels, nullptr);
        ASSERT_EQ(Tex_Create(s, 0, 1), 1);
        EXPECT_EQ(s->pixels, nullptr);
        int x = 10 + 8 * variant, y = 20;
        DrawSlot(100 + variant, x, y, 5, 3);
        std::vector<uint8_t> got = Read(x, y, 5, 3);
        for (int row = 0; row < 3; row++)  // bottom row first
          for (int col = 0; col < 5; col++) {
            const uint8_t* want = pic.At(col, 2 - row);
            const uint8_t* g = &got[(row * 5 + col) * 3];
            EXPECT_EQ(g[0], want[0]) << col << "," << row;
            EXPECT_EQ(g[1], want[1]) << col << "," << row;
            EXPECT_EQ(g[2], want[2]) << col << "," << row;
          }
        variant++;
      }

  // The screenshot of the same frame: a BMP whose pixels equal the frame's.
  std::vector<uint8_t> frame = Read(0, 0, kGlW, kGlH);
  ASSERT_EQ(ScreenGrab("frame.bmp"), 1);
  std::vector<uint8_t> bmp = ReadBytes("frame.bmp");
  size_t row = ((size_t)kGlW * 3 + 3) & ~(size_t)3;
  ASSERT_EQ(bmp.size(), 54 + row * kGlH);
  for (int y = 0; y < kGlH; y++)
    for (int x = 0; x < kGlW; x++) {
      const uint8_t* f = &frame[((size_t)y * kGlW + x) * 3];
      const uint8_t* b = &bmp[54 + y * row + x * 3];
      ASSERT_TRUE(b[0] == f[2] && b[1] == f[1] && b[2] == f[0]) << x << "," << y;
    }
  for (int i = 100; i < 108; i++) Tex_Delete(&TexTable.slots[i]);
}

TEST_F(GlTest, FromMemKeepsNoCallerBufferAndBindOutsideTheTableChangesNothing) {
  uint8_t px[2 * 2 * 3] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
  ASSERT_EQ(Tex_FromMem(&TexTable, 60, px, 2, 2, 3, 0), 1);
  EXPECT_EQ(TexTable.slots[60].pixels, nullptr);
  EXPECT_NE(TexTable.slots[60].glName, 0u);
  DrawSlot(60, 0, 0, 2, 2);
  std::vector<uint8_t> got = Read(0, 0, 2, 2);
  EXPECT_EQ(0, memcmp(got.data(), px, sizeof(px)));

  Tex_Bind(&TexTable, 60);
  GLint bound = 0;
  Tex_Bind(&TexTable, 501);
  Tex_Bind(&TexTable, -1);
  Tex_Bind(&TexTable, 499);  // a slot without texture keeps the binding
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ((GLuint)bound, TexTable.slots[60].glName);
  Tex_Delete(&TexTable.slots[60]);
  EXPECT_EQ(TexTable.slots[60].glName, 0u);
}

TEST_F(GlTest, ScreenshotGoesToScreens1UnderTheStartDirectory) {
  char here[1024];
  ASSERT_NE(getcwd(here, sizeof(here)), nullptr);
  std::string start = std::string(here) + "/start";
  mkdir(start.c_str(), 0755);
  mkdir("elsewhere", 0755);
  ASSERT_EQ(chdir("elsewhere"), 0);
  glClearColor(0, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  int counter = 0;
  ASSERT_EQ(ScreenShot_Take(start.c_str(), "9_m12_2026", &counter), 1);
  EXPECT_EQ(counter, 1);
  char now[1024];
  ASSERT_NE(getcwd(now, sizeof(now)), nullptr);
  EXPECT_EQ(std::string(now), std::string(here) + "/elsewhere");
  ASSERT_EQ(ScreenShot_Take(start.c_str(), "9_m12_2026", &counter), 1);
  EXPECT_EQ(counter, 2);
  ASSERT_EQ(chdir(here), 0);

  std::string dir = start + "/screens1";
  std::string cmd = "ls " + dir + " > list.txt";
  ASSERT_EQ(system(cmd.c_str()), 0);
  std::vector<uint8_t> list = ReadBytes("list.txt");
  std::string names(list.begin(), list.end());
  EXPECT_NE(names.find("_0001.bmp"), std::string::npos) << names;
  EXPECT_NE(names.find("_0002.bmp"), std::string::npos) << names;
  EXPECT_EQ(names.rfind("tolv_9_m12_2026_", 0), 0u) << names;
  std::string first = names.substr(0, names.find('\n'));
  std::vector<uint8_t> bmp = ReadBytes(dir + "/" + first);
  ASSERT_GT(bmp.size(), 60u);
  EXPECT_EQ(bmp[54], 255);  // blue first in the file
  EXPECT_EQ(bmp[55], 0);
  EXPECT_EQ(bmp[56], 0);

  // A start directory that does not exist: refused, the counter still counts.
  EXPECT_EQ(ScreenShot_Take("/no/such/dir", "x", &counter), 0);
  EXPECT_EQ(counter, 3);
  counter = 2147483647;  // the largest count is followed by 1, not by an overflow
  EXPECT_EQ(ScreenShot_Take("/no/such/dir", "x", &counter), 0);
  EXPECT_EQ(counter, 1);
  char name[256];
  EXPECT_EQ(ScreenShot_Name(name, sizeof(name), std::string(300, 'a').c_str(), 1, 1), 0);
  ASSERT_EQ(ScreenShot_Name(name, sizeof(name), "d", 42, 7), 1);
  EXPECT_STREQ(name, "tolv_d_42_0007.bmp");
}

TEST_F(GlTest, MainLoopScreenshotCountsInTheNamedVariable) {
  char here[256];
  ASSERT_NE(getcwd(here, sizeof(here)), nullptr);
  memcpy(Dlg.StartDir, here, sizeof(Dlg.StartDir));
  o2::NomScreen = 0;
  ASSERT_EQ(ScreenShotBmp(), 1);
  ASSERT_EQ(ScreenShotBmp(), 1);
  EXPECT_EQ(o2::NomScreen, 2);
  std::string cmd = std::string("ls ") + here + "/screens1 > shots.txt";
  ASSERT_EQ(system(cmd.c_str()), 0);
  std::vector<uint8_t> list = ReadBytes("shots.txt");
  std::string names(list.begin(), list.end());
  std::string date = DateTxt(1000, 1);
  EXPECT_EQ(names.rfind("tolv_" + date + "_", 0), 0u) << names;
  EXPECT_NE(names.find("_0002.bmp"), std::string::npos) << names;
}
