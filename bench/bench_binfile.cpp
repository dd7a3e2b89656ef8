// Binary write and read of 1000 figure-sized records (about 2 KB each): the word-range transfer the
// stage files use for a figure's properties, and the value-by-value form for comparison.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "shell/binfile.h"

namespace {

constexpr int kRecords = 1000;

struct Record {
  char name[12];
  int iv[400];
  float fv[110];
};

Record records[kRecords];

void Prepare() {
  for (int r = 0; r < kRecords; ++r) {
    Name12_Set(records[r].name, "figure");
    for (int i = 0; i < 400; ++i) records[r].iv[i] = r * 400 + i;
    for (int i = 0; i < 110; ++i) records[r].fv[i] = static_cast<float>(i) * 0.5f;
  }
}

void WriteAll(FILE* f, bool byValue) {
  CountBlock cb;
  CountBlock_Begin(&cb, f);
  for (Record& rec : records) {
    Name12_Write(rec.name, f);
    if (byValue) {
      IntArrWrite(&rec.iv[0], &rec.iv[399], f, 400);
      FloArrWrite(&rec.fv[0], &rec.fv[109], f, 110);
    } else {
      IntWriteMem2(&rec.iv[0], &rec.iv[399], f);
      FloWriteMem2(&rec.fv[0], &rec.fv[109], f);
    }
    CountBlock_Inc(&cb);
  }
  CountBlock_End(&cb, f);
}

void ReadAll(FILE* f, bool byValue) {
  int count = 0;
  IntRead(&count, f);
  for (int r = 0; r < count && r < kRecords; ++r) {
    Record& rec = records[r];
    Name12_Read(rec.name, f);
    if (byValue) {
      IntArrRead(&rec.iv[0], &rec.iv[399], f, 400);
      FloArrRead(&rec.fv[0], &rec.fv[109], f, 110);
    } else {
      IntReadToMem2(&rec.iv[0], &rec.iv[399], f);
      FloReadToMem2(&rec.fv[0], &rec.fv[109], f);
    }
  }
}

void RoundTrip(benchmark::State& state) {
  const bool byValue = state.range(0) != 0;
  Prepare();
  const char* path = "bench_binfile.bin";
  for (auto _ : state) {
    FILE* f = std::fopen(path, "wb");
    WriteAll(f, byValue);
    std::fclose(f);
    f = std::fopen(path, "rb");
    ReadAll(f, byValue);
    std::fclose(f);
    benchmark::DoNotOptimize(records[kRecords - 1].iv[399]);
  }
  std::remove(path);
  state.SetBytesProcessed(state.iterations() * 2 * static_cast<int64_t>(sizeof(Record)) * kRecords);
}

}  // namespace

BENCHMARK(RoundTrip)->Arg(0)->Arg(1)->ArgName("byValue")->Unit(benchmark::kMillisecond);
