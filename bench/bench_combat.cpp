// Combat: the whole game update of a frame with 100 foot soldiers of each of two sides (the kombi
// soldier with its gun), in contact (two blocks of 10 x 10 facing each other within reach) and
// apart (each side sees the other's 100 but none is in reach, so every soldier searches all of
// them each frame). Their hit points are raised so that the fight lasts through the run; the hit
// log has reached its message cap before the clock starts. The beams of a frame are taken away
// after it, as their life timers would.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "catalogue/kombi.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/records.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "gm/org_base.h"
#include "render/land_chunks.h"
#include "shell/frame_clock.h"
#include "shell/log.h"
#include "shell/random.h"
#include "world/land_grid.h"
#include "world/mode_frames.h"
#include "world/movement.h"
#include "world/paths.h"

namespace {

constexpr int kFrameMs = 16;

void Frame() {
  GameUpdate();
  for (int i = FgrsBaseLast + 1; i < kFgrsSlots; i++)
    if (Fgrs.mf[i].status == fgrLaser) Fgrs.mf[i].Sbros();
}

// Two blocks of soldiers, 10 apart inside a block; rows of the second block start `gap` further.
void Battle(int gap) {
  gsFileLog = "bench_combat_log.txt";
  Records_ResetPools();
  Fgrs.ResetAll();
  org2_Init();
  orgF_Init();
  RandSeed(7);
  Tex_GenLumAlpha(&LandSurface, 0);
  Tex_GenLumAlpha(&LandUnder, 1);
  Land_InitCellFlags();
  for (int k = 0; k < kSides; k++) SideTab[k][kSideId] = k + 1;
  PlayerSide = 2;
  ProgMode = 2;
  EditModeOn = 0;
  visUnderGround = 0;
  KadrStep = kFrameMs;
  for (int i = 0; i < 200; i++) {
    int side = 2 + i / 100, col = 50 + i % 10, row = 50 + (i % 100) / 10 + (side == 3 ? 10 + gap : 0);
    Fgr* u = Fgr_Create(kombi_SoldatAkademii, side, 0);
    if (!u) break;
    u->novorod = 0;
    Fgr_CellMoveTo(u, row * kLandSide + col, 0, 0, 0);
    for (int c : {bcNormHP, bcCaptHP, bcTehnHP}) BoeCnt_Set(&u->UN->cnt, c, 30000, 30000, 0, 0);
    if (gap) u->get_RadiusVis_ = 300;  // sight beyond the guns' reach: everybody searches
  }
  EtapLocationNom = 1;
  PassMaps_Rebuild();
  for (int frame = 0; frame < 1000; frame++) Frame();
}

void RunFrames(benchmark::State& state, int gap) {
  Battle(gap);
  for (auto _ : state) Frame();
  int standing = 0, shooting = 0;
  for (const Fgr& f : Fgrs.mf)
    if (Fgr::IsUnit(&f) && !f.isMort) standing++, shooting += f.P_FireTarg || f.P_AutoTarg;
  state.counters["standing"] = standing;
  state.counters["with_target"] = shooting;
  std::remove(gsFileLog.c_str());
}

void BM_GameUpdate100v100InContact(benchmark::State& state) { RunFrames(state, 0); }
BENCHMARK(BM_GameUpdate100v100InContact)->Unit(benchmark::kMicrosecond);

void BM_GameUpdate100v100Searching(benchmark::State& state) { RunFrames(state, 15); }
BENCHMARK(BM_GameUpdate100v100Searching)->Unit(benchmark::kMicrosecond);

}  // namespace
