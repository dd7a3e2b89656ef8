// Fuzz target of the binary file of one key command (length, version, word count, the words, the
// name again), read by IKmd2_LoadBin over a command already set; the command then runs a few
// frames. An input is one file.
#include <cstdint>
#include <cstring>

#include "fuzz_common.h"
#include "kmd_frames.h"
#include "shell/file_save.h"

namespace {

IKmd2 gKmd[2];  // the command and the block's terminator

void Before() {
  memset(static_cast<void*>(gKmd), 0, sizeof gKmd);
  IKmd2_Set(&gKmd[0], 1, 16, 0, 0, 0, 0, "Shift");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  // The game's own writer makes the seeds.
  IKmd2 k = {};
  IKmd2_Set(&k, 1, 17, 65, 0, 0, 0, "CtrlA");
  k.mode = 3;
  if (Fuzz_SeedDir() && IKmd2_SaveBin(&k, "seed.bin", kFileBakDelete))
    Fuzz_Seed("seed_modifier_key", Fuzz_Read("seed.bin"));
  IKmd2_Set(&k, 1, 32, 0, 0, 0, 0, "Space");
  IKmd2_SetCycle(&k, 1, 5, 2, 100, 3);
  if (Fuzz_SeedDir() && IKmd2_SaveBin(&k, "seed.bin", kFileBakDelete))
    Fuzz_Seed("seed_cycle", Fuzz_Read("seed.bin"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write("kmd.bin", data, size);
  Before();
  IKmd2_LoadBin(&gKmd[0], "kmd.bin", "");
  if (gKmd[0].name[sizeof(IKmd2::name) - 1] != 0) abort();
  Kmd_FuzzFrames(&gKmd[0], &gKmd[1]);
  return 0;
}
