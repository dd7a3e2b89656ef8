// Fuzz target of the key-command definitions file: the generated block loader reads
// "uni_files/res/sig.txt" (seven-line blocks after "//==" markers) into every command of the
// block; the commands then run a few frames. An input is one definitions file.
#include <cstdint>

#include "fuzz_common.h"
#include "kmd_frames.h"
#include "render/kmd_block.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  Fuzz_Seed("shipped_sig.txt", Fuzz_Shipped("uni_files/res/sig.txt"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write(KeyCmds.gsFileSig, data, size);
  Kmd_ResetAll();
  Kmd_Load();
  for (int n = 0; n <= Kmd_Count(); n++)
    if (KmdByNum(n)->name[sizeof(IKmd2::name) - 1] != 0) abort();  // a name without its end
  Kmd_FuzzFrames(Kmd_First(), Kmd_Last());
  return 0;
}
