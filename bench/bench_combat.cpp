// Combat: one game frame of 100 units of each of two sides, in contact (every unit fighting) and
// apart (every unit searching the 100 enemies its side sees, none in reach). The frame is the
// fighting part of the game update: the area queue emptied, the container's update (counters,
// marks, area posts, the sides' lists), then each unit's attack and area step; the beams a frame
// makes are taken away again, as their timers would.
#include <benchmark/benchmark.h>

#include <cstring>

#include "figures/chains.h"
#include "figures/fgrs.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "gm/fa_proc_env.h"
#include "render/area_queue.h"
#include "shell/frame_clock.h"
#include "shell/log.h"
#include "shell/random.h"
#include "world/combat.h"
#include "world/fgrs_update.h"

namespace {

Fgr* Fighter(int side, float x, float z) {
  Fgr* u = Fgrs.AddFgr(fgrUnitPeh, 1);
  Fgr* g = Fgrs.AddFgr(fgrDetUnitGun, 1);
  if (!u || !g) return nullptr;
  u->active = g->active = 1;
  u->novorod = g->novorod = 0;
  u->isUnitWork = 1, g->isUnitWork = 2;
  u->UN->mortal = 1;
  u->UN->ExpRang = 1;
  u->baner = side;
  u->priv_position_x = x, u->priv_position_z = z;
  u->haf = 5.0f;
  u->PafLay = 1;
  u->NormAtakTarget = 1;
  u->FindAutoTarg = 1;
  u->useNormHP = 1;
  u->focusFire = 2;
  u->Sub_UseGun_max = 1;
  BoeCnt_Set(&u->UN->cnt, bcNormHP, 30000, 30000, 0, 0);
  BoeCnt_Set(&u->UN->cnt, bcHot, 100, 100, 0, 0);
  for (int s = 1; s <= kSides; s++) u->VidSide[s] = s != side;
  g->detPlace = 2;
  g->get_RadiusVis_ = 100;
  g->waitFull = 1000;
  Sta_Add(&g->item->sta, bcNormHP, 1, 1, 1, 1);
  FKu_Add(&g->item->fku, bcNormHP, 1, 20, 1, 0, 60, 1);
  FKu_Add(&u->UN->fku, bcNormHP, 3, -10, 1, 0, 50, 1);
  Fgr_Sub_AddUseGun(u, g);
  return u;
}

// Two blocks of 10 x 10 units, 10 apart inside a block; `gap` between the blocks' facing rows.
void Battle(float gap) {
  gsFileLog = "/tmp/tolv_bench_combat_log.txt";
  Records_ResetPools();
  Fgrs.ResetAll();
  memset(SideTab, 0, sizeof SideTab);
  for (int k = 0; k < kSides; k++) SideTab[k][kSideId] = k + 1;
  PlayerSide = 2;
  EditModeOn = 0;
  KadrStep = 16;
  RandSeed(7);
  for (int i = 0; i < 100; i++) {
    float x = 500.0f + (i % 10) * 10.0f, z = 500.0f + (i / 10) * 10.0f;
    Fighter(2, x, z);
    Fighter(3, x, z + 90.0f + gap);
  }
}

void Frame() {
  GameMs += KadrStep;
  DecalQueue.count = 0;
  for (auto& rec : SideTab) rec[kSideSeenCount] = rec[kSideOwnCount] = 0;
  Fgrs_UpdAll(&Fgrs);
  for (Fgr& f : Fgrs.mf)
    if (f.isUnitWork == 1 && f.Active() && !f.isMort) {
      Boe_Attack(&f);
      Boe_AreaStep(&f);
    }
  for (int i = FgrsBaseLast + 1; i < kFgrsSlots; i++)
    if (Fgrs.mf[i].status == fgrLaser) Fgrs.mf[i].Sbros();
}

void RunFrames(benchmark::State& state, float gap) {
  Battle(gap);
  for (int i = 0; i < 2000; i++) Frame();  // past the hit log's message cap, into a steady fight
  for (auto _ : state) {
    Frame();
    benchmark::ClobberMemory();
  }
  std::remove(gsFileLog.c_str());
}

void BM_GameFrame100v100InContact(benchmark::State& state) { RunFrames(state, 0.0f); }
BENCHMARK(BM_GameFrame100v100InContact)->Unit(benchmark::kMicrosecond);

void BM_GameFrame100v100Searching(benchmark::State& state) { RunFrames(state, 400.0f); }
BENCHMARK(BM_GameFrame100v100Searching)->Unit(benchmark::kMicrosecond);

}  // namespace
