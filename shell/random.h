// The one random generator of the program: the classic runtime's rand() sequence, seedable, so a
// seeded test gets the same battle every run. Nothing calls libc rand().
#pragma once

#include <cstdint>

constexpr int kRandMax = 0x7FFF;

void RandSeed(uint32_t seed);  // srand
int Rand();                    // rand(): 0..32767
// min + Rand() % (max - min + 1); a range with max below min answers min.
int RandRange(int min, int max);
