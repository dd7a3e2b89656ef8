// One texture slot: an image in memory and its GL texture. The texture table (render/texture.h)
// holds 501 of them; each land chunk of a floor record (figures/land.h) owns one more.
#pragma once
#include <cstdint>

struct TexSlot {
  uint32_t glName;    // GL texture name; 0 = none
  int32_t mipmapped;  // 1 with a mipmap chain
  int32_t width;
  int32_t height;
  int32_t bits;     // 8, 16, 24, 32; 0 without pixels
  uint8_t* pixels;  // owned (malloc), bottom row first, or null
  // Moves with every upload into the texture and its deletion: a picture drawn from the slot is
  // current while its count stands (GL names are reused, so the name cannot tell).
  uint32_t changes;
};
