// Byte buffer: reads at the edge, editing, aliasing of source and target, line scans.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "shell/bytebuf.h"
#include "shell/random.h"

namespace {

void Fill(ByteBuf* b, const std::vector<uint8_t>& bytes) {
  ByteBuf_Alloc(b, static_cast<uint32_t>(bytes.size()), 1);
  std::memcpy(b->data, bytes.data(), bytes.size());
}

void FillText(ByteBuf* b, const char* s) {
  ByteBuf_Alloc(b, static_cast<uint32_t>(std::strlen(s)), 1);
  std::memcpy(b->data, s, std::strlen(s));
}

std::vector<uint8_t> Bytes(const ByteBuf& b) {
  return b.data ? std::vector<uint8_t>(b.data, b.data + b.size) : std::vector<uint8_t>{};
}

std::vector<uint8_t> Seq(int n) {
  std::vector<uint8_t> v;
  for (int i = 0; i < n; ++i) v.push_back(static_cast<uint8_t>(i));
  return v;
}

}  // namespace

TEST(ByteBuf, TypedReadsStopAtTheEnd) {
  ByteBuf b;
  Fill(&b, {1, 0, 0, 0, 0xFF, 0xFF, 7, 8, 9});
  EXPECT_EQ(ByteBuf_ReadI32(&b, 1), 1);
  EXPECT_EQ(ByteBuf_ReadI16(&b, 0), -1);
  EXPECT_EQ(ByteBuf_ReadU16(&b, 1), 65535);
  EXPECT_EQ(b.pos, 6u);
  EXPECT_EQ(ByteBuf_ReadI32(&b, 1), 0);  // 3 bytes left
  EXPECT_EQ(b.pos, 6u);
  EXPECT_EQ(ByteBuf_ReadU8(&b, 1), 7);
  EXPECT_EQ(ByteBuf_ReadF64(&b, 1), 0.0);
  ByteBuf empty;
  EXPECT_EQ(ByteBuf_ReadU32(&empty, 1), 0u);
  EXPECT_EQ(empty.pos, 0u);
}

TEST(ByteBuf, BlockAndIndexedReadsCheckBounds) {
  ByteBuf b;
  Fill(&b, {1, 0, 2, 0, 3, 0});
  b.pos = 2;
  uint8_t dst[8];
  std::memset(dst, 0xEE, sizeof dst);
  EXPECT_EQ(ByteBuf_ReadBlock(&b, dst, 5, 1), 0);  // would pass the end
  EXPECT_EQ(dst[0], 0xEE);
  EXPECT_EQ(b.pos, 2u);
  EXPECT_EQ(ByteBuf_ReadBlock(&b, dst, 4, 1), 4);
  EXPECT_EQ(dst[0], 2);
  EXPECT_EQ(b.pos, 6u);
  EXPECT_EQ(ByteBuf_AtU16(&b, 2), 3);
  EXPECT_EQ(ByteBuf_AtU16(&b, 3), 0);
  EXPECT_EQ(ByteBuf_AtI16(&b, -1), 0);
  EXPECT_EQ(ByteBuf_AtU8(&b, -1), 0);
  EXPECT_EQ(ByteBuf_AtI32(&b, 1), 0);  // bytes 4..7 are not all there
  EXPECT_EQ(ByteBuf_AtI32(&b, 0), 0x00020001);
  EXPECT_EQ(ByteBuf_AtF64(&b, 0), 0.0);
}

TEST(ByteBuf, WritesGrowOnlyWhenAsked) {
  ByteBuf b;
  EXPECT_EQ(ByteBuf_WriteI32(&b, 5, 0), 0);
  EXPECT_EQ(b.data, nullptr);
  EXPECT_EQ(ByteBuf_WriteI32(&b, 5, 1), 1);
  EXPECT_EQ(ByteBuf_WriteF32(&b, 2.5f, 1), 1);
  EXPECT_EQ(ByteBuf_WriteU8(&b, 9, 1), 1);
  EXPECT_EQ(b.size, 9u);
  EXPECT_EQ(b.pos, 9u);
  EXPECT_EQ(ByteBuf_WriteU8(&b, 1, 0), 0);
  b.pos = 0;
  EXPECT_EQ(ByteBuf_WriteI16(&b, -2, 0), 1);  // overwrite in place
  b.pos = 0;
  EXPECT_EQ(ByteBuf_ReadI16(&b, 1), -2);
  b.pos = 4;
  EXPECT_EQ(ByteBuf_ReadF32(&b, 1), 2.5f);
  b.pos = 5;
  EXPECT_EQ(ByteBuf_WriteF64(&b, 1.0, 1), 1);
  EXPECT_EQ(b.size, 13u);
}

TEST(ByteBuf, TruncateEraseAndInsert) {
  ByteBuf b;
  Fill(&b, Seq(10));
  b.pos = 7;
  ByteBuf_Truncate(&b, 4);
  EXPECT_EQ(b.size, 4u);
  EXPECT_EQ(b.pos, 3u);

  Fill(&b, Seq(10));
  ByteBuf_Erase(&b, 2, 3);
  EXPECT_EQ(Bytes(b), (std::vector<uint8_t>{0, 1, 5, 6, 7, 8, 9}));
  ByteBuf_Erase(&b, 5, 100);  // everything from 5
  EXPECT_EQ(Bytes(b), (std::vector<uint8_t>{0, 1, 5, 6, 7}));
  ByteBuf_Erase(&b, 5, 1);  // at the end: nothing
  EXPECT_EQ(b.size, 5u);

  Fill(&b, Seq(10));
  ByteBuf_EraseBefore(&b, 5, 2);
  EXPECT_EQ(Bytes(b), (std::vector<uint8_t>{0, 1, 2, 5, 6, 7, 8, 9}));
  ByteBuf_EraseBefore(&b, 2, 9);  // only two bytes lie before
  EXPECT_EQ(Bytes(b), (std::vector<uint8_t>{2, 5, 6, 7, 8, 9}));

  Fill(&b, Seq(4));
  ByteBuf_InsertGap(&b, 1, 2);
  ASSERT_EQ(b.size, 6u);
  EXPECT_EQ(b.data[0], 0);
  EXPECT_EQ(b.data[3], 1);
  EXPECT_EQ(b.data[5], 3);
  ByteBuf_InsertGap(&b, 6, 2);
  ByteBuf_InsertGap(&b, -1, 2);
  EXPECT_EQ(b.size, 6u);
  EXPECT_EQ(ByteBuf_SeekLast(&b), 5);
  ByteBuf_Truncate(&b, 0);
  EXPECT_EQ(b.data, nullptr);
  EXPECT_EQ(ByteBuf_SeekLast(&b), -1);
}

TEST(ByteBuf, SameBufferAsSourceAndTarget) {
  ByteBuf b, y;
  Fill(&b, {1, 2, 3});
  Fill(&y, {9});
  ByteBuf_Concat(&b, &b, &y);
  EXPECT_EQ(Bytes(b), (std::vector<uint8_t>{1, 2, 3, 9}));
  ByteBuf_Concat(&b, &y, &b);
  EXPECT_EQ(Bytes(b), (std::vector<uint8_t>{9, 1, 2, 3, 9}));
  ByteBuf_Make(&b, &b, &b);
  EXPECT_EQ(b.size, 10u);
  ByteBuf_AssignFrom(&b, &b);
  EXPECT_EQ(b.size, 10u);
  EXPECT_EQ(b.data[9], 9);
  Fill(&b, {4, 5});
  ByteBuf_Append(&b, &b);
  EXPECT_EQ(Bytes(b), (std::vector<uint8_t>{4, 5, 4, 5}));
  ByteBuf_Append(&b, &y);
  EXPECT_EQ(Bytes(b), (std::vector<uint8_t>{4, 5, 4, 5, 9}));
  ByteBuf empty;
  ByteBuf_Append(&b, &empty);
  EXPECT_EQ(b.size, 5u);
}

TEST(ByteBuf, CopiesAreDeep) {
  ByteBuf a;
  Fill(&a, {1, 2});
  ByteBuf c = a;
  c.data[0] = 7;
  EXPECT_EQ(a.data[0], 1);
  ByteBuf d;
  d = a;
  ByteBuf_Assign(&d, &d);
  EXPECT_EQ(Bytes(d), Bytes(a));
  EXPECT_NE(d.data, a.data);
}

TEST(ByteBuf, CopyToClampsToBothBuffers) {
  ByteBuf src, dst;
  Fill(&src, Seq(8));
  ByteBuf_Alloc(&dst, 4, 1);
  std::memset(dst.data, 0xEE, 4);
  src.pos = 2;
  dst.pos = 1;
  EXPECT_EQ(ByteBuf_CopyTo(&src, &dst, 2, 0), 2);
  EXPECT_EQ(Bytes(dst), (std::vector<uint8_t>{0xEE, 2, 3, 0xEE}));
  EXPECT_EQ(ByteBuf_CopyTo(&src, &dst, 0, 1), 3);  // clamped to dst's room
  EXPECT_EQ(Bytes(dst), (std::vector<uint8_t>{0xEE, 0, 1, 2}));
  EXPECT_EQ(src.pos, 2u);
  src.pos = 9;  // a position beyond the end copies nothing
  EXPECT_EQ(ByteBuf_CopyTo(&src, &dst, 0, 0), 0);
  EXPECT_EQ(ByteBuf_CopyTo(&src, nullptr, 0, 0), 0);
}

TEST(ByteBuf, LineScans) {
  ByteBuf b;
  FillText(&b, "ab\r\ncd\r\n");
  EXPECT_EQ(ByteBuf_CountLines(&b, 0), 2);
  EXPECT_EQ(ByteBuf_CountLines(&b, 1), 3);
  EXPECT_EQ(ByteBuf_SkipLine(&b), 1);
  EXPECT_EQ(b.pos, 4u);
  EXPECT_EQ(ByteBuf_SkipLine(&b), 1);
  EXPECT_EQ(b.pos, 8u);
  EXPECT_EQ(ByteBuf_SkipLine(&b), 0);
  EXPECT_EQ(b.pos, 0u);

  FillText(&b, "no line end\r");
  b.pos = 3;
  EXPECT_EQ(ByteBuf_SkipLine(&b), 0);
  EXPECT_EQ(b.pos, 0u);
  EXPECT_EQ(ByteBuf_CountLines(&b, 0), 0);
  ByteBuf empty;
  EXPECT_EQ(ByteBuf_CountLines(&empty, 1), 0);

  FillText(&b, "ab\r\n\x01z");
  EXPECT_EQ(ByteBuf_SkipLineBelow(&b, 'c'), 0);  // a and b lie below the limit
  EXPECT_EQ(b.pos, 4u);
  EXPECT_EQ(ByteBuf_SkipLineBelow(&b, 'c'), 1);
  EXPECT_EQ(b.pos, 5u);  // on the z
  b.pos = 0;
  EXPECT_EQ(ByteBuf_SkipLineBelow(&b, 'b'), 1);
  EXPECT_EQ(b.pos, 1u);
}

TEST(ByteBuf, RandFillWritesHundredthsInItsStretch) {
  RandSeed(5);
  ByteBuf b;
  ByteBuf_Alloc(&b, 20, 1);
  std::memset(b.data, 0, 20);
  ByteBuf_RandFill(&b, 3, 4, 9);  // two whole floats fit in 9 bytes
  EXPECT_EQ(b.pos, 12u);
  EXPECT_EQ(b.size, 20u);
  for (int i = 1; i <= 2; ++i) {
    float v = ByteBuf_AtF32(&b, i);
    EXPECT_GE(v, 0.01f);
    EXPECT_LE(v, 1.0f);
  }
  EXPECT_EQ(ByteBuf_AtF32(&b, 3), 0.0f);
  ByteBuf_RandFill(&b, 1, 16, 4);  // other kinds only move the position
  EXPECT_EQ(b.pos, 16u);
  EXPECT_EQ(ByteBuf_AtF32(&b, 4), 0.0f);
}
