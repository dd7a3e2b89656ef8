// TGA decoding of every variant, refusal of broken files, row flips and the BMP writer.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "render/error_box.h"
#include "render/image.h"
#include "test_files.h"
#include "tga_maker.h"

namespace {

// The expected decoder output: bottom row first, R, G, B(, A).
std::vector<uint8_t> BottomFirst(const TestPicture& p, int bpp) {
  std::vector<uint8_t> out;
  for (int y = p.h - 1; y >= 0; y--)
    for (int x = 0; x < p.w; x++) out.insert(out.end(), p.At(x, y), p.At(x, y) + bpp);
  return out;
}

uint32_t U32(const std::vector<uint8_t>& v, size_t at) {
  return v[at] | (v[at + 1] << 8) | (v[at + 2] << 16) | ((uint32_t)v[at + 3] << 24);
}

}  // namespace

TEST(TargaDecode, EveryVariantGivesTheSameBottomFirstPixels) {
  TestPicture pic = MakeTestPicture(5, 3);
  for (int type : {2, 10})
    for (int bits : {24, 32})
      for (bool top : {false, true}) {
        SCOPED_TRACE(testing::Message() << "type " << type << " bits " << bits << " top " << top);
        std::vector<uint8_t> file = EncodeTga(pic, type, bits, top, 3);
        int w = 0, h = 0, b = 0;
        uint8_t* px = TargaDecode(file.data(), file.size(), &w, &h, &b);
        ASSERT_NE(px, nullptr);
        EXPECT_EQ(w, 5);
        EXPECT_EQ(h, 3);
        EXPECT_EQ(b, bits);
        std::vector<uint8_t> want = BottomFirst(pic, bits / 8);
        EXPECT_EQ(0, memcmp(px, want.data(), want.size()));
        free(px);
      }
}

TEST(TargaDecode, RunPacketContinuesOnTheNextRow) {
  // 3 x 2, bottom origin: a raw packet of two pixels, then one run of four that crosses the
  // end of the first row.
  std::vector<uint8_t> f(18, 0);
  f[2] = 10, f[12] = 3, f[14] = 2, f[16] = 24;
  const uint8_t raw[] = {1, 1, 2, 3, 4, 5, 6};  // header 1 = two raw pixels (B,G,R each)
  f.insert(f.end(), raw, raw + sizeof(raw));
  const uint8_t run[] = {0x83, 9, 8, 7};
  f.insert(f.end(), run, run + sizeof(run));
  int w, h, b;
  uint8_t* px = TargaDecode(f.data(), f.size(), &w, &h, &b);
  ASSERT_NE(px, nullptr);
  const uint8_t want[] = {3, 2, 1, 6, 5, 4, 7, 8, 9,   // bottom row (first in the file)
                          7, 8, 9, 7, 8, 9, 7, 8, 9};  // top row
  EXPECT_EQ(0, memcmp(px, want, sizeof(want)));
  free(px);
}

TEST(TargaDecode, DecodingStopsInsideAPacketAtTheLastPixel) {
  // A 2 x 1 image whose only packet claims 100 pixels: two are used, nothing more is read.
  std::vector<uint8_t> f(18, 0);
  f[2] = 10, f[12] = 2, f[14] = 1, f[16] = 32;
  const uint8_t run[] = {0x80 | 99, 1, 2, 3, 4};
  f.insert(f.end(), run, run + sizeof(run));
  int w, h, b;
  uint8_t* px = TargaDecode(f.data(), f.size(), &w, &h, &b);
  ASSERT_NE(px, nullptr);
  const uint8_t want[] = {3, 2, 1, 4, 3, 2, 1, 4};
  EXPECT_EQ(0, memcmp(px, want, sizeof(want)));
  free(px);
}

TEST(TargaDecode, EveryTruncationIsRefused) {
  // Copies of exact length, so the sanitizer sees any read past the end.
  TestPicture pic = MakeTestPicture(7, 5);
  for (int type : {2, 10})
    for (int bits : {24, 32}) {
      std::vector<uint8_t> file = EncodeTga(pic, type, bits, type == 10, 2);
      for (size_t len = 0; len < file.size(); len++) {
        std::vector<uint8_t> cut(file.begin(), file.begin() + len);
        int w, h, b;
        uint8_t* px = TargaDecode(cut.empty() ? nullptr : cut.data(), len, &w, &h, &b);
        EXPECT_EQ(px, nullptr) << "type " << type << " bits " << bits << " length " << len;
        free(px);
      }
    }
}

TEST(TargaDecode, RefusesWrongKindsAndSizes) {
  TestPicture pic = MakeTestPicture(4, 4);
  std::vector<uint8_t> good = EncodeTga(pic, 2, 24, false);
  int w, h, b;

  std::vector<uint8_t> f = good;
  f[1] = 1, f[2] = 1;  // colour-mapped image: the type is checked first
  EXPECT_EQ(TargaDecode(f.data(), f.size(), &w, &h, &b), nullptr);
  EXPECT_STREQ(Rend_LastBoxText(), "Only TGA (Uncompr. RGB) or (RLE RGB) image types");

  f = good;
  f[1] = 1;  // colour map with a true-colour type
  EXPECT_EQ(TargaDecode(f.data(), f.size(), &w, &h, &b), nullptr);
  EXPECT_STREQ(Rend_LastBoxText(), "Only TGA (24) or (32) bit pixel");

  f = good;
  f[16] = 16;
  EXPECT_EQ(TargaDecode(f.data(), f.size(), &w, &h, &b), nullptr);
  EXPECT_STREQ(Rend_LastBoxText(), "Only TGA (24) or (32) bit pixel");

  f = good;
  f[12] = f[13] = 0;  // zero width
  EXPECT_EQ(TargaDecode(f.data(), f.size(), &w, &h, &b), nullptr);

  f = good;
  f[12] = f[13] = f[14] = f[15] = 0xFF;  // 65535 x 65535 in a file of a few bytes
  EXPECT_EQ(TargaDecode(f.data(), f.size(), &w, &h, &b), nullptr);
  f[2] = 10;
  EXPECT_EQ(TargaDecode(f.data(), f.size(), &w, &h, &b), nullptr);
}

TEST(ImgFlip, CopyAndInPlaceReverseRowsAndLeaveOddCasesAlone) {
  uint8_t* px = (uint8_t*)malloc(6);
  const uint8_t rows[6] = {1, 2, 3, 4, 5, 6};  // 1 x 2 at 24 bits
  memcpy(px, rows, 6);
  px = ImgFlipCopy(px, 1, 2, 24);
  const uint8_t flipped[6] = {4, 5, 6, 1, 2, 3};
  EXPECT_EQ(0, memcmp(px, flipped, 6));
  ImgFlipRows(px, 1, 2, 3);
  EXPECT_EQ(0, memcmp(px, rows, 6));

  EXPECT_EQ(ImgFlipCopy(px, 2, 1, 24), px);  // one row: the same buffer back
  EXPECT_EQ(ImgFlipCopy(px, 1, 2, 12), px);  // not a pixel depth
  ImgFlipRows(px, 1, 2, 5);
  EXPECT_EQ(0, memcmp(px, rows, 6));
  EXPECT_EQ(ImgFlipCopy(nullptr, 1, 2, 24), nullptr);
  free(px);
}

TEST(SaveBmp24, HeaderPaddingAndRowOrder) {
  // Width 1: rows of 3 bytes padded to 4.
  const uint8_t px[6] = {1, 2, 3, 4, 5, 6};
  ASSERT_EQ(SaveBmp24("w1.bmp", 1, 2, px, 0, 0), 1);
  std::vector<uint8_t> f = ReadBytes("w1.bmp");
  ASSERT_EQ(f.size(), 54u + 8u);
  EXPECT_EQ(f[0], 'B');
  EXPECT_EQ(f[1], 'M');
  EXPECT_EQ(U32(f, 2), 62u);
  EXPECT_EQ(U32(f, 10), 54u);
  EXPECT_EQ(U32(f, 14), 40u);
  EXPECT_EQ(U32(f, 18), 1u);
  EXPECT_EQ(U32(f, 22), 2u);
  EXPECT_EQ(f[26] | (f[27] << 8), 1);
  EXPECT_EQ(f[28] | (f[29] << 8), 24);
  EXPECT_EQ(U32(f, 34), 8u);
  EXPECT_EQ(U32(f, 38), 2952u);
  const uint8_t body[8] = {1, 2, 3, 0, 4, 5, 6, 0};
  EXPECT_EQ(0, memcmp(&f[54], body, 8));

  // Reversed rows with red and blue swapped.
  ASSERT_EQ(SaveBmp24("w1r.bmp", 1, 2, px, 1, 1), 1);
  f = ReadBytes("w1r.bmp");
  const uint8_t body2[8] = {6, 5, 4, 0, 3, 2, 1, 0};
  EXPECT_EQ(0, memcmp(&f[54], body2, 8));

  // Width 4: 12 bytes a row, no padding. Width 1366: 4098 bytes padded to 4100.
  std::vector<uint8_t> wide(1366 * 3 * 2, 7);
  ASSERT_EQ(SaveBmp24("w4.bmp", 4, 2, wide.data(), 0, 0), 1);
  EXPECT_EQ(ReadBytes("w4.bmp").size(), 54u + 24u);
  ASSERT_EQ(SaveBmp24("w1366.bmp", 1366, 2, wide.data(), 0, 0), 1);
  f = ReadBytes("w1366.bmp");
  ASSERT_EQ(f.size(), 54u + 8200u);
  EXPECT_EQ(f[54 + 4098], 0);
  EXPECT_EQ(f[54 + 4100], 7);

  EXPECT_EQ(SaveBmp24("no_such_dir/x.bmp", 1, 1, px, 0, 0), 0);
}
