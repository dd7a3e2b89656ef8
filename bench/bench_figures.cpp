// Figure container: one full per-frame update over 999 live figures, and one sweep.
#include <benchmark/benchmark.h>

#include "figures/chains.h"
#include "figures/fgrs.h"
#include "world/fgrs_update.h"

namespace {

void FillContainer() {
  Records_ResetPools();
  Fgrs.ResetAll();
  static const int kinds[] = {112, 101, 17, 402, 301, 5, 19, 11, 20, 203};
  for (int i = 0; i < 999; i++) {
    Fgr* f = Fgrs.AddFgr(kinds[i % 10], i < 500);
    if (!f) continue;
    f->active = 1;
    f->baner = 1 + i % 5;
    f->isUnitWork = f->UN->isUse ? 1 : 0;
  }
  // Some chains for the sweep's link check to walk.
  for (int i = 2; i + 1 < 999; i += 10) {
    Fgr* h = &Fgrs.mf[i];
    h->Sub_MetGd_max = 5;
    Fgr_Sub_AddMetGd(h, &Fgrs.mf[i + 1], 0);
  }
  Fgrs.ClearNovorod();
}

void BM_FgrsUpdAll999(benchmark::State& state) {
  FillContainer();
  for (auto _ : state) {
    Fgrs_UpdAll(&Fgrs);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FgrsUpdAll999);

void BM_FgrsSweepDead999(benchmark::State& state) {
  FillContainer();
  for (auto _ : state) {
    Fgrs.SweepDead();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FgrsSweepDead999);

}  // namespace
