// MemClear: every byte of the range becomes zero wherever the range starts and ends against the
// page boundaries, and no byte outside it changes.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "shell/mem_clear.h"

TEST(MemClear, ZeroesExactlyTheRangeAcrossPageBoundaries) {
  alignas(4096) static unsigned char buf[4 * 4096];
  struct Case {
    size_t from, n;
  };
  const Case cases[] = {{0, 0},
                        {0, 1},
                        {4095, 2},
                        {4096, 4096},
                        {1, 4 * 4096 - 2},
                        {100, 8000},
                        {4096 * 2 - 1, 1},
                        {0, 4 * 4096},
                        {4097, 3 * 4096 - 1}};
  for (const Case& c : cases) {
    // Non-zero bytes at both ends of the range, next to it, at every page edge, and zero pages
    // between them.
    std::vector<size_t> marks = {c.from, c.from + c.n - 1, c.from - 1, c.from + c.n};
    for (size_t edge = 0; edge <= sizeof buf; edge += 4096) marks.insert(marks.end(), {edge - 1, edge});
    for (unsigned char& b : buf) b = 0;
    for (size_t m : marks)
      if (m < sizeof buf) buf[m] = 0xA5;
    std::vector<unsigned char> before(buf, buf + sizeof buf);
    MemClear(buf + c.from, c.n);
    for (size_t i = 0; i < sizeof buf; i++) {
      const bool inside = i >= c.from && i < c.from + c.n;
      ASSERT_EQ(buf[i], inside ? 0 : before[i]) << "range " << c.from << "+" << c.n << ", byte " << i;
    }
  }
}
