// Fonts on screen: coloured runs against the measured widths, skips, the shipped font set, and a
// sample sheet of every font saved as a screenshot for a look.
#include <GL/gl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gl_fixture.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/screenshot.h"
#include "test_files.h"
#include "tga_maker.h"

namespace {

// A 128 x 128 atlas of 8 x 8 cells, every cell solid white: each glyph draws a block as wide as
// its advance and 8 high.
void WriteBlockFont(const std::string& desc) {
  TestPicture p{128, 128, std::vector<uint8_t>(128 * 128 * 4, 255)};
  WriteBytes("blocks.tga", EncodeTga(p, 10, 32, true));
  WriteAll("_tfonts.txt", desc);
}

std::string BlockEntry(int tex) {
  // Advances: 'a' 5, 'b' 6, 'c' 7, 'd' 4, everything else 3.
  std::string s = std::to_string(tex) + "\n0 256\n0 0 128 128\n16 16\n0\n";
  for (int c = 0; c < 256; c++)
    s += std::to_string(c == 'a'   ? 5
                        : c == 'b' ? 6
                        : c == 'c' ? 7
                        : c == 'd' ? 4
                                   : 3) +
         (c % 16 == 15 ? "\n" : " ");
  return s;
}

// Colour of the pixel at (x, y) as "r,g,b".
std::string At(const std::vector<uint8_t>& row, int x) {
  return std::to_string(row[x * 3]) + "," + std::to_string(row[x * 3 + 1]) + "," +
         std::to_string(row[x * 3 + 2]);
}

class FontTest : public GlTest {
 protected:
  void TearDown() override { FontSet_Free(&FontSet); }
};

}  // namespace

TEST_F(FontTest, ColourCodedRunsMatchTheMeasuredWidths) {
  WriteBlockFont("fonts\n=tex=\n1\n  blocks.tga \t\r\n=klv=\n1\n \t=fnt= blocks after the marker\n" +
                 BlockEntry(1));
  ASSERT_EQ(FontSet_Load(&FontSet, "."), 1);
  ASSERT_NE(FontSet.fonts[1].listBase, 0u);
  EXPECT_EQ(FontSet.fonts[1].glyphs['c'].height, 8);

  Font_Print(&FontSet, "abc", 1, 10, 10, 0, 0, kGlW, kGlH, "rgb", 0, 0);
  std::vector<uint8_t> row = Read(0, 12, kGlW, 1);
  EXPECT_EQ(Font_TextWidth(&FontSet, 1, "abc", 0, -1), 18);
  for (int x = 10; x < 15; x++) EXPECT_EQ(At(row, x), "255,0,0") << x;
  for (int x = 15; x < 21; x++) EXPECT_EQ(At(row, x), "0,255,0") << x;
  for (int x = 21; x < 28; x++) EXPECT_EQ(At(row, x), "0,0,255") << x;
  EXPECT_EQ(At(row, 9), "0,0,0");
  EXPECT_EQ(At(row, 10 + 18), "0,0,0");
  EXPECT_EQ(At(Read(0, 18, kGlW, 1), 12), "0,0,0");  // 8 high: rows 10..17

  // Codes of the wrong length: everything in the current colour.
  glColor4f(1, 1, 0, 1);
  Font_Print(&FontSet, "abc", 1, 10, 30, 0, 0, kGlW, kGlH, "rg", 0, 0);
  row = Read(0, 32, kGlW, 1);
  for (int x = 10; x < 28; x++) EXPECT_EQ(At(row, x), "255,255,0") << x;
  EXPECT_EQ(At(row, 28), "0,0,0");

  // Skip one at each end of "abcd": "bc" from the pen position.
  Font_Print(&FontSet, "abcd", 1, 10, 50, 0, 0, kGlW, kGlH, "rgbq", 1, 1);
  row = Read(0, 52, kGlW, 1);
  for (int x = 10; x < 16; x++) EXPECT_EQ(At(row, x), "0,255,0") << x;
  for (int x = 16; x < 23; x++) EXPECT_EQ(At(row, x), "0,0,255") << x;
  EXPECT_EQ(At(row, 23), "0,0,0");

  // Skips that cover the text draw nothing; an unknown font draws nothing.
  Font_Print(&FontSet, "ab", 1, 10, 70, 0, 0, kGlW, kGlH, nullptr, 1, 1);
  Font_Print(&FontSet, "ab", 5, 10, 70, 0, 0, kGlW, kGlH, nullptr, 0, 0);
  Font_PrintChar(&FontSet, 0, 1, 10, 70, 0, 0, kGlW, kGlH);
  EXPECT_EQ(At(Read(0, 72, kGlW, 1), 12), "0,0,0");
  glColor4f(1, 0, 1, 1);
  Font_PrintChar(&FontSet, 'c', 1, 10, 70, 0, 0, kGlW, kGlH);
  row = Read(0, 72, kGlW, 1);
  EXPECT_EQ(At(row, 16), "255,0,255");
  EXPECT_EQ(At(row, 17), "0,0,0");

  // A row holding a NUL: the clipped print of a text box colours it as the plain print does, by
  // the lengths up to the first NUL. "rgbr" is longer than "ab": the current colour; "rg\0b" colours.
  const std::string text("ab\0c", 4);
  for (const std::string& codes : {std::string("rgbr"), std::string("rg\0b", 4)}) {
    const bool coded = codes[2] == 0;
    SCOPED_TRACE(coded ? "coloured" : "plain");
    glColor4f(1, 1, 0, 1);
    Font_PrintS(&FontSet, text, 1, 10, 90, 0, 0, kGlW, kGlH, codes, 0, 0);
    glColor4f(1, 1, 0, 1);
    Font_PrintClipped(&FontSet, text, 1, 10, 110, 0, 0, kGlW, kGlH, codes, 1000);
    for (int y : {92, 112}) {
      row = Read(0, y, kGlW, 1);
      for (int x = 10; x < 15; x++)
        EXPECT_EQ(At(row, x), coded ? "255,0,0" : "255,255,0") << y << " " << x;
      for (int x = 15; x < 21; x++)
        EXPECT_EQ(At(row, x), coded ? "0,255,0" : "255,255,0") << y << " " << x;
      EXPECT_EQ(At(row, 21), "0,0,0") << y;  // nothing past the NUL
    }
  }
}

TEST_F(FontTest, SavedColourCodesAndTheHighlightBlock) {
  WriteBlockFont("=tex=\n1\nblocks.tga\n=klv=\n1\n=fnt=\n" + BlockEntry(1));
  ASSERT_EQ(FontSet_Load(&FontSet, "."), 1);
  EXPECT_FALSE(
      glIsEnabled(GL_VERTEX_ARRAY));  // building the lists leaves the client arrays as they were
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
  // " " is the colour the print began with; byte 1 the same at half alpha over black.
  glColor4f(0, 1, 1, 1);
  Font_Print(&FontSet, "ab", 1, 10, 10, 0, 0, kGlW, kGlH, " \x01", 0, 0);
  std::vector<uint8_t> row = Read(0, 12, kGlW, 1);
  EXPECT_EQ(At(row, 12), "0,255,255");
  EXPECT_EQ(row[17 * 3 + 1], 128);
  // "w": the grey block of glyph 0 under the character, then the character in 48, 48, 48.
  Font_Print(&FontSet, "a", 1, 10, 30, 0, 0, kGlW, kGlH, "w", 0, 0);
  EXPECT_EQ(At(Read(0, 32, kGlW, 1), 12), "48,48,48");
  // State after a print: blending and texturing off, modelview current.
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
  // The glyphs leave the current texture coordinate as the print found it: a glyph that set it
  // would make the software renderer store a copy of its state for every glyph after it.
  glTexCoord2f(0.25f, 0.75f);
  Font_Print(&FontSet, "abcd", 1, 10, 50, 0, 0, kGlW, kGlH, nullptr, 0, 0);
  GLfloat tc[4] = {};
  glGetFloatv(GL_CURRENT_TEXTURE_COORDS, tc);
  EXPECT_EQ(tc[0], 0.25f);
  EXPECT_EQ(tc[1], 0.75f);
}

TEST_F(FontTest, AWhiteAtlasIsKeptAsAlphaAndTheListsAreMadeAtTheFontsFirstPrint) {
  // Image 1 white, image 2 cyan: only the white one can lose its colour channels.
  WriteBlockFont("=tex=\n2\nblocks.tga\ncyan.tga\n=klv=\n2\n=fnt=\n" + BlockEntry(1) + "=fnt=\n" +
                 BlockEntry(2));
  TestPicture cyan{128, 128, std::vector<uint8_t>(128 * 128 * 4, 255)};
  for (size_t i = 0; i < cyan.rgba.size(); i += 4) cyan.rgba[i] = 0;
  WriteBytes("cyan.tga", EncodeTga(cyan, 10, 32, true));
  ASSERT_EQ(FontSet_Load(&FontSet, "."), 1);
  GLint format[3] = {};
  for (int i = 1; i <= 2; i++) {
    glBindTexture(GL_TEXTURE_2D, FontSet.tex[i]);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format[i]);
  }
  EXPECT_EQ(format[1], GL_ALPHA);
  EXPECT_EQ(format[2], GL_RGBA);
  EXPECT_EQ(FontSet.fonts[1].listsPending, 1);
  EXPECT_EQ(FontSet.fonts[2].listsPending, 1);

  glColor4f(1, 0.5f, 1, 1);
  Font_Print(&FontSet, "a", 1, 10, 10, 0, 0, kGlW, kGlH, nullptr, 0, 0);
  Font_Print(&FontSet, "a", 2, 10, 30, 0, 0, kGlW, kGlH, nullptr, 0, 0);
  EXPECT_EQ(At(Read(0, 12, kGlW, 1), 12), "255,128,255");  // the current colour
  EXPECT_EQ(At(Read(0, 32, kGlW, 1), 12), "0,128,255");    // ... times the atlas's cyan
  EXPECT_EQ(FontSet.fonts[1].listsPending, 0);
  EXPECT_EQ(FontSet.fonts[2].listsPending, 0);
}

TEST_F(FontTest, DescriptionCapsAndBadEntries) {
  // 15 images and 14 fonts: 12 of each. Font 2 has no grid and is dropped; font 3 names a
  // range past the table, which is cut.
  std::string d = "=tex=\n15\n";
  for (int i = 0; i < 15; i++) d += "blocks.tga\n";
  d += "=klv=\n14\n=fnt\n";  // four characters are no marker
  for (int i = 1; i <= 14; i++) {
    d += "=fnt= " + std::to_string(i) + "\n";
    if (i == 2) d += "1\n0 256\n0 0 128 128\n0 16\n1\n8\n";
    else if (i == 3) d += "1\n200 100\n0 0 128 128\n16 16\n1\n8\n";
    else d += BlockEntry(i > 12 ? 1 : i);
  }
  WriteBlockFont(d);
  ASSERT_EQ(FontSet_Load(&FontSet, "."), 1);
  for (int i = 1; i <= 12; i++) EXPECT_NE(FontSet.tex[i], 0u) << i;
  EXPECT_EQ(FontSet.fonts[2].listBase, 0u);
  EXPECT_EQ(FontSet.fonts[3].count, 56);
  EXPECT_NE(FontSet.fonts[12].listBase, 0u);
  // Font 3 has no glyph for 'a': nothing drawn, nothing read outside the table.
  Font_Print(&FontSet, "a\xF0", 3, 10, 10, 0, 0, kGlW, kGlH, nullptr, 0, 0);
  std::vector<uint8_t> row = Read(0, 12, kGlW, 1);
  // Byte 0xF0 is in the font; the pen did not move for 'a'.
  for (int x = 10; x < 18; x++) EXPECT_EQ(At(row, x), "255,255,255") << x;
  EXPECT_EQ(At(row, 18), "0,0,0");

  FontSet_Free(&FontSet);
  WriteBlockFont("=tex=\n1\nblocks.tga\n=klv=\n2\n=fnt=\n" + BlockEntry(1));  // one entry short
  EXPECT_EQ(FontSet_Load(&FontSet, "."), 0);
  EXPECT_EQ(FontSet.tex[1], 0u);
  EXPECT_EQ(FontSet_Load(&FontSet, "no_such_dir"), 0);
}

TEST_F(FontTest, TheShippedFontsLoadAndEveryFontPrintsLatinAndCyrillic) {
  ASSERT_EQ(FontSet_Load(&FontSet, TOLV_SOURCE_DIR "/uni_files/res"), 1);
  for (int i = 1; i <= 12; i++) {
    EXPECT_NE(FontSet.fonts[i].listBase, 0u) << i;
    EXPECT_EQ(FontSet.fonts[i].count, 256) << i;
    EXPECT_NE(FontSet.tex[FontSet.fonts[i].textureIndex], 0u) << i;
    EXPECT_GE(FontSet.fonts[i].glyphs['W'].advance, FontSet.fonts[i].glyphs['i'].advance) << i;
    EXPECT_GT(FontSet.fonts[i].glyphs['W'].advance, 0) << i;
    EXPECT_GT(FontSet.fonts[i].glyphs[0xC6].advance, 0) << i;  // Ж
  }
  // A sample sheet: each font's number, Latin and Cyrillic, some in colour codes.
  const int W = 800, H = 600;
  FontSet_Free(&FontSet);
  Plat_HeadlessContextFree();
  ASSERT_EQ(Plat_HeadlessContext(W, H), 1);
  ASSERT_EQ(FontSet_Load(&FontSet, TOLV_SOURCE_DIR "/uni_files/res"), 1);
  glViewport(0, 0, W, H);
  glClearColor(0.12f, 0.14f, 0.2f, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  float y = H - 30;
  for (int i = 1; i <= 12; i++) {
    std::string line = std::to_string(i) + ": The quick brown fox 0123 / Съешь же ещё этих мягких булок";
    glColor4f(1, 1, 1, 1);
    Font_Print(&FontSet, line.c_str(), i, 10, y, 0, 0, W, H, nullptr, 0, 0);
    y -= FontSet.fonts[i].glyphs['A'].height + 12;
  }
  std::string coloured = "PAUSE Пауза";
  Font_Print(&FontSet, coloured.c_str(), 6, 10, 40, 0, 0, W, H, "aqpcgarrggb", 0, 0);
  Font_Print(&FontSet, "highlight", 1, 400, 40, 0, 0, W, H, "wwwwxxxxx", 0, 0);
  int counter = 0;
  char here[1024];
  ASSERT_NE(getcwd(here, sizeof(here)), nullptr);
  ASSERT_EQ(ScreenShot_Take(here, "fonts", &counter), 1);
  std::vector<uint8_t> row = Read(0, H - 24, W, 1);
  int lit = 0;
  for (int x = 0; x < W; x++) lit += row[x * 3] > 200;
  EXPECT_GT(lit, 20);
}
