// Fuzz target of the resource generator's three inputs (the start-up texture list, the message
// base and the key-command file), read by ResAGen, which writes "gm/res_a.h". See gen_tables.h
// for the input.
#include "gen_tables.h"
#include "generators/res_gen.h"
#include "shell/file_names.h"
#include "shell/key_commands.h"
#include "shell/msgbase.h"

namespace {
GenTables gTables;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  gTables.Begin({FileNames.gsFilePixStart, Msgs.gsFileMsgBase, KeyCmds.gsFileSig});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  gTables.Run(data, size, [] { ResAGen(); });
  return 0;
}
