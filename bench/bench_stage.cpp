// Save and load of a full stage: 999 figures (500 base, 499 location) with unit records, a land
// holder carrying both floors, the five side records; files on disk, as the game writes them.
//
// Beside the whole save and load, their two halves: the figures turned into bytes in memory (no
// file system) and the bytes alone through the file system (the scratch file, the backup link and
// the renames; the whole files read back). A save is timed twice: back to back, where the files of
// the last save may still be on their way to the disk, and with the disk idle (the files of the
// previous save synced between iterations, untimed), as when saves are seconds apart. Beside the
// load, the load whose check sweeps longest: a holder chain through the whole stage.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "figures/land.h"
#include "figures/stage.h"
#include "figures/stage_scratch.h"
#include "shell/bytebuf.h"
#include "shell/file_save.h"
#include "shell/files.h"
#include "shell/log.h"

namespace {

// The files live in a folder of their own, removed when the benchmarks end.
struct BenchDir {
  std::string path;
  BenchDir() {
    std::error_code ec;
    std::string t = (std::filesystem::temp_directory_path(ec) / "tolv_bench_stage_XXXXXX").string();
    if (!ec && mkdtemp(t.data())) path = t + "/";
  }
  ~BenchDir() {
    std::error_code ec;
    if (!path.empty()) std::filesystem::remove_all(path, ec);
  }
} gDir;

const std::string kName = gDir.path + "bench_stage.etp";
const std::string kLocName = gDir.path + "bench_stage.etp01";

void FullStage() {
  Logger.gsFileLog = gDir.path + "bench_stage_log.txt";
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
  land->landSurf = &Land.LandSurface;
  land->landUnder = &Land.LandUnder;
  for (int i = 0; i < 499; i++) Fgrs.AddFgr(112, 0)->P_FireTarg = &Fgrs.mf[1 + i];
  for (int i = 0; i < kLandCells; i++) Land.LandSurface.kle[i].height = (float)(i % 50);
  StageReq.EtapLocationNom = 1;
}

// The bytes of a part in memory: the writer's whole work without the file system.
char gMem[8 << 20];
long PartToMemory(int base) {
  FILE* m = fmemopen(gMem, sizeof gMem, "w");
  if (!m) return -1;
  if (base) Base_SaveTo(&Fgrs, m, StageReq.EtapLocationNom);
  else Etap_SaveTo(&Fgrs, m);
  long n = ftell(m);
  fclose(m);
  return n;
}

// The bytes of a part as a string, made once before a benchmark's loop.
std::string PartBytes(int base) {
  long n = PartToMemory(base);
  return std::string(gMem, n > 0 ? n : 0);
}

// Makes the files of the last save (and their backups) reach the disk.
void SyncSaved() {
  for (const std::string& n : {kName, kLocName, kName + "_bak", kLocName + "_bak"}) {
    int fd = open(n.c_str(), O_RDONLY);
    if (fd < 0) continue;
    fdatasync(fd);
    close(fd);
  }
}

void BM_StageSave(benchmark::State& state) {
  FullStage();
  for (auto _ : state) benchmark::DoNotOptimize(Etap_Save(kName));
  state.SetBytesProcessed(state.iterations() * (PartToMemory(1) + PartToMemory(0)));
}
BENCHMARK(BM_StageSave)->Unit(benchmark::kMillisecond);

void BM_StageSaveDiskIdle(benchmark::State& state) {
  FullStage();
  Etap_Save(kName);
  for (auto _ : state) {
    state.PauseTiming();
    SyncSaved();
    state.ResumeTiming();
    benchmark::DoNotOptimize(Etap_Save(kName));
  }
}
BENCHMARK(BM_StageSaveDiskIdle)->Unit(benchmark::kMillisecond);

void BM_StageSaveToMemory(benchmark::State& state) {
  FullStage();
  for (auto _ : state) {
    benchmark::DoNotOptimize(PartToMemory(1));
    benchmark::DoNotOptimize(PartToMemory(0));
  }
}
BENCHMARK(BM_StageSaveToMemory)->Unit(benchmark::kMillisecond);

// The same bytes written as a save writes them, without making them.
void BM_StageSaveBytesOnly(benchmark::State& state) {
  FullStage();
  std::string base = PartBytes(1), loc = PartBytes(0);
  for (auto _ : state) {
    for (const auto& [name, bytes] : {std::pair{&kName, &base}, std::pair{&kLocName, &loc}}) {
      FILE* f = FileSave_Begin(*name);
      setvbuf(f, StageIo.gStageFileBuf, _IOFBF, sizeof StageIo.gStageFileBuf);
      fwrite(bytes->data(), 1, bytes->size(), f);
      if (!FileSave_End(f, *name)) state.SkipWithError("not written");
    }
  }
}
BENCHMARK(BM_StageSaveBytesOnly)->Unit(benchmark::kMillisecond);

void BM_StageLoad(benchmark::State& state) {
  FullStage();
  Etap_Save(kName);
  for (auto _ : state) {
    if (!EtapFile_Load(kName)) state.SkipWithError("load refused");
  }
}
BENCHMARK(BM_StageLoad)->Unit(benchmark::kMillisecond);

// The full stage with its figures hanging each on the next against the sweep's order, the last
// on an empty slot: every sweep after the load resets one more, so the load's check sweeps once a
// figure. The land holder (base slot 500) and a soldier (location slot 501) stay, so the stage is
// taken; base slot 1 is the empty one, and the other 996 figures make the chain.
void HolderChainStage() {
  FullStage();
  Fgrs.mf[1].Sbros();
  for (int i = 2; i < kFgrsSlots - 1; i++) {
    if (i == FgrsBaseLast || i == FgrsBaseLast + 1) continue;
    Fgrs.mf[i].pParent = &Fgrs.mf[i + 1 == FgrsBaseLast ? FgrsBaseLast + 2 : i + 1];
  }
  Fgrs.mf[kFgrsSlots - 1].pParent = &Fgrs.mf[1];
}

void BM_StageLoadHolderChain(benchmark::State& state) {
  HolderChainStage();
  if (!Etap_Save(kName)) state.SkipWithError("not saved");
  for (auto _ : state) {
    if (!EtapFile_Load(kName)) state.SkipWithError("load refused");
  }
}
BENCHMARK(BM_StageLoadHolderChain)->Unit(benchmark::kMillisecond);

// The reading, checking and taking of both parts from memory, without the file system.
void BM_StageLoadFromMemory(benchmark::State& state) {
  FullStage();
  std::string base = PartBytes(1), loc = PartBytes(0);
  for (auto _ : state) {
    FILE* b = fmemopen(base.data(), base.size(), "r");
    FILE* l = fmemopen(loc.data(), loc.size(), "r");
    if (!Stage_LoadPair(b, l)) state.SkipWithError("load refused");
    fclose(b);
    fclose(l);
  }
}
BENCHMARK(BM_StageLoadFromMemory)->Unit(benchmark::kMillisecond);

// Both files read whole, each with one read: what a load cannot do without.
void BM_StageLoadBytesOnly(benchmark::State& state) {
  FullStage();
  Etap_Save(kName);
  for (auto _ : state) {
    for (const std::string* name : {&kName, &kLocName}) {
      ByteBuf b;
      if (!FileReadWhole(&b, *name, 64 << 20, 0)) state.SkipWithError("not read");
      benchmark::DoNotOptimize(b.data);
    }
  }
}
BENCHMARK(BM_StageLoadBytesOnly)->Unit(benchmark::kMillisecond);

}  // namespace
