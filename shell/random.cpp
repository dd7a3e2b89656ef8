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
