// Binary primitives through real files: byte layout, patched count blocks, null streams, and reads
// that run into the end of the file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shell/binfile.h"
#include "test_files.h"

TEST(BinFile, ValuesAndNamesRoundTripWithExactLayout) {
  const char* path = "bin_values.bin";
  FILE* f = std::fopen(path, "wb");
  ASSERT_NE(f, nullptr);
  char name[12];
  Name12_Set(name, "ab");
  EXPECT_EQ(CharWrite('x', f), 1);
  EXPECT_EQ(ShortWrite(0xBEEF, f), 2);
  EXPECT_EQ(IntWrite(-2, f), 4);
  EXPECT_EQ(UIntWrite(0x01020304u, f), 4);
  EXPECT_EQ(FloWrite(1.5f, f), 4);
  EXPECT_EQ(QuadWrite(0x1122334455667788ull, f), 8);
  EXPECT_EQ(StrWriteLen("abc", f), 8);
  Name12_Write(name, f);
  std::fclose(f);

  std::vector<uint8_t> b = ReadBytes(path);
  ASSERT_EQ(b.size(), 1u + 2 + 4 + 4 + 4 + 8 + 8 + 12);
  EXPECT_EQ(b[1], 0xEF);
  EXPECT_EQ(b[2], 0xBE);
  EXPECT_EQ(b[3], 0xFE);
  EXPECT_EQ(b[6], 0xFF);
  EXPECT_EQ(b[7], 0x04);  // low byte first
  EXPECT_EQ(b[15], 0x88);
  EXPECT_EQ(b[22], 0x11);
  const unsigned char str[] = {4, 0, 0, 0, 'a', 'b', 'c', 0};
  EXPECT_EQ(std::memcmp(&b[23], str, 8), 0);
  EXPECT_EQ(b[31], 'a');
  EXPECT_EQ(b[33], 0);

  f = std::fopen(path, "rb");
  char c = 0;
  short s = 0;
  int i = 0;
  unsigned u = 0;
  float fl = 0;
  unsigned long long q = 0;
  EXPECT_EQ(CharRead(&c, f), 1);
  EXPECT_EQ(ShortRead(&s, f), 1);
  IntRead(&i, f);
  UIntRead(&u, f);
  FloRead(&fl, f);
  EXPECT_EQ(QuadRead(&q, f), 1);
  EXPECT_EQ(c, 'x');
  EXPECT_EQ(static_cast<unsigned short>(s), 0xBEEF);
  EXPECT_EQ(i, -2);
  EXPECT_EQ(u, 0x01020304u);
  EXPECT_EQ(fl, 1.5f);
  EXPECT_EQ(q, 0x1122334455667788ull);
  std::fseek(f, 8, SEEK_CUR);
  char back[12];
  std::memset(back, 'z', 12);
  EXPECT_EQ(Name12_Read(back, f), 1);
  EXPECT_EQ(std::memcmp(back, name, 12), 0);
  std::fclose(f);
}

TEST(BinFile, Name12KeepsTwelveCharactersWithoutTerminator) {
  char name[12];
  Name12_Set(name, "abcdefghijklmno");
  EXPECT_EQ(std::memcmp(name, "abcdefghijkl", 12), 0);
  Name12_Set(name, "ab");
  EXPECT_EQ(name[0], 'a');
  for (int i = 2; i < 12; ++i) EXPECT_EQ(name[i], 0);
  Name12_Set(name, nullptr);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(name[i], 0);
}

TEST(BinFile, CountBlockPatchesTheCountAndStaysAtTheEnd) {
  const char* path = "bin_count.bin";
  FILE* f = std::fopen(path, "wb");
  IntWrite(77, f);
  CountBlock cb;
  CountBlock_Begin(&cb, f);
  for (int k = 0; k < 3; ++k) {
    IntWrite(100 + k, f);
    CountBlock_Inc(&cb);
  }
  CountBlock_End(&cb, f);
  EXPECT_EQ(std::ftell(f), 20);
  IntWrite(5, f);  // the writer goes on at the end
  std::fclose(f);

  f = std::fopen(path, "rb");
  int w[6] = {};
  EXPECT_EQ(IntReadToMem2(&w[0], &w[5], f), 6);
  std::fclose(f);
  EXPECT_EQ(w[0], 77);
  EXPECT_EQ(w[1], 3);
  EXPECT_EQ(w[2], 100);
  EXPECT_EQ(w[4], 102);
  EXPECT_EQ(w[5], 5);
}

TEST(BinFile, RangesAndCountedArrays) {
  const char* path = "bin_ranges.bin";
  int v[5] = {1, 2, 3, 4, 5};
  float fv[3] = {0.5f, -1.0f, 2.25f};
  FILE* f = std::fopen(path, "wb");
  EXPECT_EQ(IntWriteMem2(&v[2], &v[2], f), 1);  // first == last: one word
  EXPECT_EQ(IntArrWrite(&v[0], &v[4], f, 2), 2);
  EXPECT_EQ(IntArrWrite(&v[0], &v[1], f, 9), 2);  // the range ends first
  EXPECT_EQ(IntArrWrite(&v[0], &v[4], f, 0), 0);
  EXPECT_EQ(FloWriteMem2(&fv[0], &fv[2], f), 3);
  EXPECT_EQ(FloArrWrite(&fv[0], &fv[2], f, 3), 3);
  std::fclose(f);
  EXPECT_EQ(ReadBytes(path).size(), (1u + 2 + 2 + 3 + 3) * 4);

  f = std::fopen(path, "rb");
  int r[5] = {};
  float rf[6] = {};
  EXPECT_EQ(IntArrRead(&r[0], &r[4], f, 5), 5);
  EXPECT_EQ(FloReadToMem2(&rf[0], &rf[2], f), 3);
  EXPECT_EQ(FloArrRead(&rf[3], &rf[5], f, 3), 3);
  std::fclose(f);
  EXPECT_EQ(r[0], 3);
  EXPECT_EQ(r[2], 2);
  EXPECT_EQ(r[4], 2);
  EXPECT_EQ(rf[1], -1.0f);
  EXPECT_EQ(rf[5], 2.25f);
}

TEST(BinFile, NullStreamDoesNothingEverywhere) {
  int v[2] = {7, 8};
  float fv[2] = {1, 2};
  char name[12] = "keep";
  EXPECT_EQ(CharWrite('a', nullptr), 0);
  EXPECT_EQ(ShortWrite(1, nullptr), 0);
  EXPECT_EQ(IntWrite(1, nullptr), 0);
  EXPECT_EQ(UIntWrite(1, nullptr), 0);
  EXPECT_EQ(FloWrite(1, nullptr), 0);
  EXPECT_EQ(QuadWrite(1, nullptr), 0);
  EXPECT_EQ(StrWriteLen("a", nullptr), 0);
  EXPECT_EQ(IntWriteMem2(&v[0], &v[1], nullptr), 0);
  EXPECT_EQ(FloWriteMem2(&fv[0], &fv[1], nullptr), 0);
  EXPECT_EQ(IntReadToMem2(&v[0], &v[1], nullptr), 0);
  EXPECT_EQ(IntArrWrite(&v[0], &v[1], nullptr, 2), 0);
  EXPECT_EQ(IntArrRead(&v[0], &v[1], nullptr, 2), 0);
  EXPECT_EQ(IntRead(&v[0], nullptr), 0);
  Name12_Write(name, nullptr);
  EXPECT_EQ(Name12_Read(name, nullptr), 0);
  CountBlock cb;
  CountBlock_Begin(&cb, nullptr);
  CountBlock_End(&cb, nullptr);
  EXPECT_EQ(v[0], 7);
  EXPECT_STREQ(name, "keep");
}

TEST(BinFile, ReadsPastTheEndGiveZeroAndReportIt) {
  const char* path = "bin_short.bin";
  WriteBytes(path, std::vector<uint8_t>{1, 0, 0, 0, 2, 0, 0, 0, 0xAA, 0xBB});
  FILE* f = std::fopen(path, "rb");
  int a = -1, b = -1, c = -1;
  EXPECT_EQ(IntRead(&a, f), 1);
  EXPECT_EQ(IntRead(&b, f), 1);
  EXPECT_EQ(IntRead(&c, f), 0);  // two bytes left: not a half value
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, 0);
  std::rewind(f);
  int arr[4] = {9, 9, 9, 9};
  EXPECT_EQ(IntArrRead(&arr[0], &arr[3], f, 4), 2);
  EXPECT_EQ(arr[1], 2);
  EXPECT_EQ(arr[2], 0);
  EXPECT_EQ(arr[3], 0);
  std::rewind(f);
  int mem[4] = {9, 9, 9, 9};
  EXPECT_EQ(IntReadToMem2(&mem[0], &mem[3], f), 2);
  EXPECT_EQ(mem[2], 0);
  EXPECT_EQ(mem[3], 0);
  std::fclose(f);
}

// A counted list of two-word entries with " =->" separators, keeping two: every cut of the file
// takes the entries that came whole and fails sticky; the whole file drops the surplus entry.
TEST(BinFile, ListReaderTakesWholeEntriesDropsSurplusAndStopsAtTheFirstShortRead) {
  const std::vector<uint8_t> bytes = {
      'T', 'a', 'g', '#', 'L', 'i', 's', 't', 3,  0, 0, 0,  // tag, count 3
      ' ', '=', '-', '>', 11,  0,   0,   0,   12, 0, 0, 0,  // entry 0
      ' ', '=', '-', '>', 21,  0,   0,   0,   22, 0, 0, 0,  // entry 1
      ' ', '=', '-', '>', 31,  0,   0,   0,   32, 0, 0, 0,  // entry 2: read and dropped
      0x7F};
  const struct {
    size_t cut;
    int count, taken;
  } kCuts[] = {{0, 0, 0},  {8, 0, 0},  {12, 3, 0}, {23, 3, 0},
               {24, 3, 1}, {35, 3, 1}, {36, 3, 2}, {47, 3, 2}};
  const char* path = "bin_list.bin";
  for (const auto& c : kCuts) {
    WriteBytes(path, bytes, c.cut);
    FILE* f = std::fopen(path, "rb");
    BinIn in = {f, nullptr};
    int taken = 0, words[2][2] = {};
    int count = BinIn_List(&in, 4, 2, 2, [&](int i, const int* w) {
      words[i][0] = w[0];
      words[i][1] = w[1];
      taken++;
    });
    EXPECT_EQ(count, c.count) << c.cut;
    EXPECT_EQ(taken, c.taken) << c.cut;
    EXPECT_STREQ(in.fail, "cut short") << c.cut;
    int v = 5;
    EXPECT_EQ(BinIn_Int(&in, &v), 0);  // sticky: nothing more is read
    EXPECT_EQ(v, 5);
    std::fclose(f);
  }
  WriteBytes(path, bytes);
  FILE* f = std::fopen(path, "rb");
  BinIn in = {f, nullptr};
  int words[2][2] = {};
  EXPECT_EQ(BinIn_List(&in, 4, 2, 2,
                       [&](int i, const int* w) {
                         words[i][0] = w[0];
                         words[i][1] = w[1];
                       }),
            3);
  EXPECT_EQ(in.fail, nullptr);
  EXPECT_EQ(words[0][0], 11);
  EXPECT_EQ(words[1][1], 22);
  EXPECT_EQ(std::fgetc(f), 0x7F);  // the surplus entry was consumed
  std::fclose(f);
}
