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
  gKonfigAsk = Answer;
  Fuzz_Seed("shipped_konfig.txt", Fuzz_Shipped("uni_files/konfig.txt"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write(gsFileKonfig, data, size);
  Konfig_Defaults();
  WinWidth = 800;
  WinHeight = 600;
  gAnswer = size % 2 ? IDNO : IDYES;
  Konfig_Read();
  bool kept = WinWidth == 800 && WinHeight == 600;
  if (!kept && (WinWidth < 300 || WinWidth > 4000 || WinHeight < 200 || WinHeight > 3000)) abort();
  return 0;
}
