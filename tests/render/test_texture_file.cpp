// Image files into texture slots without GL: TGA and raw kinds, refusals, pixel queries.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/platform.h"
#include "render/texture.h"
#include "test_files.h"
#include "tga_maker.h"

namespace {

std::vector<uint8_t> RawFile(int32_t w, int32_t h, int32_t n, size_t pixelBytes) {
  std::vector<uint8_t> v;
  for (int32_t x : {w, h, n})
    for (int k = 0; k < 4; k++) v.push_back(((uint32_t)x >> (8 * k)) & 0xFF);
  for (size_t i = 0; i < pixelBytes; i++) v.push_back((uint8_t)i);
  return v;
}

}  // namespace

TEST(TexLoadFile, TgaByExtensionRawOtherwise) {
  TestPicture pic = MakeTestPicture(3, 2);
  WriteBytes("pic.tga", EncodeTga(pic, 10, 32, true));
  TexSlot s = {};
  ASSERT_EQ(Tex_LoadFile(&s, "pic.tga"), 1);
  EXPECT_EQ(s.width, 3);
  EXPECT_EQ(s.height, 2);
  EXPECT_EQ(s.bits, 32);
  // Row 0 of Tex_Pixel is the top row of the picture.
  uint8_t r = 0, g = 0, b = 0, a = 0;
  Tex_Pixel(&s, 2, 0, &r, &g, &b, &a);
  EXPECT_EQ(r, pic.At(2, 0)[0]);
  EXPECT_EQ(g, pic.At(2, 0)[1]);
  EXPECT_EQ(b, pic.At(2, 0)[2]);
  EXPECT_EQ(a, pic.At(2, 0)[3]);
  Tex_Pixel(&s, 0, 1, &r, &g, &b, &a);
  EXPECT_EQ(g, pic.At(0, 1)[1]);
  r = 77;
  Tex_Pixel(&s, 3, 0, &r, &g, &b, &a);  // outside: nothing written
  Tex_Pixel(&s, 0, -1, &r, &g, &b, &a);
  EXPECT_EQ(r, 77);

  // A name without a four-character extension is a raw image.
  WriteBytes("sky", RawFile(2, 3, 2, 12));
  ASSERT_EQ(Tex_LoadFile(&s, "sky"), 1);
  EXPECT_EQ(s.bits, 16);
  EXPECT_EQ(s.width, 2);
  EXPECT_EQ(s.pixels[11], 11);
  Tex_FreePixels(&s);
  EXPECT_EQ(s.pixels, nullptr);
  EXPECT_EQ(s.bits, 0);
}

TEST(TexLoadFile, BrokenFilesAreRefusedWithoutPixels) {
  TexSlot s = {};
  EXPECT_EQ(Tex_LoadFile(&s, "missing.tga"), 0);
  WriteBytes("empty.tga", std::vector<uint8_t>{});
  EXPECT_EQ(Tex_LoadFile(&s, "empty.tga"), 0);
  std::vector<uint8_t> tga = EncodeTga(MakeTestPicture(4, 4), 2, 24, false);
  tga.resize(tga.size() - 1);
  WriteBytes("short.tga", tga);
  EXPECT_EQ(Tex_LoadFile(&s, "short.tga"), 0);
  EXPECT_EQ(s.pixels, nullptr);

  WriteBytes("raw_short", RawFile(4, 4, 3, 47));  // one byte missing
  WriteBytes("raw_depth", RawFile(4, 4, 5, 80));  // 5 bytes a pixel
  WriteBytes("raw_neg", RawFile(-4, 4, 1, 16));   // negative width
  WriteBytes("raw_huge", RawFile(65536, 65536, 4, 8));
  WriteBytes("raw_hdr", std::vector<uint8_t>{1, 0, 0, 0, 1, 0});  // header cut short
  // Whole files that decode to more than 64 MiB: 4096 x 4097 at 4 bytes (a sparse file), and a
  // run-length TGA of 8192 x 2049 at 32 bits in 640 KB.
  WriteBytes("raw_big", RawFile(4096, 4097, 4, 0));
  std::filesystem::resize_file("raw_big", 12 + (uintmax_t)4096 * 4097 * 4);
  std::vector<uint8_t> big(18, 0);
  big[2] = 10, big[12] = 0x00, big[13] = 0x20, big[14] = 0x01, big[15] = 0x08, big[16] = 32;
  for (int i = 0; i < 8192 * 2049 / 128; i++) big.insert(big.end(), {0xFF, 1, 2, 3, 4});
  WriteBytes("big.tga", big);
  for (const char* name :
       {"raw_short", "raw_depth", "raw_neg", "raw_huge", "raw_hdr", "raw_big", "big.tga"}) {
    EXPECT_EQ(Tex_LoadFile(&s, name), 0) << name;
    EXPECT_EQ(s.pixels, nullptr) << name;
  }
}

TEST(TexLoadFile, RawWriterRoundTripsAndFlips) {
  uint8_t px[6] = {1, 2, 3, 4, 5, 6};  // 1 x 2, 3 bytes a pixel
  Img_WriteRaw("two_rows", px, 1, 2, 3, 1);
  EXPECT_EQ(px[0], 4);  // flipped in place before writing
  TexSlot s = {};
  ASSERT_EQ(Tex_LoadFile(&s, "two_rows"), 1);
  EXPECT_EQ(s.bits, 24);
  EXPECT_EQ(s.pixels[0], 4);
  EXPECT_EQ(s.pixels[5], 3);
  Tex_FreePixels(&s);
  Img_WriteRaw("bad_bpp", px, 1, 2, 5, 0);
  EXPECT_EQ(fopen("bad_bpp", "rb"), nullptr);

  // A write that fails part-way (past a file size limit, with the signal as the program's start
  // sets it) leaves the old file whole and the caller's pixels unflipped.
  const std::string before = ReadAll("two_rows");
  std::vector<uint8_t> big(64 * 64 * 4, 7);
  big[0] = 1;
  rlimit was{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &was), 0);
  rlimit cut = was;
  cut.rlim_cur = 100;
  Plat_IgnoreFileSizeSignal();
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &cut), 0);
  Img_WriteRaw("two_rows", big.data(), 64, 64, 4, 1);
  setrlimit(RLIMIT_FSIZE, &was);
  EXPECT_EQ(ReadAll("two_rows"), before);
  EXPECT_EQ(big[0], 1);
}

TEST(TexTable, SlotRangeRefusalsNeedNoGl) {
  static uint8_t px[4] = {};
  EXPECT_EQ(Tex_FromMem(&TexTable, -1, px, 1, 1, 4, 0), 0);
  EXPECT_EQ(Tex_FromMem(&TexTable, 501, px, 1, 1, 4, 0), 0);
  EXPECT_EQ(Tex_FromMem(&TexTable, 5, nullptr, 1, 1, 4, 0), 0);
  EXPECT_EQ(Tex_FromMem(&TexTable, 5, px, 1, 1, 5, 0), 0);
  EXPECT_EQ(Tex_LoadNamed(&TexTable, -2, "x.tga", 0), 0);
  EXPECT_EQ(Tex_LoadNamed(&TexTable, 501, "x.tga", 0), 0);
  Tex_Bind(&TexTable, -1);  // must not touch memory before the table
  Tex_Bind(&TexTable, 501);
  EXPECT_EQ(TexTable.count, 1);
  TexSlot s = {};
  EXPECT_EQ(Tex_Create(&s, 0, 0), 0);  // no pixels
  EXPECT_EQ(Img_DrawPixels(&s, 0, 0, 0), -1);
}
