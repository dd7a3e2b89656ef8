// Fuzz target of the figure header generator's five tables ("gm/__fgr_status.txt",
// "__fgr_in.txt", "__fgr_rea.txt", "__fgr_kombi.txt", "__boe_count.txt"), read by FgrAGen, which
// writes "gm/fa_pre.h", "gm/fa_in.h" and "gm/fa_proc.h". See gen_tables.h for the input.
#include "gen_tables.h"
#include "generators/fgr_tables.h"

namespace {
GenTables gTables;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  Fuzz_CopyShipped("uni_files/res/fa_in_end.h");  // the record's tail the writer copies in
  gTables.Begin({gsFileFgrStatus, gsFileFgrIn, gsFileFgrRea, gsFileFgrKombi, gsFileBoeCount});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  gTables.Run(data, size, [] { FgrAGen(); });
  return 0;
}
