// Fuzz target of the raw image loader: a name without a ".xyz" ending is read as a raw image
// (three 32-bit words width, height, bytes per pixel; then the pixels), then uploaded as the
// texture list does (the stand-in GL reads the whole pixel block). An input is one raw file.
#include <cstdint>

#include "fuzz_common.h"
#include "render/texture.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  for (int n = 1; n <= 4; n++) {
    std::string raw;
    Fuzz_PutI32(raw, 3);
    Fuzz_PutI32(raw, 2);
    Fuzz_PutI32(raw, n);
    raw += std::string((size_t)3 * 2 * n, '\x5a');
    Fuzz_Seed("seed_raw_" + std::to_string(n), raw);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write("img", data, size);
  Tex_LoadNamed(&TexTable, 1, "img", 1);
  TexTable_Free(&TexTable);
  return 0;
}
