// Path search: corner to corner on an open floor, through 20 % random blocks and through 32 x 32
// rooms joined by doors, and to an unreachable target, on both grids; the counter "expanded" is the
// exact number of cells the search took from its open list. And one rebuild of the passability
// maps with 999 standing figures.
#include <benchmark/benchmark.h>

#include <cstring>

#include "figures/fgrs.h"
#include "figures/land.h"
#include "shell/random.h"
#include "world/land_grid.h"
#include "world/paths.h"

namespace {

enum MapKind { kOpen, kRandom20, kRooms, kUnreachable };

void BuildMap(int kind) {
  Records_ResetPools();
  Fgrs.ResetAll();
  Land_InitCellFlags();
  RandSeed(4242);
  for (int c = 0; c < kLandCells; c++) {
    int col = c % kLandSide, row = c / kLandSide;
    LandKle& k = Land.LandSurface.kle[c];
    if (!Land_CellValid(c)) continue;
    if (kind == kRandom20 && Rand() % 100 < 20) k.tile = 0;
    if (kind == kRooms && (col % 32 == 0 || row % 32 == 0)) {
      int along = col % 32 == 0 ? row % 32 : col % 32;
      if (along < 14 || along > 17) k.tile = 0;  // a door of four cells in the middle of each wall
    }
  }
  // The corner cells stay open (on the half grid, the 2 x 2 cells of its corner cells).
  for (int r : {1, 2, 3, 252, 253, 254})
    for (int c : {1, 2, 3, 252, 253, 254}) Land.LandSurface.kle[r * kLandSide + c].tile = 2;
  if (kind == kUnreachable)  // a closed ring around the far corner's cells
    for (int r = 250; r <= 254; r++)
      for (int col = 250; col <= 254; col++)
        if (r == 250 || col == 250) Land.LandSurface.kle[r * kLandSide + col].tile = 0;
  PassMaps_Rebuild();
  Paths.PathFloor = 0;
}

void BM_PathFind(benchmark::State& state) {
  const int kind = (int)state.range(0), half = (int)state.range(1);
  BuildMap(kind);
  // Corner to corner: cells (1, 1) to (254, 254), or on the half grid (1, 1) to (126, 126).
  auto find = [half] {
    return half ? Land_PathFind20(1, 0, 25, 25, 2535, 2535) : Land_PathFind(1, 0, 15, 15, 2545, 2545);
  };
  int answer = find();  // the first search after a rebuild also labels the map's regions
  for (auto _ : state) {
    answer = find();
    benchmark::DoNotOptimize(answer);
  }
  state.counters["found"] = answer == 1;
  state.counters["expanded"] = Paths.PathExpanded;
  state.counters["len"] = answer == 1 ? Paths.PathSlots[0].len : 0;
  state.counters["ns_per_node"] =
      benchmark::Counter((double)Paths.PathExpanded * (double)state.iterations(),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PathFind)
    ->ArgsProduct({{kOpen, kRandom20, kRooms, kUnreachable}, {0, 1}})
    ->ArgNames({"map", "half"})
    ->Unit(benchmark::kMicrosecond);

// Labelling a map's regions, as the first search after each rebuild does.
void BM_PathLabelsAfterRebuild(benchmark::State& state) {
  BuildMap(kRandom20);
  for (auto _ : state) {
    PassMaps_Changed();
    benchmark::DoNotOptimize(Land_PathFind(1, 0, 15, 15, 2545, 2545));
  }
}
BENCHMARK(BM_PathLabelsAfterRebuild)->Unit(benchmark::kMicrosecond);

void BM_PassMapsRebuild999(benchmark::State& state) {
  BuildMap(kRandom20);
  static const int kShapes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  for (int i = 1; i < kFgrsSlots; i++) {
    Fgr* f = Fgrs.AddFgr(101, i <= 500);
    if (!f) continue;
    f->active = 1;
    f->LandKleLUp = (1 + (i * 37) % 250) * kLandSide + 1 + (i * 11) % 250;
    f->LandKleStamp = kShapes[i % 11];
    f->UnderGround = i % 2;
  }
  Fgrs.ClearNovorod();
  for (auto _ : state) {
    PassMaps_Rebuild();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PassMapsRebuild999)->Unit(benchmark::kMicrosecond);

}  // namespace
