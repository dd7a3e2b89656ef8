// Fuzz target of the named variables' binary file: Org_LoadBin of "uni_files/res/o2o3.bin" (a
// length, a mark, the integer count and integers, the float count and floats). Each input starts
// from the variables' start values. An input is one binary file.
#include <cstdint>

#include "figures/org_files.h"
#include "fuzz_common.h"
#include "gm/org_base.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  org2_Init();
  orgF_Init();
  Org_SaveBin();  // the game's own writer makes the seed
  if (Fuzz_SeedDir()) Fuzz_Seed("seed_start_values", Fuzz_Read(OrgFiles.gsFileO2O3Bin));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write(OrgFiles.gsFileO2O3Bin, data, size);
  org2_Init();
  orgF_Init();
  Org_LoadBin();
  return 0;
}
