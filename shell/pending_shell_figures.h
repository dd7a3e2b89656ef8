// Stand-ins for the binary file primitives the figure model writes and reads with, used only
// while shell/binfile.h has not landed in this tree. Remove once it has.
#pragma once
#if __has_include("shell/binfile.h")
#include "shell/binfile.h"
#else
#include <cstdio>
inline int IntWrite(int v, FILE* f) { return f ? (int)fwrite(&v, 1, 4, f) : 0; }
inline int UIntWrite(unsigned v, FILE* f) { return f ? (int)fwrite(&v, 1, 4, f) : 0; }
inline int FloWrite(float v, FILE* f) { return f ? (int)fwrite(&v, 1, 4, f) : 0; }
inline void IntRead(void* dst, FILE* f) {
  if (!f) return;
  unsigned char b[4];
  if (fread(b, 1, 4, f) == 4) __builtin_memcpy(dst, b, 4);
}
inline void UIntRead(void* dst, FILE* f) { IntRead(dst, f); }
inline void FloRead(void* dst, FILE* f) { IntRead(dst, f); }
struct CountBlock {
  long filePos;
  int count;
};
inline void CountBlock_Begin(CountBlock* b, FILE* f) {
  b->count = 0;
  b->filePos = f ? ftell(f) : 0;
  IntWrite(0, f);
}
inline void CountBlock_Inc(CountBlock* b) { b->count += 1; }
inline void CountBlock_End(CountBlock* b, FILE* f) {
  if (!f) return;
  long here = ftell(f);
  fseek(f, b->filePos, SEEK_SET);
  IntWrite(b->count, f);
  fseek(f, here, SEEK_SET);
}
#endif

// Frame step countdowns.
#if __has_include("shell/frame_clock.h")
#include "shell/frame_clock.h"
#else
inline int KadrStep = 10;
inline int TimerDown(int* c) {
  if (*c < 1) return 1;
  if (*c - KadrStep < 1) {
    *c = 0;
    return 1;
  }
  *c -= KadrStep;
  return 0;
}
#endif

// Running figure numbers.
#if __has_include("shell/geometry.h")
#include "shell/geometry.h"
#else
inline int gsNextIdCounter = 1;
inline int NextId() { return gsNextIdCounter++; }
#endif

#if __has_include("shell/rect.h")
#include "shell/rect.h"
#else
inline int Rect_ContainsPtF(float px, float py, float x, float y, float w, float h) {
  return x <= px && px <= x + w && y <= py && py <= y + h;
}
#endif

// Text and file helpers.
#if __has_include("shell/text.h")
#include "shell/text.h"
#else
#include <string>
inline std::string TextTrimS(const std::string& s) {
  size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return "";
  size_t b = s.find_last_not_of(" \t");
  return s.substr(a, b - a + 1);
}
inline int TextPos(const std::string& s, const std::string& sub) {
  size_t p = s.find(sub);
  return p == std::string::npos ? -1 : (int)p;
}
#endif

#if __has_include("shell/files.h")
#include "shell/files.h"
#else
#include <istream>
#include <string>
inline FILE* FileOpenBak(std::string& name, const std::string& ext, short policy, short mode) {
  name += ext;
  if (policy == 2) {
    std::string bak = name + "_bak";
    if (FILE* t = fopen(name.c_str(), "rb")) {
      fclose(t);
      remove(bak.c_str());
      rename(name.c_str(), bak.c_str());
    }
  }
  return fopen(name.c_str(), "wb");
}
inline int SkipLine(std::istream& in) {
  if (!in.good()) return 0;
  int c;
  while ((c = in.get()) != EOF) {
    if (c == '\n') return 1;
    if (c == '\r') {
      int d = in.get();
      if (d == '\n') return 1;
      if (d == EOF) return 0;
    }
  }
  return 0;
}
#endif
