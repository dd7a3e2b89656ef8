// Clearing large records page by page, leaving the pages that are zero already alone.
#include "shell/mem_clear.h"

#include <cstdint>
#include <cstring>

namespace {
constexpr uintptr_t kPage = 4096;

bool AllZero(const unsigned char* p, size_t n) {
  for (; n && (uintptr_t)p % sizeof(uint64_t); n--, p++)
    if (*p) return false;
  uint64_t any = 0;
  for (; n >= sizeof(uint64_t); n -= sizeof(uint64_t), p += sizeof(uint64_t)) {
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    any |= w;
  }
  for (; n; n--, p++) any |= *p;
  return any == 0;
}
}  // namespace

void MemClear(void* p, size_t n) {
  unsigned char* b = static_cast<unsigned char*>(p);
  while (n) {
    // Up to the next page boundary, so that a page already zero is only ever read.
    size_t step = (size_t)(kPage - (uintptr_t)b % kPage);
    if (step > n) step = n;
    if (!AllZero(b, step)) std::memset(b, 0, step);
    b += step;
    n -= step;
  }
}
