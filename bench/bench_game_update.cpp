// One game update of a full stage: 200 units (100 a side, each with its gun) walking patrol routes
// over open ground, timed triggers, and decorations filling the container to its last slot. Timed
// alone: the container's update and every figure's procedures (the path plans of the passability
// rebuild, every 500 ms of play, fall outside); and the whole game update of a frame with its
// pre-steps (fog, side lists, tidy, the rebuild in its turn).
//
// Then combat: the whole game update with 100 foot soldiers of each of two sides (the kombi
// soldier with its gun), in contact (two blocks of 10 x 10 facing each other within reach) and
// apart (each side sees the other's 100 beyond its guns' reach, so every soldier searches all of
// them each frame). Their hit points are raised so that the fight lasts through the run; the hit
// log has reached its message cap before the clock starts. The beams of a frame are taken away
// after it, as their life timers would.
#include <benchmark/benchmark.h>

#include "app/play_frame.h"
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
#include "world/fgrs_update.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/paths.h"
#include "world/procs.h"

namespace {

constexpr int kUnits = 200;
constexpr int kFrameMs = 40;
constexpr int kRebuildEvery = 500 / kFrameMs + 1;

int RandomCell() { return (10 + Rand() % 236) * 256 + 10 + Rand() % 236; }

// An empty world of play: open land on both floors, five sides, the player on side 2.
void PlayWorld(uint32_t seed, int frameMs) {
  Logger.gsFileLog = "bench_game_update_log.txt";
  Records_ResetPools();
  Fgrs.ResetAll();
  org2_Init();
  orgF_Init();
  RandSeed(seed);
  Tex_GenLumAlpha(&Land.LandSurface, 0);
  Tex_GenLumAlpha(&Land.LandUnder, 1);
  Land_InitCellFlags();
  for (int k = 0; k < kSides; k++) Sides.SideTab[k][kSideId] = k + 1;
  Sides.PlayerSide = 2;
  ModeWords.ProgMode = kModePlay;
  EditModeOn = 0;
  visUnderGround = 0;
  FrameClock.KadrStep = frameMs;
}

void BuildStage() {
  PlayWorld(4711, kFrameMs);
  for (int i = 0; i < kUnits; i++) {
    Fgr* u = Fgr_Create(-3, 2 + i % 2, 0);
    if (!u) break;
    u->novorod = 0;
    Fgr_CellMoveTo(u, RandomCell(), 0, 0, 0);
    u->Marsh1 = RandomCell(), u->Marsh2 = RandomCell(), u->Marsh3 = RandomCell(),
    u->Marsh4 = RandomCell();
    u->MarshMode = 0;
    u->MarshKuda = 1;
  }
  for (int i = 0; i < 40; i++) {
    Fgr* t = Fgrs.AddFgr(fgrTriger, 0);
    if (!t) break;
    t->active = 1, t->novorod = 0, t->ProcNomUpd2 = r_Triger_Upd, t->baner = 3;
    t->ueWaitFull = t->waitNow = 1000 + 100 * i;
    t->activateExt = 1 + i;  // a technology of its side on each period
  }
  for (int base : {0, 1})
    while (Fgr* d = Fgrs.AddFgr(fgrDekor, base)) {
      d->active = 1, d->novorod = 0;
      Fgr_SetPosition(d, 10.0f + (float)(Rand() % 2540), 0, 10.0f + (float)(Rand() % 2540));
    }
  StageReq.EtapLocationNom = 1;
  // Every unit on its way before the clock starts.
  for (int frame = 0; frame < 3 * kRebuildEvery; frame++) {
    if (frame % kRebuildEvery == 0) PassMaps_Rebuild();
    Fgrs_UpdAll(&Fgrs);
    Fgrs_ProcAll(&Fgrs);
  }
}

int Walking() {
  int n = 0;
  for (const Fgr& f : Fgrs.mf) n += Fgr::IsUnit(&f) && f.onPath;
  return n;
}

void BM_ContainerUpdateAndProcedures(benchmark::State& state) {
  BuildStage();
  int frame = 0;
  for (auto _ : state) {
    if (++frame % kRebuildEvery == 0) {
      state.PauseTiming();
      PassMaps_Rebuild();
      state.ResumeTiming();
    }
    for (int* side : Sides.SideTab) side[kSideOwnCount] = side[kSideSeenCount] = 0;
    Fgrs_UpdAll(&Fgrs);
    Fgrs_ProcAll(&Fgrs);
  }
  state.counters["walking"] = Walking();
  int live = 0;
  for (const Fgr& f : Fgrs.mf) live += f.Status() != 0;
  state.counters["figures"] = live;
}
BENCHMARK(BM_ContainerUpdateAndProcedures)->Unit(benchmark::kMicrosecond);

void BM_WholeGameUpdate(benchmark::State& state) {
  BuildStage();
  for (auto _ : state) GameUpdate();
  state.counters["walking"] = Walking();
}
BENCHMARK(BM_WholeGameUpdate)->Unit(benchmark::kMicrosecond);

constexpr int kFightFrameMs = 16;

void FightFrame() {
  GameUpdate();
  for (int i = FgrsBaseLast + 1; i < kFgrsSlots; i++)
    if (Fgrs.mf[i].status == fgrLaser) Fgrs.mf[i].Sbros();
}

// Two blocks of soldiers, 10 apart inside a block; rows of the second block start `gap` further.
void Battle(int gap) {
  PlayWorld(7, kFightFrameMs);
  for (int i = 0; i < 200; i++) {
    int side = 2 + i / 100, col = 50 + i % 10, row = 50 + (i % 100) / 10 + (side == 3 ? 10 + gap : 0);
    Fgr* u = Fgr_Create(kombi_SoldatAkademii, side, 0);
    if (!u) break;
    u->novorod = 0;
    Fgr_CellMoveTo(u, row * kLandSide + col, 0, 0, 0);
    for (int c : {bcNormHP, bcCaptHP, bcTehnHP}) BoeCnt_Set(&u->UN->cnt, c, 30000, 30000, 0, 0);
    if (gap) u->get_RadiusVis_ = 300;  // sight beyond the guns' reach: everybody searches
  }
  StageReq.EtapLocationNom = 1;
  PassMaps_Rebuild();
  for (int frame = 0; frame < 1000; frame++) FightFrame();
}

void RunFrames(benchmark::State& state, int gap) {
  Battle(gap);
  for (auto _ : state) FightFrame();
  int standing = 0, shooting = 0;
  for (const Fgr& f : Fgrs.mf)
    if (Fgr::IsUnit(&f) && !f.isMort) standing++, shooting += f.P_FireTarg || f.P_AutoTarg;
  state.counters["standing"] = standing;
  state.counters["with_target"] = shooting;
}

void BM_GameUpdate100v100InContact(benchmark::State& state) { RunFrames(state, 0); }
BENCHMARK(BM_GameUpdate100v100InContact)->Unit(benchmark::kMicrosecond);

void BM_GameUpdate100v100Searching(benchmark::State& state) { RunFrames(state, 15); }
BENCHMARK(BM_GameUpdate100v100Searching)->Unit(benchmark::kMicrosecond);

}  // namespace
