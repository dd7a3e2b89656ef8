// The font description reader and the text measures, without GL.
#include <gtest/gtest.h>

#include <sstream>

#include "render/font.h"
#include "render/gl2d.h"
#include "render/texture.h"
#include "shell/clock.h"
#include "shell/text.h"

TEST(FontParse, FixedAdvanceAndPerGlyphAdvances) {
  Font f = {};
  std::istringstream one("1\n0 256\n0 0 256 256\n16 16\n1\n8\n");
  ASSERT_EQ(Font_ParseEntry(&f, one), 1);
  EXPECT_EQ(f.count, 256);
  EXPECT_EQ(f.glyphs[0].advance, 8);
  EXPECT_EQ(f.glyphs[255].advance, 8);
  EXPECT_EQ(f.glyphs[65].height, 16);

  // Advances over several lines; the rest of the last one's line is skipped.
  Font g = {};
  std::istringstream many("2\n65 4 rest\n7 9 128 64\n8 4\n0\n5 6\n7 8 trailing\nnext");
  ASSERT_EQ(Font_ParseEntry(&g, many), 1);
  EXPECT_EQ(g.textureIndex, 2);
  EXPECT_EQ(g.reserved1, 7);
  EXPECT_EQ(g.reserved2, 9);
  EXPECT_EQ(g.glyphs[64].advance, 0);
  EXPECT_EQ(g.glyphs[65].advance, 5);
  EXPECT_EQ(g.glyphs[68].advance, 8);
  EXPECT_EQ(g.glyphs[69].advance, 0);
  EXPECT_EQ(g.glyphs[66].height, 16);
  std::string rest;
  std::getline(many, rest);
  EXPECT_EQ(rest, "next");
}

TEST(FontParse, GlyphRangeIsCutToTheTableAndBadGridsRefused) {
  Font f = {};
  std::istringstream wide("1\n250 100\n0 0 256 256\n16 16\n1\n9\n");
  ASSERT_EQ(Font_ParseEntry(&f, wide), 1);
  EXPECT_EQ(f.firstChar, 250);
  EXPECT_EQ(f.count, 6);
  EXPECT_EQ(f.glyphs[255].advance, 9);

  for (const char* bad : {"1\n0 256\n0 0 256 256\n0 16\n1\n8\n",    // no columns
                          "1\n0 256\n0 0 256 256\n16 0\n1\n8\n",    // no rows
                          "1\n-5 256\n0 0 256 256\n16 16\n1\n8\n",  // first glyph below 0
                          "1\n0 0\n0 0 256 256\n16 16\n1\n8\n",     // no glyphs
                          "1\n0 256\n0 0 0 256\n16 16\n1\n8\n",     // no image
                          "1\n0 4\n0 0 64 64\n16 16\n0\n1 2\n"}) {  // advances missing
    Font b = {};
    std::istringstream in(bad);
    EXPECT_EQ(Font_ParseEntry(&b, in), 0) << bad;
    EXPECT_EQ(b.count, 0) << bad;
  }
}

TEST(FontParse, TrimAndSkipLine) {
  EXPECT_EQ(TextTrimS(" \t=fnt= Sans \t"), "=fnt= Sans");
  EXPECT_EQ(TextTrimS(" \t "), "");
  std::istringstream in("abc\r\ndef");
  EXPECT_EQ(Font_SkipLine(in), 1);
  std::string s;
  std::getline(in, s);
  EXPECT_EQ(s, "def");
  EXPECT_EQ(Font_SkipLine(in), 0);
}

TEST(FontMeasure, TextWidthAndFitChars) {
  static FontSetRec set;
  for (FontGlyph& g : set.fonts[1].glyphs) g.advance = 8;
  EXPECT_EQ(Font_TextWidth(&set, 1, "abcd", 1, -1), 24);
  EXPECT_EQ(Font_TextWidth(&set, 1, "abcd", 0, 2), 16);
  EXPECT_EQ(Font_TextWidth(&set, 1, "abcd", 2, 99), 16);
  EXPECT_EQ(Font_TextWidth(&set, 1, "abcd", 4, 1), 0);
  EXPECT_EQ(Font_TextWidth(&set, 1, "abcd", -1, 1), 0);
  EXPECT_EQ(Font_TextWidth(&set, 1, "abcd", 0, 0), 0);
  EXPECT_EQ(Font_TextWidth(&set, 13, "abcd", 0, 1), 0);
  EXPECT_EQ(Font_FitChars(&set, 1, "abcd", 20), 2);
  EXPECT_EQ(Font_FitChars(&set, 1, "abcd", 32), 4);
  EXPECT_EQ(Font_FitChars(&set, 1, "abcd", 7), 0);
  EXPECT_EQ(Font_FitChars(&set, 1, "", 100), 0);
  EXPECT_EQ(Font_FitChars(&set, 0, "abcd", 100), 0);
  // Bytes above 127 (Cyrillic) index the table as unsigned.
  set.fonts[1].glyphs[0xC0].advance = 11;
  EXPECT_EQ(Font_TextWidth(&set, 1, "\xC0\xC0", 0, -1), 22);
}

TEST(FontMeasure, ClippedMeasuresCountOnlyWhatLiesLeftOfTheEdge) {
  static FontSetRec set;
  Font& f = set.fonts[1];
  f.firstChar = 0, f.count = 256;
  for (FontGlyph& g : f.glyphs) g.advance = 8;
  struct Case {
    const char* text;
    int len, limit, chars;
  } const kChars[] = {
      {"abcd", 4, 17, 3},     // pens 0, 8, 16 start left of 17
      {"abcd", 4, 16, 2},     // c starts on the edge
      {"abcd", 4, 0, 0},      // a glyph on the edge is past it
      {"abcd", 4, 99, 4},     // all fit
      {"ab\0d", 4, 99, 2},    // a zero byte ends the text
      {"\1\2\3ab", 5, 8, 4},  // glyphs 1..3 do not move the pen
  };
  for (const Case& c : kChars)
    EXPECT_EQ(Font_CharsBefore(&set, 1, c.text, c.len, c.limit), c.chars) << c.text;
  EXPECT_EQ(Font_TextWidthUpTo(&set, 1, "abcd", 4, 4, 99), 32);
  EXPECT_EQ(Font_TextWidthUpTo(&set, 1, "abcd", 4, 3, 99), 24);
  EXPECT_EQ(Font_TextWidthUpTo(&set, 1, "abcd", 4, 4, 10), 16);  // stops once past 10
  EXPECT_EQ(Font_TextWidthUpTo(&set, 1, "abcd", 2, 4, 99), 16);
  // A glyph that moves the pen back could bring later ones into view: then everything counts.
  f.glyphs['z'].advance = -30;
  EXPECT_EQ(Font_CharsBefore(&set, 1, "abcz", 4, 10), 4);
  EXPECT_EQ(Font_TextWidthUpTo(&set, 1, "abcz", 4, 4, 10), -6);
}

TEST(AtlasCell, CellsMirrorAndRefusals) {
  float uv[8];
  ASSERT_NE(TexCoord_AtlasCell(nullptr, uv, 3, 4, 2, 2, 0), nullptr);
  const float want[8] = {0.5f, 0.5f, 0.75f, 0.5f, 0.75f, 1.0f, 0.5f, 1.0f};
  for (int i = 0; i < 8; i++) EXPECT_FLOAT_EQ(uv[i], want[i]) << i;
  TexCoord_AtlasCell(nullptr, uv, 1, 1, 1, 1, 1);
  const float whole[8] = {1, 0, 0, 0, 0, 1, 1, 1};
  for (int i = 0; i < 8; i++) EXPECT_FLOAT_EQ(uv[i], whole[i]) << i;
  TexCoord_AtlasCell(nullptr, uv, 2, 3, 1, 10, 0);
  EXPECT_FLOAT_EQ(uv[0], 0.3333f);  // the table's constant, not 1/3
  EXPECT_FLOAT_EQ(uv[5], 0.1f);
  EXPECT_EQ(TexCoord_AtlasCell(nullptr, nullptr, 1, 1, 1, 1, 0), nullptr);
  EXPECT_EQ(TexCoord_AtlasCell(nullptr, uv, 1, 0, 1, 1, 0), nullptr);
}

TEST(CircleTables, StartAtTheTopRunTowardNegativeXAndClose) {
  CircleTables_Init();
  EXPECT_NEAR(Gl2D.Circle64[0], 0, 1e-6);
  EXPECT_NEAR(Gl2D.Circle64[1], 1, 1e-6);
  EXPECT_LT(Gl2D.Circle64[2], 0);            // dir 0 steps the angle downwards
  EXPECT_NEAR(Gl2D.Circle64[32], -1, 1e-3);  // point 16, a quarter turn
  EXPECT_EQ(Gl2D.Circle64[128], Gl2D.Circle64[0]);
  EXPECT_EQ(Gl2D.Circle32[65], Gl2D.Circle32[1]);
  float up[8] = {};
  CirclePoints_Make(up, 4, 2.0f, 1);
  EXPECT_NEAR(up[2], 2, 1e-3);  // dir 1: point 1 at +x
  float keep[4] = {9, 9, 9, 9};
  CirclePoints_Make(keep, 2, 1.0f, 1);
  EXPECT_EQ(keep[0], 9);
}

TEST(Anim3, PulsesBetweenItsBoundsOnTheClock) {
  Clock_SetManual(true, 5000);
  EXPECT_EQ(Gl2D.Anim3[0].done, -1);  // stopped before a world starts
  Anim3_Init();
  Anim3_Reset();
  float a0 = Gl2D.Anim3[0].value, b0 = Gl2D.Anim3[1].value;
  Clock_Advance(100);  // ten intervals of 10 ms
  Anim3_Reset();
  EXPECT_NE(Gl2D.Anim3[0].value, a0);
  EXPECT_NE(Gl2D.Anim3[1].value, b0);
  for (int i = 0; i < 200; i++) {
    Clock_Advance(37);
    Anim3_Reset();
    ASSERT_GE(Gl2D.Anim3[1].value, 0.0f);
    ASSERT_LE(Gl2D.Anim3[1].value, 1.0f);
  }
  Clock_SetManual(false);
}
