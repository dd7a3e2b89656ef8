// Fuzz target of the named variables' text master at start-up: Org_LoadAtStart reads
// "gm/__orgmix.txt" and writes the binary file when the whole master parses, else reads the
// binary file (removed before each input, so inputs stay independent). An input is one master.
#include <cstdint>
#include <cstdio>

#include "figures/org_files.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  Fuzz_Seed("shipped___orgmix.txt", Fuzz_Shipped("gm/__orgmix.txt"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write(OrgFiles.gsFileOrgMix, data, size);
  remove(OrgFiles.gsFileO2O3Bin.c_str());
  remove((OrgFiles.gsFileO2O3Bin + "_bak").c_str());
  Org_LoadAtStart();
  return 0;
}
