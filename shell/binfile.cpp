// Binary file primitives over stdio streams. The host is little-endian, so a value's memory bytes are
// its file bytes; floats go through memcpy, never through pointer casts.
#include "shell/binfile.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "file layout assumes a little-endian host");
static_assert(sizeof(int) == 4 && sizeof(float) == 4 && sizeof(short) == 2, "file widths");

namespace {

// Single values go through the stream's buffer: a value that lies whole in the buffer's window is
// copied in one move; at the window's edge it goes byte by byte through the inline unlocked byte
// calls, which refill or flush the buffer. Runs go through the unlocked transfers: a stream is never
// shared between threads, and the lock taken per call cost more than small runs do.

// The window is the one the C library's inline getc and putc use (glibc keeps it in the FILE).
bool TakeFromWindow(FILE* f, void* dst, size_t n) {
#ifdef __GLIBC__
  if (f->_IO_read_end - f->_IO_read_ptr < static_cast<ptrdiff_t>(n)) return false;
  std::memcpy(dst, f->_IO_read_ptr, n);
  f->_IO_read_ptr += n;
  return true;
#else
  return false;
#endif
}

bool PutInWindow(FILE* f, const void* src, size_t n) {
#ifdef __GLIBC__
  if (f->_IO_write_end - f->_IO_write_ptr < static_cast<ptrdiff_t>(n)) return false;
  std::memcpy(f->_IO_write_ptr, src, n);
  f->_IO_write_ptr += n;
  return true;
#else
  return false;
#endif
}

// Reads width bytes; a short read stores zeros so the caller never sees a half-read value. At the
// window's edge the bytes gather in a register: gathered in a byte array, the value's one wide load
// would wait until the byte stores before it have drained.
template <size_t width>
int ReadValue(void* dst, FILE* f) {
  if (!f || !dst) return 0;
  if (TakeFromWindow(f, dst, width)) return 1;
  uint64_t v = 0;
  for (size_t i = 0; i < width; ++i) {
    int c = getc_unlocked(f);
    if (c == EOF) {
      std::memset(dst, 0, width);
      return 0;
    }
    v |= static_cast<uint64_t>(static_cast<unsigned char>(c)) << (8 * i);
  }
  std::memcpy(dst, &v, width);
  return 1;
}

template <size_t width>
int WriteValue(const void* src, FILE* f) {
  if (!f) return 0;
  if (PutInWindow(f, src, width)) return static_cast<int>(width);
  const unsigned char* p = static_cast<const unsigned char*>(src);
  int done = 0;
  for (size_t i = 0; i < width && putc_unlocked(p[i], f) != EOF; ++i) ++done;
  return done;
}

template <typename T>
int WriteRange(const T* first, const T* last, FILE* f) {
  if (!f || !first || !last || last < first) return 0;
  size_t n = static_cast<size_t>(last - first) + 1;
  return static_cast<int>(fwrite_unlocked(first, sizeof(T), n, f));
}

template <typename T>
int ReadRange(T* first, T* last, FILE* f) {
  if (!f || !first || !last || last < first) return 0;
  size_t n = static_cast<size_t>(last - first) + 1;
  size_t got = fread_unlocked(first, sizeof(T), n, f);
  // A word cut short by the end of the file is zeroed along with every word after it.
  std::memset(first + got, 0, (n - got) * sizeof(T));
  return static_cast<int>(got);
}

template <typename T>
int WriteArr(const T* first, const T* last, FILE* f, int n) {
  if (n <= 0 || !first || !last || last < first) return 0;
  int done = 0;
  for (const T* p = first; p <= last && done < n; ++p) {
    if (WriteValue<sizeof(T)>(p, f) != sizeof(T)) break;
    ++done;
  }
  return done;
}

template <typename T>
int ReadArr(T* first, T* last, FILE* f, int n) {
  if (n <= 0 || !first || !last || last < first) return 0;
  int done = 0;
  int stored = 0;
  for (T* p = first; p <= last && stored < n; ++p, ++stored) done += ReadValue<sizeof(T)>(p, f);
  return done;
}

}  // namespace

int CharRead(void* dst, FILE* f) { return ReadValue<1>(dst, f); }
int ShortRead(void* dst, FILE* f) { return ReadValue<2>(dst, f); }
int UShortRead(void* dst, FILE* f) { return ReadValue<2>(dst, f); }
int IntRead(void* dst, FILE* f) { return ReadValue<4>(dst, f); }
int UIntRead(void* dst, FILE* f) { return ReadValue<4>(dst, f); }
int FloRead(void* dst, FILE* f) { return ReadValue<4>(dst, f); }
int QuadRead(void* dst, FILE* f) { return ReadValue<8>(dst, f); }

int CharWrite(char v, FILE* f) { return WriteValue<1>(&v, f); }
int ShortWrite(unsigned short v, FILE* f) { return WriteValue<2>(&v, f); }
int IntWrite(int v, FILE* f) { return WriteValue<4>(&v, f); }
int UIntWrite(unsigned v, FILE* f) { return WriteValue<4>(&v, f); }
int FloWrite(float v, FILE* f) { return WriteValue<4>(&v, f); }
int QuadWrite(uint64_t v, FILE* f) { return WriteValue<8>(&v, f); }

int StrWriteLen(const char* s, FILE* f) {
  if (!f || !s) return 0;
  int n = static_cast<int>(std::strlen(s));
  int done = IntWrite(n + 1, f);
  done += static_cast<int>(fwrite_unlocked(s, 1, static_cast<size_t>(n), f));
  done += CharWrite(0, f);
  return done;
}

void Name12_Set(char name[12], const char* s) {
  std::memset(name, 0, 12);
  if (!s) return;
  size_t n = std::strlen(s);
  std::memcpy(name, s, n < 12 ? n : 12);
}

void Name12_Write(const char name[12], FILE* f) {
  if (!f) return;
  for (int i = 0; i < 3; ++i) {
    int w;
    std::memcpy(&w, name + 4 * i, 4);
    IntWrite(w, f);
  }
}

int Name12_Read(char name[12], FILE* f) {
  if (!f) return 0;
  int ok = 1;
  for (int i = 0; i < 3; ++i) {
    int w = 0;
    ok &= IntRead(&w, f);
    std::memcpy(name + 4 * i, &w, 4);
  }
  return ok;
}

void CountBlock_Begin(CountBlock* b, FILE* f) {
  b->count = 0;
  b->filePos = f ? std::ftell(f) : -1;
  IntWrite(0, f);
}

void CountBlock_Inc(CountBlock* b) { b->count += 1; }

void CountBlock_End(CountBlock* b, FILE* f) {
  if (!f || b->filePos < 0) return;
  long here = std::ftell(f);
  if (here < 0 || std::fseek(f, b->filePos, SEEK_SET) != 0) return;
  IntWrite(b->count, f);
  std::fseek(f, here, SEEK_SET);
}

int IntWriteMem2(const int* first, const int* last, FILE* f) { return WriteRange(first, last, f); }
int FloWriteMem2(const float* first, const float* last, FILE* f) { return WriteRange(first, last, f); }
int IntReadToMem2(int* first, int* last, FILE* f) { return ReadRange(first, last, f); }
int FloReadToMem2(float* first, float* last, FILE* f) { return ReadRange(first, last, f); }

int IntArrWrite(const int* first, const int* last, FILE* f, int n) {
  return WriteArr(first, last, f, n);
}
int FloArrWrite(const float* first, const float* last, FILE* f, int n) {
  return WriteArr(first, last, f, n);
}
int IntArrRead(int* first, int* last, FILE* f, int n) { return ReadArr(first, last, f, n); }
int FloArrRead(float* first, float* last, FILE* f, int n) { return ReadArr(first, last, f, n); }

void TagWrite(const char* tag8, FILE* f) {
  if (f && tag8) fwrite_unlocked(tag8, 1, 8, f);
}

void BinIn_Fail(BinIn* in, const char* why) {
  if (!in->fail) in->fail = why;
}

int BinIn_Cut(BinIn* in) {
  if (!in->f || std::feof(in->f) || std::ferror(in->f)) BinIn_Fail(in, "cut short");
  return in->fail != nullptr;
}

// A value is stored only when all its bytes came, so a failed read leaves the destination as it was.
// The bytes come as in ReadValue.
static int BinIn_Value(BinIn* in, void* dst, size_t width) {
  if (in->fail) return 0;
  if (in->f && TakeFromWindow(in->f, dst, width)) return 1;
  uint64_t v = 0;
  for (size_t i = 0; i < width; ++i) {
    int c = in->f ? getc_unlocked(in->f) : EOF;
    if (c == EOF) {
      BinIn_Fail(in, "cut short");
      return 0;
    }
    v |= static_cast<uint64_t>(static_cast<unsigned char>(c)) << (8 * i);
  }
  std::memcpy(dst, &v, width);
  return 1;
}

int BinIn_Int(BinIn* in, int* v) { return BinIn_Value(in, v, sizeof *v); }
int BinIn_Flo(BinIn* in, float* v) { return BinIn_Value(in, v, sizeof *v); }

int BinIn_Skip(BinIn* in, int n) {
  if (n < 0 || n > 8) BinIn_Fail(in, "skip size");
  uint64_t dropped;
  return n == 0 ? BinIn_Bytes(in, &dropped, 0) : BinIn_Value(in, &dropped, static_cast<size_t>(n));
}

int BinIn_Bytes(BinIn* in, void* dst, size_t n) {
  if (in->fail) return 0;
  if (n == 0) return 1;
  if (in->f && TakeFromWindow(in->f, dst, n)) return 1;
  if (!in->f || fread_unlocked(dst, 1, n, in->f) != n) {
    BinIn_Fail(in, "cut short");
    return 0;
  }
  return 1;
}

int BinIn_Units(BinIn* in, void* dst, size_t unit, int n) {
  if (in->fail || n <= 0) return 0;
  if (unit == 0) return n;
  size_t got = in->f ? fread_unlocked(dst, 1, unit * static_cast<size_t>(n), in->f) : 0;
  int whole = static_cast<int>(got / unit);
  if (whole < n) BinIn_Fail(in, "cut short");
  return whole;
}

int ListWrite(FILE* f, const char* tag8, const char* sep, int sepBytes, int words, int count,
              const int* w) {
  unsigned char buf[4096];
  const size_t entry = static_cast<size_t>(sepBytes) + 4 * static_cast<size_t>(words);
  if (!f || !tag8 || sepBytes < 0 || sepBytes > 8 || words < 0 || 12 + entry > sizeof buf) return 0;
  if (count > 0 && (!w || (sepBytes && !sep))) return 0;
  int stored = count > 0 ? count : 0;
  std::memcpy(buf, tag8, 8);
  std::memcpy(buf + 8, &stored, 4);
  size_t n = 12, done = 0;
  for (int i = 0; i < stored; i++) {
    if (n + entry > sizeof buf) {
      done += fwrite_unlocked(buf, 1, n, f);
      n = 0;
    }
    if (sepBytes) std::memcpy(buf + n, sep, static_cast<size_t>(sepBytes));
    std::memcpy(buf + n + sepBytes, w + static_cast<size_t>(words) * i, 4 * static_cast<size_t>(words));
    n += entry;
  }
  done += fwrite_unlocked(buf, 1, n, f);
  return static_cast<int>(done);
}
