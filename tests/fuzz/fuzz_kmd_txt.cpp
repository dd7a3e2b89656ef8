// Fuzz target of the text file of one key command (a title line, then words 1..38 of the record,
// one per line), read by IKmd2_TxtRead; the command then runs a few frames. An input is one file.
#include <cstdint>
#include <cstring>

#include "fuzz_common.h"
#include "kmd_frames.h"

namespace {

IKmd2 gKmd[2];  // the command and the block's terminator

std::string Lines(const IKmd2& k) {
  const int* w = reinterpret_cast<const int*>(&k);
  std::string s = "key command\n";
  for (int i = 1; i <= 38; i++) s += std::to_string(w[i]) + "\n";
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  IKmd2 k = {};
  IKmd2_Set(&k, 1, 17, 65, 0, 0, 0, "CtrlA");
  Fuzz_Seed("seed_modifier_key", Lines(k));
  IKmd2_Set(&k, 1, 32, 0, 0, 0, 0, "Space");
  IKmd2_SetCycle(&k, 1, 5, 2, 100, 3);
  Fuzz_Seed("seed_cycle", Lines(k));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write("kmd.txt", data, size);
  memset(static_cast<void*>(gKmd), 0, sizeof gKmd);
  IKmd2_TxtRead(&gKmd[0], "kmd.txt");
  if (gKmd[0].name[sizeof(IKmd2::name) - 1] != 0) abort();
  Kmd_FuzzFrames(&gKmd[0], &gKmd[1]);
  return 0;
}
