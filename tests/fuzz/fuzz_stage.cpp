// Fuzz target of the stage loader as the game calls it: EtapFile_Load of a base file, which reads
// the location file its base part names. An input is a base part and a location part: a 4-byte
// length of the base part, the base part, then the location part.
#include <cstdint>
#include <cstring>

#include "stage_limit_seeds.h"
#include "stage_world.h"

using namespace stage_fuzz;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Begin(argc, argv);
  // A pair of the right shape: the small world saved.
  std::string b = SavePart(1), l = SavePart(0), seed;
  Fuzz_PutI32(seed, (int32_t)b.size());
  Fuzz_Seed("seed_small_world", seed + b + l);
  // The shipped stage, and copies of it with limits in one part or the other.
  if (Fuzz_SeedDir()) {
    const std::string sb = Fuzz_Shipped("Maps/test.etp"), sl = Fuzz_Shipped("Maps/test.etp01");
    auto pair = [](const std::string& base, const std::string& loc) {
      std::string s;
      Fuzz_PutI32(s, (int32_t)base.size());
      return s + base + loc;
    };
    Fuzz_Seed("shipped_test", pair(sb, sl));
    LimitSeeds(sb, 0, "base_",
               [&](const std::string& name, const std::string& b) { Fuzz_Seed(name, pair(b, sl)); });
    LimitSeeds(sl, 1, "loc_",
               [&](const std::string& name, const std::string& l) { Fuzz_Seed(name, pair(sb, l)); });
    // Holder links the sweep finds gone; the foreign one names the base's first figure, which
    // its base part drops.
    const int first = PeekI32(sb, MapPart(sb).chunks.at(0).number);
    const std::string sbDropped = Renumbered(sb, first, 0);
    ParentSeeds(sl, 1, Fgr_NomForLink(&Fgrs.mf[first], 1), "loc_",
                [&](const std::string& name, const std::string& l) {
                  Fuzz_Seed(name, pair(name == "loc_parent_foreign" ? sbDropped : sb, l));
                });
    // The base's holder links: the foreign one names location slot 900, which the location lacks.
    ParentSeeds(sb, 0, 900, "base_",
                [&](const std::string& name, const std::string& b) { Fuzz_Seed(name, pair(b, sl)); });
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  uint32_t nb = 0;
  memcpy(&nb, data, 4);
  size_t rest = size - 4;
  if (nb > rest) nb = (uint32_t)rest;
  Fuzz_Write(kName, data + 4, nb);
  Fuzz_Write(kLocFile, data + 4 + nb, rest - nb);
  BeforeInput();
  AfterInput(EtapFile_Load(kName), true);
  return 0;
}
