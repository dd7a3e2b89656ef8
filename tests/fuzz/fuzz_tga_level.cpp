// Fuzz target of the mipmap level files: an image loaded with mip mode 4..7 takes its levels
// 1..mode-1 from "<name><level>.tga" beside it, each checked against the size and depth of its
// level before GL reads it (the stand-in GL reads the whole block). An input is one byte of
// choices, then the level file: bits 0-1 the mode (4 + value), the rest (modulo mode - 1, plus 1)
// the level the file stands for; bit 7 gives the image 32 bits instead of 24. The image itself is
// a valid 128 x 128 one.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_common.h"
#include "render/texture.h"

namespace {
uint8_t gImage[2][128 * 128 * 4];
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  memset(gImage, 0x77, sizeof gImage);
  for (int mode = 4; mode <= 7; mode++)
    for (int level = 1; level < mode; level++)
      for (int rgba = 0; rgba <= 1; rgba++) {
        uint8_t pick = (uint8_t)((mode - 4) | (level - 1) << 2 | rgba << 7);
        std::string seed(1, (char)pick);
        seed += Fuzz_Tga(128 >> level, 128 >> level, rgba ? 32 : 24, level % 2 ? 10 : 2);
        Fuzz_Seed("seed_mode" + std::to_string(mode) + "_level" + std::to_string(level) +
                      (rgba ? "_rgba" : "_rgb"),
                  seed);
      }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  int mode = 4 + (data[0] & 3);
  int level = 1 + ((data[0] >> 2) & 0x1F) % (mode - 1);
  int rgba = data[0] >> 7;
  std::string file = "img" + std::to_string(level) + ".tga";
  Fuzz_Write(file, data + 1, size - 1);
  TexTable.TexCurName = "img.tga";
  TexSlot& s = TexTable.slots[1];
  s.pixels = gImage[rgba];
  s.width = s.height = 128;
  s.bits = rgba ? 32 : 24;
  Tex_Create(&s, mode, 0);
  s.pixels = nullptr;  // the image is the target's own
  s.bits = 0;
  TexTable_Free(&TexTable);
  remove(file.c_str());
  return 0;
}
