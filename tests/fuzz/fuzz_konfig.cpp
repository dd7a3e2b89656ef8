// Fuzz target of the settings file: Konfig_Read of "uni_files/konfig.txt", read by position, with
// the window-size question answered "Yes" for inputs of even length and "No" for odd ones. A size
// outside the window limits must never become the window's. An input is one settings file.
#include <cstdint>
#include <cstdlib>

#include "fuzz_common.h"
#include "platform/platform.h"
#include "shell/konfig.h"
#include "shell/window_state.h"

namespace {
int gAnswer;
int Answer(const char*, const char*, int) { return gAnswer; }
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  Konfig.gKonfigAsk = Answer;
  Fuzz_Seed("shipped_konfig.txt", Fuzz_Shipped("uni_files/konfig.txt"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write(Konfig.gsFileKonfig, data, size);
  Konfig_Defaults();
  Win.WinWidth = 800;
  Win.WinHeight = 600;
  gAnswer = size % 2 ? IDNO : IDYES;
  Konfig_Read();
  bool kept = Win.WinWidth == 800 && Win.WinHeight == 600;
  if (!kept &&
      (Win.WinWidth < 300 || Win.WinWidth > 4000 || Win.WinHeight < 200 || Win.WinHeight > 3000))
    abort();
  return 0;
}
