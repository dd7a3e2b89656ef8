// Binary file primitives: the byte layout of every binary file (little-endian values of their natural
// width, 12-byte names, length-prefixed strings, count words patched after the items).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

// A count placeholder in the file and the items counted since it was written.
struct CountBlock {
  long filePos;
  int count;
};

// Single-value reads. A null stream reads nothing. A value cut short by the end of the file reads as 0
// (never a half-filled value) and the result, the number of values read, is 0 then.
int CharRead(void* dst, FILE* f);
int ShortRead(void* dst, FILE* f);
int UShortRead(void* dst, FILE* f);
int IntRead(void* dst, FILE* f);
int UIntRead(void* dst, FILE* f);
int FloRead(void* dst, FILE* f);
int QuadRead(void* dst, FILE* f);

// Single-value writes: the bytes written, 0 on a null stream.
int CharWrite(char v, FILE* f);
int ShortWrite(unsigned short v, FILE* f);
int IntWrite(int v, FILE* f);
int UIntWrite(unsigned v, FILE* f);
int FloWrite(float v, FILE* f);
int QuadWrite(uint64_t v, FILE* f);
// int32 strlen+1, the characters, a zero byte: n+5; 0 for a null stream or null text.
int StrWriteLen(const char* s, FILE* f);

// Names of at most 12 characters, zero-padded, with no terminator when all 12 are used.
void Name12_Set(char name[12], const char* s);
void Name12_Write(const char name[12], FILE* f);
int Name12_Read(char name[12], FILE* f);  // 1 when all three words were read

void CountBlock_Begin(CountBlock* b, FILE* f);
void CountBlock_Inc(CountBlock* b);
void CountBlock_End(CountBlock* b, FILE* f);

// Runs of consecutive 4-byte words, first..last inclusive, in one transfer. Words lying past the end
// of the file read as 0. Result: the words transferred (0 on a null stream or an empty range).
int IntWriteMem2(const int* first, const int* last, FILE* f);
int FloWriteMem2(const float* first, const float* last, FILE* f);
int IntReadToMem2(int* first, int* last, FILE* f);
int FloReadToMem2(float* first, float* last, FILE* f);

// Value by value from first until last is done or n values are done. Reads store 0 for values past the
// end of the file; the result counts the values actually transferred.
int IntArrWrite(const int* first, const int* last, FILE* f, int n);
int FloArrWrite(const float* first, const float* last, FILE* f, int n);
int IntArrRead(int* first, int* last, FILE* f, int n);
int FloArrRead(float* first, float* last, FILE* f, int n);

// An 8-byte chunk tag, without a terminator.
void TagWrite(const char* tag8, FILE* f);

// A reader over one stream that keeps its first failure: once a read came up short every later
// read does nothing and leaves its destination as it was, so a loader reads a whole chunk and looks
// once at the end. The loader's own checks put their reason in the same field.
struct BinIn {
  FILE* f;
  const char* fail;  // why the reading stopped; null while everything came whole
};
constexpr int kBinInListWords = 16;  // the most words one list entry may have

void BinIn_Fail(BinIn* in, const char* why);  // keeps the first reason
// Marks the read "cut short" when the stream has ended or failed; 1 when the read has failed.
int BinIn_Cut(BinIn* in);
int BinIn_Int(BinIn* in, int* v);  // v stored only when its four bytes came: 1 then
int BinIn_Flo(BinIn* in, float* v);
int BinIn_Skip(BinIn* in, int n);  // n bytes (at most 8) read and dropped
// n bytes into dst: 1 when all came (dst may hold a part of them when they did not).
int BinIn_Bytes(BinIn* in, void* dst, size_t n);

// n units of `unit` bytes into dst with one read: the whole units that came. Fewer than n marks the
// read "cut short"; the units that came whole are in dst all the same.
int BinIn_Units(BinIn* in, void* dst, size_t unit, int n);

// A counted list: the 8-byte tag (not checked), the count word, then per entry sepBytes dropped
// (a separator such as " =->") and `words` int32. Entry i goes to take(i, w) once it came whole,
// while i < keep; later entries are read and dropped. A count below 1 reads no entry. Answers the
// count as stored (0 when it could not be read). The entries are read a batch at a time, never
// past the last one.
constexpr int kBinInListBatch = 32;
template <class Take>
int BinIn_List(BinIn* in, int sepBytes, int words, int keep, Take take) {
  int count = 0;
  BinIn_Skip(in, 8);
  BinIn_Int(in, &count);
  if (words < 1 || words > kBinInListWords || sepBytes < 0 || sepBytes > 8) {
    BinIn_Fail(in, "list entry size");
    return count;
  }
  const size_t entry = static_cast<size_t>(sepBytes) + 4 * static_cast<size_t>(words);
  unsigned char batch[kBinInListBatch * (8 + 4 * kBinInListWords)];
  for (int i = 0; i < count && !in->fail;) {
    int n = count - i < kBinInListBatch ? count - i : kBinInListBatch;
    int got = BinIn_Units(in, batch, entry, n);
    for (int k = 0; k < got; k++, i++) {
      int w[kBinInListWords] = {};
      std::memcpy(w, batch + entry * k + sepBytes, 4 * static_cast<size_t>(words));
      if (i < keep) take(i, w);
    }
  }
  return count;
}

// The writer's side of a list: the tag, the count, then per entry the separator's sepBytes and
// `words` int32 of w (count * words of them), gathered and written a few kilobytes at a time.
// A count below 1 writes the tag and the count only. Answers the bytes written.
int ListWrite(FILE* f, const char* tag8, const char* sep, int sepBytes, int words, int count,
              const int* w);
