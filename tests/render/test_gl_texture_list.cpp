// The start-up texture list, mip modes and level files, and the shipped list.
#include <GL/gl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gl_fixture.h"
#include "render/error_box.h"
#include "render/texture.h"
#include "test_files.h"
#include "tga_maker.h"

namespace {

// A w x h TGA of one colour.
std::vector<uint8_t> Solid(int w, int h, uint8_t r, uint8_t g, uint8_t b, int bits = 24) {
  TestPicture p{w, h, std::vector<uint8_t>((size_t)w * h * 4)};
  for (size_t i = 0; i < p.rgba.size(); i += 4)
    p.rgba[i] = r, p.rgba[i + 1] = g, p.rgba[i + 2] = b, p.rgba[i + 3] = 255;
  return EncodeTga(p, 2, bits, false);
}

std::string Record(const char* name, const std::string& slot, const char* file, int mip) {
  return std::string("----\n") + name + "\n" + slot + "\n" + file + "\n" + std::to_string(mip) + "\n";
}

GLint TexParam(GLenum p) {
  GLint v = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, p, &v);
  return v;
}

// The first texel of a level of the bound texture.
std::vector<uint8_t> Level(int level, int* w) {
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, w);
  GLint h = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
  std::vector<uint8_t> v((size_t)(*w ? *w : 1) * (h ? h : 1) * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, level, GL_RGB, GL_UNSIGNED_BYTE, v.data());
  return v;
}

class TexListTest : public GlTest {
 protected:
  void TearDown() override { TexTable_Free(&TexTable); }
};

}  // namespace

TEST_F(TexListTest, SlotsAreClampedAndRawNamesRead) {
  WriteBytes("a.tga", Solid(4, 4, 10, 20, 30));
  std::vector<uint8_t> raw = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 99};
  WriteBytes("sky", raw);
  WriteAll("list.txt", "title\n  3 records\n" + Record("A", "-3", " \ta.tga \t\r", 0) +
                           Record("B", "700 rest", "a.tga", 1) + Record("C", "7", "sky", 1));
  ASSERT_EQ(Tex_LoadPack(&TexTable, "list.txt"), 1);
  EXPECT_NE(TexTable.slots[0].glName, 0u);
  EXPECT_NE(TexTable.slots[500].glName, 0u);
  EXPECT_EQ(TexTable.slots[500].mipmapped, 1);
  EXPECT_NE(TexTable.slots[7].glName, 0u);
  EXPECT_EQ(TexTable.slots[7].mipmapped, 0);  // 8 bits: never mipmaps
  Tex_Bind(&TexTable, 7);
  EXPECT_EQ(TexParam(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
  EXPECT_EQ(TexTable.count, 8);
  EXPECT_EQ(TexTable.slots[0].pixels, nullptr);  // freed after upload
}

TEST_F(TexListTest, ARepeatedSlotOrAMissingFileStopsTheLoadWithTheFileName) {
  WriteBytes("a.tga", Solid(2, 2, 1, 2, 3));
  WriteBytes("b.tga", Solid(2, 2, 1, 2, 3));
  WriteAll("dup.txt", "t\n2\n" + Record("A", "5", "a.tga", 0) + Record("B", "5", "b.tga", 0));
  int boxes = Rend_BoxCount();
  EXPECT_EQ(Tex_LoadPack(&TexTable, "dup.txt"), 0);
  EXPECT_EQ(Rend_BoxCount(), boxes + 1);
  EXPECT_STREQ(Rend_LastBoxText(), "a.tga");  // failed before its own name was read
  EXPECT_NE(TexTable.slots[5].glName, 0u);    // the first record stays

  TexTable_Free(&TexTable);
  WriteAll("missing.txt", "t\n2\n" + Record("A", "1", "a.tga", 0) + Record("B", "2", "nope.tga", 0));
  EXPECT_EQ(Tex_LoadPack(&TexTable, "missing.txt"), 0);
  EXPECT_STREQ(Rend_LastBoxText(), "nope.tga");

  TexTable_Free(&TexTable);
  WriteAll("short.txt", "t\n3\n" + Record("A", "1", "a.tga", 0));  // list ends early
  EXPECT_EQ(Tex_LoadPack(&TexTable, "short.txt"), 0);
  EXPECT_EQ(Tex_LoadPack(&TexTable, "no_list.txt"), 0);
}

TEST_F(TexListTest, ACountAbove501ReadsAtMost501Records) {
  std::vector<uint8_t> raw = {1, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 9, 9, 9};
  WriteBytes("px", raw);
  std::string list = "t\n600\n";
  for (int i = 0; i <= 500; i++) list += Record("X", std::to_string(i), "px", 0);
  list += Record("Y", "3", "px", 0);  // would fail as a repeated slot
  WriteAll("big.txt", list);
  ASSERT_EQ(Tex_LoadPack(&TexTable, "big.txt"), 1);
  EXPECT_EQ(TexTable.count, 501);
}

TEST_F(TexListTest, MipModesAndLevelFiles) {
  // 256 x 256 grey with mode 5: levels 1..3 from files 1..3, levels 4..8 from file 4.
  WriteBytes("g.tga", Solid(256, 256, 100, 100, 100));
  WriteBytes("g1.tga", Solid(128, 128, 11, 0, 0));
  WriteBytes("g2.tga", Solid(64, 64, 22, 0, 0));
  WriteBytes("g3.tga", Solid(32, 32, 33, 0, 0));
  WriteBytes("g4.tga", Solid(16, 16, 44, 0, 0));
  WriteBytes("s.tga", Solid(16, 16, 5, 5, 5));
  WriteBytes("h.tga", Solid(64, 64, 100, 100, 100));
  WriteBytes("h1.tga", Solid(31, 32, 77, 0, 0));      // wrong size: refused
  WriteBytes("h2.tga", Solid(16, 16, 78, 0, 0, 32));  // wrong depth: refused
  WriteAll("mips.txt", "t\n3\n" + Record("G", "1", "g.tga", 5) + Record("S", "2", "s.tga", 5) +
                           Record("H", "3", "h.tga", 4));
  ASSERT_EQ(Tex_LoadPack(&TexTable, "mips.txt"), 1);

  Tex_Bind(&TexTable, 1);
  EXPECT_EQ(TexTable.slots[1].mipmapped, 1);
  EXPECT_EQ(TexParam(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
  const int want[9] = {100, 11, 22, 33, 44, 44, 44, 44, 44};
  for (int level = 0; level <= 8; level++) {
    int w = 0;
    std::vector<uint8_t> px = Level(level, &w);
    EXPECT_EQ(w, 256 >> level) << level;
    EXPECT_EQ(px[0], want[level]) << "level " << level;
  }

  // Mode 5 needs 32 x 32: a 16 x 16 image gets no mipmaps and filters linearly.
  Tex_Bind(&TexTable, 2);
  EXPECT_EQ(TexTable.slots[2].mipmapped, 0);
  EXPECT_EQ(TexParam(GL_TEXTURE_MIN_FILTER), GL_LINEAR);

  // Level files of the wrong size or depth leave the levels built from the image.
  Tex_Bind(&TexTable, 3);
  for (int level = 1; level <= 2; level++) {
    int w = 0;
    std::vector<uint8_t> px = Level(level, &w);
    EXPECT_EQ(px[0], 100) << "level " << level;
  }
}

TEST_F(TexListTest, TheShippedListLoadsCompletely) {
  char here[1024];
  ASSERT_NE(getcwd(here, sizeof(here)), nullptr);
  ASSERT_EQ(chdir(TOLV_SOURCE_DIR), 0);
  int ok = Tex_LoadPack(&TexTable, "uni_files/res/pix_start.txt");
  ASSERT_EQ(chdir(here), 0);
  ASSERT_EQ(ok, 1);
  // Every record of the list has its texture.
  FILE* f = fopen(TOLV_SOURCE_DIR "/uni_files/res/pix_start.txt", "rb");
  ASSERT_NE(f, nullptr);
  char line[512];
  int lineNo = 0, records = 0, loaded = 0;
  while (fgets(line, sizeof(line), f)) {
    lineNo++;
    if (lineNo >= 3 && (lineNo - 3) % 5 == 2) {
      records++;
      int slot = atoi(line);
      if (slot >= 0 && slot <= 500 && TexTable.slots[slot].glName) loaded++;
    }
  }
  fclose(f);
  EXPECT_GT(records, 50);
  EXPECT_EQ(loaded, records);
  for (int slot : {3, 7, 60, 65, 74, 80, 85}) EXPECT_NE(TexTable.slots[slot].glName, 0u) << slot;
}
