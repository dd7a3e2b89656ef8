// Growable byte block with a read/write position: a whole file is read into it and typed values are
// taken out in file order. Reads past the end answer 0 and leave the position where it was.
#pragma once

#include <cstdint>

struct ByteBuf {
  uint8_t* data = nullptr;  // malloc'd, owned; null when empty
  uint32_t pos = 0;
  uint32_t size = 0;

  ByteBuf() = default;
  ~ByteBuf();
  ByteBuf(const ByteBuf& o);  // copies are deep
  ByteBuf& operator=(const ByteBuf& o);
};

ByteBuf* ByteBuf_Init(ByteBuf* b);
void ByteBuf_Free(ByteBuf* b);
// Replace non-zero: drop the old block and allocate size bytes (pos 0). Replace 0: only when empty.
// 1 when a block of that size was allocated; 0 when it was not (an existing block is kept with
// replace 0; a size of 0 or a refused allocation leaves the buffer empty).
int ByteBuf_Alloc(ByteBuf* b, uint32_t size, int replace);
// b = x's bytes then y's, pos 0. Any of the three may be the same buffer.
void ByteBuf_Concat(ByteBuf* b, const ByteBuf* x, const ByteBuf* y);
ByteBuf* ByteBuf_Make(ByteBuf* b, const ByteBuf* x, const ByteBuf* y);
ByteBuf* ByteBuf_Assign(ByteBuf* b, const ByteBuf* x);
ByteBuf* ByteBuf_AssignFrom(ByteBuf* b, const ByteBuf* x);
int ByteBuf_Reserve(ByteBuf* b, uint32_t n);        // room for n bytes from pos; 0 when it cannot grow
void ByteBuf_Append(ByteBuf* b, const ByteBuf* x);  // x may be b
void ByteBuf_Truncate(ByteBuf* b, int n);
int ByteBuf_SeekLast(ByteBuf* b);
void ByteBuf_InsertGap(ByteBuf* b, int at, int n);
void ByteBuf_Erase(ByteBuf* b, int at, int n);
void ByteBuf_EraseBefore(ByteBuf* b, int at, int n);
// Copies into dst at dst's position without moving either position; the bytes copied.
int ByteBuf_CopyTo(const ByteBuf* src, ByteBuf* dst, int n, int fromStart);

uint8_t ByteBuf_ReadU8(ByteBuf* b, int advance);
int16_t ByteBuf_ReadI16(ByteBuf* b, int advance);
uint16_t ByteBuf_ReadU16(ByteBuf* b, int advance);
int32_t ByteBuf_ReadI32(ByteBuf* b, int advance);
uint32_t ByteBuf_ReadU32(ByteBuf* b, int advance);
float ByteBuf_ReadF32(ByteBuf* b, int advance);
double ByteBuf_ReadF64(ByteBuf* b, int advance);
// n bytes at the position; refused (0, nothing copied, no move) when they do not all lie in the buffer.
int ByteBuf_ReadBlock(ByteBuf* b, void* dst, int n, int advance);

// Element i of that width, independent of the position; 0 outside the buffer or for i < 0.
uint8_t ByteBuf_AtU8(const ByteBuf* b, int i);
int16_t ByteBuf_AtI16(const ByteBuf* b, int i);
uint16_t ByteBuf_AtU16(const ByteBuf* b, int i);
int32_t ByteBuf_AtI32(const ByteBuf* b, int i);
float ByteBuf_AtF32(const ByteBuf* b, int i);
double ByteBuf_AtF64(const ByteBuf* b, int i);

// Store at the position and advance; grow 0 refuses past the end, grow non-zero makes room. 1 when
// stored.
int ByteBuf_WriteU8(ByteBuf* b, uint8_t v, int grow);
int ByteBuf_WriteI16(ByteBuf* b, int16_t v, int grow);
int ByteBuf_WriteU16(ByteBuf* b, uint16_t v, int grow);
int ByteBuf_WriteI32(ByteBuf* b, int32_t v, int grow);
int ByteBuf_WriteU32(ByteBuf* b, uint32_t v, int grow);
int ByteBuf_WriteF32(ByteBuf* b, float v, int grow);
int ByteBuf_WriteF64(ByteBuf* b, double v, int grow);

// CR LF text scans.
int ByteBuf_CountLines(const ByteBuf* b, int plusOne);
int ByteBuf_SkipLine(ByteBuf* b);
int ByteBuf_SkipLineBelow(ByteBuf* b, int limit);

// Kind 3 fills the stretch from `from` with floats 0.01..1.00 from the program's random generator.
void ByteBuf_RandFill(ByteBuf* b, int kind, int from, int n);
