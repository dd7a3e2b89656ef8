// Fuzz target of the coloured words of the text boxes: PaintWords_Load of
// "uni_files/res/paintword.txt" (a separator line, a count line, the word and its colour codes per
// record), which also writes the list back as the test list. An input is one file.
#include <cstdint>

#include "app/startup.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  Fuzz_Seed("shipped_paintword.txt", Fuzz_Shipped("uni_files/res/paintword.txt"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write(FileNames.gsFilePaintWord, data, size);
  PaintWords.rows.clear();
  PaintWords_Load(FileNames.gsFilePaintWord);
  PaintWords.rows.clear();
  return 0;
}
