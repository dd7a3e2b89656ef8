// Fuzz target of the font description: FontSet_Load of "uni_files/res/_tfonts.txt" (the font
// images after "=tex=", the fonts after "=klv=", one "=fnt=" entry each), with the stand-in GL
// handing out texture and list names so every entry is parsed, its glyph lists built and a long
// row measured. The scratch folder holds one small image, "a.tga"; the shipped images are the TGA
// target's. An input is one description file.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "fuzz_common.h"
#include "render/font.h"
#include "shell/file_names.h"

namespace {
FontSetRec gSet;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  Fuzz_Write(FileNames.gsDirRes + "/a.tga", Fuzz_Tga(16, 16, 32, 10));
  std::string shipped = Fuzz_Shipped("uni_files/res/_tfonts.txt");
  Fuzz_Seed("shipped__tfonts.txt", shipped);
  // The shipped description with its images named "a.tga".
  std::istringstream in(shipped);
  std::string line, small;
  while (std::getline(in, line)) {
    bool image = line.size() > 4 && line.compare(line.size() - 4, 4, ".tga") == 0;
    small += (image ? std::string("a.tga") : line) + "\n";
  }
  Fuzz_Seed("seed_small_images", small);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write(FileNames.gsDirRes + "/_tfonts.txt", data, size);
  memset(static_cast<void*>(&gSet), 0, sizeof gSet);
  FontSet_Load(&gSet, FileNames.gsDirRes.c_str());
  // The glyph lists and the printer index the table of 256 glyphs from the first one.
  for (const Font& f : gSet.fonts)
    if (f.count > 0 && (f.firstChar < 0 || f.firstChar + f.count > 256)) abort();
  // A long row measured in every font, as the text boxes measure their rows.
  static const std::string row(4096, 'W');
  for (int font = 1; font <= kFontMax; font++) {
    Font_TextWidth(&gSet, font, row.c_str(), 0, -1);
    Font_FitChars(&gSet, font, row.c_str(), 2000000000);
    Font_TextWidthUpTo(&gSet, font, row.c_str(), (int)row.size(), (int)row.size(), INT_MAX);
    Font_CharsBefore(&gSet, font, row.c_str(), (int)row.size(), INT_MAX);
  }
  FontSet_Free(&gSet);
  return 0;
}
