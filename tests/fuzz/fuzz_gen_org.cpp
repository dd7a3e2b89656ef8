// Fuzz target of the named-variable generator's table "gm/__orgmix.txt", read by Org_ReStart,
// which writes "gm/org_base_a.h". See gen_tables.h for the input (one table: its byte is 0).
#include "gen_tables.h"
#include "generators/org_gen.h"

namespace {
GenTables gTables;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  gTables.Begin({gsFileOrgGenIn});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  gTables.Run(data, size, [] { Org_ReStart(); });
  return 0;
}
