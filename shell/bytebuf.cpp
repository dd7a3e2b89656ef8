// Byte buffer. Every operation that moves or copies bytes checks them against `size` first, and every
// operation that may read from its own target captures the source before it reallocates.
#include "shell/bytebuf.h"

#include <cstdlib>
#include <cstring>

#include "shell/random.h"

namespace {

constexpr int kWalkCap = 99999000;  // text walks give up after this many steps

// Resizes the block keeping its bytes; 0 (and the block untouched) when the allocator refuses.
int Resize(ByteBuf* b, uint32_t n) {
  if (n == 0) {
    ByteBuf_Free(b);
    return 1;
  }
  void* p = std::realloc(b->data, n);
  if (!p) return 0;
  b->data = static_cast<uint8_t*>(p);
  b->size = n;
  return 1;
}

bool Fits(const ByteBuf* b, uint64_t at, uint64_t width) { return b->data && at + width <= b->size; }

template <typename T>
T ReadAt(ByteBuf* b, int advance) {
  T v{};
  if (!Fits(b, b->pos, sizeof(T))) return v;
  std::memcpy(&v, b->data + b->pos, sizeof(T));
  if (advance) b->pos += sizeof(T);
  return v;
}

template <typename T>
T AtIndex(const ByteBuf* b, int i) {
  T v{};
  if (i < 0 || !Fits(b, static_cast<uint64_t>(i) * sizeof(T), sizeof(T))) return v;
  std::memcpy(&v, b->data + static_cast<size_t>(i) * sizeof(T), sizeof(T));
  return v;
}

template <typename T>
int WriteAt(ByteBuf* b, T v, int grow) {
  if (grow && !ByteBuf_Reserve(b, sizeof(T))) return 0;
  if (!Fits(b, b->pos, sizeof(T))) return 0;
  std::memcpy(b->data + b->pos, &v, sizeof(T));
  b->pos += sizeof(T);
  return 1;
}

}  // namespace

ByteBuf::~ByteBuf() { ByteBuf_Free(this); }
ByteBuf::ByteBuf(const ByteBuf& o) { ByteBuf_Assign(this, &o); }
ByteBuf& ByteBuf::operator=(const ByteBuf& o) {
  ByteBuf_Assign(this, &o);
  return *this;
}

ByteBuf* ByteBuf_Init(ByteBuf* b) {
  b->data = nullptr;
  b->pos = 0;
  b->size = 0;
  return b;
}

void ByteBuf_Free(ByteBuf* b) {
  std::free(b->data);
  ByteBuf_Init(b);
}

int ByteBuf_Alloc(ByteBuf* b, uint32_t size, int replace) {
  if (!replace && b->data) return 0;
  ByteBuf_Free(b);
  if (size == 0) return 0;
  b->data = static_cast<uint8_t*>(std::malloc(size));
  if (!b->data) return 0;
  b->size = size;
  return 1;
}

void ByteBuf_Concat(ByteBuf* b, const ByteBuf* x, const ByteBuf* y) {
  // Built in a fresh block and swapped in, so x or y may be b itself.
  uint32_t nx = (x && x->data) ? x->size : 0;
  uint32_t ny = (y && y->data) ? y->size : 0;
  uint64_t total = static_cast<uint64_t>(nx) + ny;
  uint8_t* p = nullptr;
  if (total > 0 && total <= UINT32_MAX) {
    p = static_cast<uint8_t*>(std::malloc(total));
    if (p) {
      if (nx) std::memcpy(p, x->data, nx);
      if (ny) std::memcpy(p + nx, y->data, ny);
    }
  }
  std::free(b->data);
  b->data = p;
  b->size = p ? static_cast<uint32_t>(total) : 0;
  b->pos = 0;
}

ByteBuf* ByteBuf_Make(ByteBuf* b, const ByteBuf* x, const ByteBuf* y) {
  ByteBuf_Concat(b, x, y);
  return b;
}

ByteBuf* ByteBuf_Assign(ByteBuf* b, const ByteBuf* x) {
  if (b == x) return b;
  ByteBuf_Free(b);
  if (x && x->data && ByteBuf_Alloc(b, x->size, 1)) std::memcpy(b->data, x->data, x->size);
  return b;
}

ByteBuf* ByteBuf_AssignFrom(ByteBuf* b, const ByteBuf* x) { return ByteBuf_Assign(b, x); }

int ByteBuf_Reserve(ByteBuf* b, uint32_t n) {
  uint64_t need = static_cast<uint64_t>(n) + b->pos;
  if (need > UINT32_MAX) return 0;
  if (!b->data) return ByteBuf_Alloc(b, static_cast<uint32_t>(need), 1);  // a fresh block starts at 0
  if (need > b->size) return Resize(b, static_cast<uint32_t>(need));
  return 1;
}

void ByteBuf_Append(ByteBuf* b, const ByteBuf* x) {
  if (!x || !x->data || x->size < 1) return;
  uint32_t n = x->size;
  uint32_t old = b->data ? b->size : 0;
  if (static_cast<uint64_t>(old) + n > UINT32_MAX) return;
  if (x == b) {
    if (!Resize(b, old + n)) return;
    std::memcpy(b->data + old, b->data, n);
    return;
  }
  if (!Resize(b, old + n)) return;
  std::memcpy(b->data + old, x->data, n);
}

void ByteBuf_Truncate(ByteBuf* b, int n) {
  if (n < 1) {
    ByteBuf_Free(b);
    return;
  }
  if (static_cast<uint32_t>(n) >= b->size) return;
  if (!Resize(b, static_cast<uint32_t>(n))) return;
  if (b->pos >= b->size) b->pos = b->size - 1;
}

int ByteBuf_SeekLast(ByteBuf* b) {
  if (b->size < 1) return -1;
  b->pos = b->size - 1;
  return static_cast<int>(b->pos);
}

void ByteBuf_InsertGap(ByteBuf* b, int at, int n) {
  if (n < 1 || at < 0 || !b->data || static_cast<uint32_t>(at) >= b->size) return;
  uint32_t old = b->size;
  if (static_cast<uint64_t>(old) + static_cast<uint32_t>(n) > UINT32_MAX) return;
  if (!Resize(b, old + static_cast<uint32_t>(n))) return;
  std::memmove(b->data + at + n, b->data + at, old - static_cast<uint32_t>(at));
}

void ByteBuf_Erase(ByteBuf* b, int at, int n) {
  if (n < 1 || at < 0 || !b->data || static_cast<uint32_t>(at) >= b->size) return;
  uint32_t a = static_cast<uint32_t>(at);
  uint32_t k = b->size - a;
  if (static_cast<uint32_t>(n) < k) k = static_cast<uint32_t>(n);
  std::memmove(b->data + a, b->data + a + k, b->size - a - k);
  ByteBuf_Truncate(b, static_cast<int>(b->size - k));
}

void ByteBuf_EraseBefore(ByteBuf* b, int at, int n) {
  if (n < 1 || at < 0 || !b->data || static_cast<uint32_t>(at) >= b->size) return;
  int k = n < at ? n : at;
  if (k < 1) return;
  std::memmove(b->data + at - k, b->data + at, b->size - static_cast<uint32_t>(at));
  ByteBuf_Truncate(b, static_cast<int>(b->size) - k);
}

int ByteBuf_CopyTo(const ByteBuf* src, ByteBuf* dst, int n, int fromStart) {
  if (!dst || !src || !src->data || !dst->data) return 0;
  uint32_t start = fromStart ? 0 : src->pos;
  if (start >= src->size || src->pos > src->size || dst->pos >= dst->size) return 0;
  uint32_t len = src->size - start;
  if (n > 0 && src->size - src->pos >= static_cast<uint32_t>(n)) len = static_cast<uint32_t>(n);
  if (len > src->size - start) len = src->size - start;
  uint32_t room = dst->size - dst->pos;
  if (len > room) len = room;
  std::memmove(dst->data + dst->pos, src->data + start, len);
  return static_cast<int>(len);
}

uint8_t ByteBuf_ReadU8(ByteBuf* b, int advance) { return ReadAt<uint8_t>(b, advance); }
int16_t ByteBuf_ReadI16(ByteBuf* b, int advance) { return ReadAt<int16_t>(b, advance); }
uint16_t ByteBuf_ReadU16(ByteBuf* b, int advance) { return ReadAt<uint16_t>(b, advance); }
int32_t ByteBuf_ReadI32(ByteBuf* b, int advance) { return ReadAt<int32_t>(b, advance); }
uint32_t ByteBuf_ReadU32(ByteBuf* b, int advance) { return ReadAt<uint32_t>(b, advance); }
float ByteBuf_ReadF32(ByteBuf* b, int advance) { return ReadAt<float>(b, advance); }
double ByteBuf_ReadF64(ByteBuf* b, int advance) { return ReadAt<double>(b, advance); }

int ByteBuf_ReadBlock(ByteBuf* b, void* dst, int n, int advance) {
  if (n <= 0 || !dst || !Fits(b, b->pos, static_cast<uint64_t>(n))) return 0;
  std::memcpy(dst, b->data + b->pos, static_cast<size_t>(n));
  if (advance) b->pos += static_cast<uint32_t>(n);
  return n;
}

uint8_t ByteBuf_AtU8(const ByteBuf* b, int i) { return AtIndex<uint8_t>(b, i); }
int16_t ByteBuf_AtI16(const ByteBuf* b, int i) { return AtIndex<int16_t>(b, i); }
uint16_t ByteBuf_AtU16(const ByteBuf* b, int i) { return AtIndex<uint16_t>(b, i); }
int32_t ByteBuf_AtI32(const ByteBuf* b, int i) { return AtIndex<int32_t>(b, i); }
float ByteBuf_AtF32(const ByteBuf* b, int i) { return AtIndex<float>(b, i); }
double ByteBuf_AtF64(const ByteBuf* b, int i) { return AtIndex<double>(b, i); }

int ByteBuf_WriteU8(ByteBuf* b, uint8_t v, int grow) { return WriteAt(b, v, grow); }
int ByteBuf_WriteI16(ByteBuf* b, int16_t v, int grow) { return WriteAt(b, v, grow); }
int ByteBuf_WriteU16(ByteBuf* b, uint16_t v, int grow) { return WriteAt(b, v, grow); }
int ByteBuf_WriteI32(ByteBuf* b, int32_t v, int grow) { return WriteAt(b, v, grow); }
int ByteBuf_WriteU32(ByteBuf* b, uint32_t v, int grow) { return WriteAt(b, v, grow); }
int ByteBuf_WriteF32(ByteBuf* b, float v, int grow) { return WriteAt(b, v, grow); }
int ByteBuf_WriteF64(ByteBuf* b, double v, int grow) { return WriteAt(b, v, grow); }

int ByteBuf_CountLines(const ByteBuf* b, int plusOne) {
  if (!b->data || b->size == 0) return 0;
  int n = 0;
  for (uint32_t i = 0; i + 1 < b->size; ++i) {
    if (b->data[i] == '\r' && b->data[i + 1] == '\n') {
      ++n;
      ++i;  // the pair counts once
    }
  }
  return plusOne ? n + 1 : n;
}

int ByteBuf_SkipLine(ByteBuf* b) {
  for (int steps = 0; steps < kWalkCap; ++steps) {
    if (!b->data || b->pos >= b->size) {
      b->pos = 0;
      return 0;
    }
    if (b->pos + 1 < b->size && b->data[b->pos] == '\r' && b->data[b->pos + 1] == '\n') {
      b->pos += 2;
      return 1;
    }
    ++b->pos;
  }
  return 0;
}

int ByteBuf_SkipLineBelow(ByteBuf* b, int limit) {
  for (int steps = 0; steps < kWalkCap; ++steps) {
    if (!b->data || b->pos >= b->size) {
      b->pos = 0;
      return 0;
    }
    uint8_t c = b->data[b->pos];
    if (c == '\r' && b->pos + 1 < b->size && b->data[b->pos + 1] == '\n') {
      b->pos += 2;
      return 0;
    }
    if (c != '\r' && c >= limit) return 1;
    ++b->pos;
  }
  return 0;
}

void ByteBuf_RandFill(ByteBuf* b, int kind, int from, int n) {
  if (from >= 0 && static_cast<uint32_t>(from) < b->size) b->pos = static_cast<uint32_t>(from);
  if (kind != 3 || !b->data || b->pos >= b->size) return;
  uint32_t left = b->size - b->pos;
  uint32_t count = (n >= 1 && static_cast<uint32_t>(n) <= b->size) ? static_cast<uint32_t>(n) : left;
  if (count > left) count = left;
  for (int values = 0; count >= 4 && values < kWalkCap; ++values, count -= 4)
    ByteBuf_WriteF32(b, static_cast<float>(Rand() % 100 + 1) * 0.01f, 1);
}
