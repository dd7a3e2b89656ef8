// Fuzz target of the start-up texture list: Tex_LoadPack of "uni_files/res/pix_start.txt" (a
// title, a count, then per record a line, a name, a slot, an image file, a mip mode), with the
// stand-in GL handing out texture names so a list runs through all its records. The scratch
// folder holds three small images, "a.tga", "b.tga" and the raw "c" (under uni_files/res/); the
// shipped images are the TGA target's. An input is one list.
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "fuzz_common.h"
#include "render/texture.h"
#include "shell/file_names.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  Fuzz_Write("uni_files/res/a.tga", Fuzz_Tga(4, 4, 24, 2));
  Fuzz_Write("uni_files/res/b.tga", Fuzz_Tga(32, 32, 32, 10));
  std::string raw;
  for (int v : {2, 2, 1}) Fuzz_PutI32(raw, v);
  Fuzz_Write("uni_files/res/c", raw + "abcd");
  std::string shipped = Fuzz_Shipped(FileNames.gsFilePixStart);
  Fuzz_Seed("shipped_pix_start.txt", shipped);
  // The shipped list with its images replaced by the three small ones in turn.
  std::istringstream in(shipped);
  std::string line, small;
  const char* const kSmall[3] = {"uni_files/res/a.tga", "uni_files/res/b.tga", "uni_files/res/c"};
  int k = 0;
  while (std::getline(in, line)) {
    bool image = line.size() > 4 && line.compare(line.size() - 4, 4, ".tga") == 0;
    small += (image ? std::string(kSmall[k++ % 3]) : line) + "\n";
  }
  Fuzz_Seed("seed_small_images", small);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write(FileNames.gsFilePixStart, data, size);
  Tex_LoadPack(&TexTable, FileNames.gsFilePixStart.c_str());
  if (TexTable.count < 1 || TexTable.count > kTexSlots) abort();
  TexTable_Free(&TexTable);
  TexTable.TexCurName.clear();
  return 0;
}
