// Fuzz target of the TGA image loader as the texture list uses it: Tex_LoadNamed of a ".tga"
// name reads the file whole, decodes it and uploads it with mipmaps (the stand-in GL reads the
// whole pixel block the sizes describe). An input is one image file.
#include <cstdint>
#include <filesystem>

#include "fuzz_common.h"
#include "render/texture.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  for (int bits : {24, 32})
    for (int type : {2, 10}) {
      std::string name = "seed_" + std::to_string(bits) + "_" + std::to_string(type) + ".tga";
      Fuzz_Seed(name, Fuzz_Tga(5, 3, bits, type));
    }
  std::string top = Fuzz_Tga(3, 2, 24, 2);
  top[17] = 0x20;  // rows top first
  top[0] = 2;      // and an image id
  top.insert(18, "id");
  Fuzz_Seed("seed_top_id.tga", top);
  if (Fuzz_SeedDir())
    for (const auto& e :
         std::filesystem::directory_iterator(std::string(TOLV_SOURCE_DIR) + "/uni_files/res"))
      if (e.path().extension() == ".tga") {
        std::string rel = "uni_files/res/" + e.path().filename().string();
        Fuzz_Seed("shipped_" + e.path().filename().string(), Fuzz_Shipped(rel));
      }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write("img.tga", data, size);
  Tex_LoadNamed(&TexTable, 1, "img.tga", 1);
  TexTable_Free(&TexTable);
  return 0;
}
