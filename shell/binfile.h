// Binary file primitives: the byte layout of every binary file (little-endian values of their natural
// width, 12-byte names, length-prefixed strings, count words patched after the items).
#pragma once

#include <cstdint>
#include <cstdio>

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
