// Fuzz target of the land map import: Land_ImportKm reads "km" (two sizes, then one word per
// surface cell), creates the figures the cells' object codes name and decorates the surface; a
// refused file builds the default map instead. The first input byte chooses how the rest becomes
// "km": odd, the rest is the file as it is (sizes and length checks); even, the file is the sizes
// 256 x 256, the rest as the words of the first cells and 0 in the others (what the cells may
// hold; an object code in every cell would make each input as slow as a full container's search
// for a free slot, 65536 times). Each input starts from the same world: no figures, the same
// land, sides and player.
#include <cstdint>
#include <cstring>
#include <vector>

#include "catalogue/new_world.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/records.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "fuzz_common.h"
#include "gm/org_base.h"
#include "world/land_grid.h"
#include "world/land_import.h"
#include "world/paths.h"

namespace {

constexpr size_t kKmSize = 8 + (size_t)kLandCells * 4;

struct Region {
  void* at;
  size_t size;
  std::vector<char> saved;
};
std::vector<Region> gRegions;

template <class T>
void Keep(T& x) {
  const char* p = reinterpret_cast<const char*>(&x);
  gRegions.push_back({static_cast<void*>(&x), sizeof x, std::vector<char>(p, p + sizeof x)});
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  Records_ResetPools();
  Fgrs.ResetAll();
  org2_Init();
  orgF_Init();
  Sides.PlayerSide = 2;
  Land_InitCellFlags();
  PassMaps_Rebuild();
  for (LandFloor* fl : {&Land.LandSurface, &Land.LandUnder}) {
    Keep(fl->kle);
    Keep(fl->vert);
    Keep(fl->rgba);
    Keep(fl->paf);
    Keep(fl->paf2);
    Keep(fl->FogVis);
  }
  Keep(Sides.SideTab);
  Keep(Sides.PlayerSide);
  Keep(StageReq.EtapLocationNom);
  // Cell words: tile type, object code, cursor kind, flag.
  std::string words;
  for (int c = 0; c < 3 * 256; c++)
    Fuzz_PutI32(words, c % 8 | (c % 23) << 8 | (c % 11) << 16 | (c % 4) << 24);
  Fuzz_Seed("seed_cells", std::string(1, '\0') + words);
  std::string sizes;
  Fuzz_PutI32(sizes, 256);
  Fuzz_PutI32(sizes, 128);
  Fuzz_Seed("seed_wrong_sizes", std::string(1, '\1') + sizes + words);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  if (data[0] & 1) {
    Fuzz_Write("km", data + 1, size - 1);
  } else {
    std::string km;
    Fuzz_PutI32(km, kLandSide);
    Fuzz_PutI32(km, kLandSide);
    km.append((const char*)data + 1, size - 1 < kKmSize - 8 ? size - 1 : kKmSize - 8);
    km.resize(kKmSize, '\0');
    Fuzz_Write("km", km);
  }
  Land_ImportKm();
  Fgrs.ResetAll();
  Records_ResetPools();
  for (Region& r : gRegions) memcpy(r.at, r.saved.data(), r.size);
  return 0;
}
