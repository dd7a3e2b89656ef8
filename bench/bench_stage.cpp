// Save and load of a full stage: 999 figures (500 base, 499 location) with unit records, a land
// holder carrying both floors, the five side records; files on disk, as the game writes them.
#include <benchmark/benchmark.h>

#include <string>

#include "figures/stage.h"
#include "figures/stage_scratch.h"
#include "shell/log.h"
#include "figures/land.h"

namespace {

const std::string kName = "bench_stage.etp";

void FullStage() {
  gsFileLog = "bench_stage_log.txt";
  Records_ResetPools();
  Fgrs.ResetAll();
  for (int i = 0; i < 499; i++) {
    Fgr* f = Fgrs.AddFgr(112, 1);
    f->zap015 = i;
    Fgr_SetItemName(f, "Unit" + std::to_string(i));
    BoeCnt_Set(&f->UN->cnt, 1, 50, 100, 0, 200);
    FKu_Add(&f->UN->fku, 3, 2, 40, 0, 1, 50, 2);
  }
  Fgr* land = Fgrs.AddFgr(13, 1);
  land->landSurf = &LandSurface;
  land->landUnder = &LandUnder;
  for (int i = 0; i < 499; i++) Fgrs.AddFgr(112, 0)->P_FireTarg = &Fgrs.mf[1 + i];
  for (int i = 0; i < kLandCells; i++) LandSurface.kle[i].height = (float)(i % 50);
  EtapLocationNom = 1;
}

void BM_StageSave(benchmark::State& state) {
  FullStage();
  for (auto _ : state) benchmark::DoNotOptimize(Etap_Save(kName));
}
BENCHMARK(BM_StageSave)->Unit(benchmark::kMillisecond);

void BM_StageLoad(benchmark::State& state) {
  FullStage();
  Etap_Save(kName);
  for (auto _ : state) {
    if (!EtapFile_Load(kName)) state.SkipWithError("load refused");
  }
}
BENCHMARK(BM_StageLoad)->Unit(benchmark::kMillisecond);

}  // namespace
