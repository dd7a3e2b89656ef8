// Fuzz target of the coloured words of the text boxes: PaintWords_Load of
// "uni_files/res/paintword.txt" (a separator line, a count line, the word and its colour codes per
// record), which also writes the list back as the test list. An input is one file. The words read
// then make a text, and at each of its positions the index must find the word the linear search of
// the rule finds.
#include <cstdint>
#include <cstdlib>

#include "fuzz_common.h"
#include "gui/paint_words.h"
#include "shell/file_names.h"
#include "tests/paint_oracle.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  Fuzz_Seed("shipped_paintword.txt", Fuzz_Shipped("uni_files/res/paintword.txt"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write(FileNames.gsFilePaintWord, data, size);
  PaintWords_Set({});
  PaintWords_Load(FileNames.gsFilePaintWord);
  std::string text;
  for (const auto& row : PaintWords.rows) {
    if (text.size() > 1024) break;
    text += row.first + (text.size() % 3 ? "(" : "");
  }
  for (int p = 0; p < (int)text.size(); p++)
    if (TextEd_PaintWordAt(text, p) != LinearPaintWordAt(text, p)) std::abort();
  PaintWords_Set({});
  return 0;
}
