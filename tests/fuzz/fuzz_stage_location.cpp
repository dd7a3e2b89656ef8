// Fuzz target of the location loader as the game calls it when the player changes location:
// Etap_LoadLocation(n) of the current stage. An input is one location file.
#include <cstdint>

#include "stage_limit_seeds.h"
#include "stage_world.h"

using namespace stage_fuzz;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Begin(argc, argv);
  StageReq.EtapName = "stage";
  Fuzz_Seed("seed_small_world", SavePart(0));
  if (Fuzz_SeedDir()) {
    const std::string sl = Fuzz_Shipped("Maps/test.etp01");
    Fuzz_Seed("shipped_test.etp01", sl);
    LimitSeeds(sl, 1, "loc_", [](const std::string& name, const std::string& l) { Fuzz_Seed(name, l); });
    // Holder links the sweep finds gone; the foreign one names base slot 400, empty in the world
    // the location is loaded over.
    ParentSeeds(sl, 1, Fgr_NomForLink(&Fgrs.mf[400], 1), "loc_",
                [](const std::string& name, const std::string& l) { Fuzz_Seed(name, l); });
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write(kLocFile, data, size);
  BeforeInput();
  AfterInput(Etap_LoadLocation(2), false);
  return 0;
}
