// The classic runtime's linear congruential sequence (state * 214013 + 2531011, bits 16..30 the
// answer) in one state of its own: a seed then gives the same battle on any machine and in any
// build, which a libc rand() would not promise, and no draw can come from elsewhere unseen.
#include "shell/random.h"

namespace {
uint32_t randState = 1;  // the runtime's value before any srand
}

void RandSeed(uint32_t seed) { randState = seed; }

int Rand() {
  randState = randState * 214013u + 2531011u;
  return static_cast<int>((randState >> 16) & kRandMax);
}

int RandRange(int min, int max) {
  if (max <= min) return min;
  return min + Rand() % (max - min + 1);
}
