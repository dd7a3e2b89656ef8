// Speed of the platform layer's per-frame and per-text work: text conversion at the edge, script
// parsing, and the headless message pump as the main loop calls it.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/internal.h"
#include "platform/script.h"

static std::string Sample1251(size_t n) {
  std::string s;
  for (size_t i = 0; i < n; i++) s.push_back((char)(i % 7 == 0 ? '\n' : 0xC0 + (i % 64)));
  return s;
}

static void BM_1251ToUtf8(benchmark::State& state) {
  std::string s = Sample1251(64 * 1024);
  for (auto _ : state) benchmark::DoNotOptimize(Plat_Utf8From1251(s));
  state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)s.size());
}
BENCHMARK(BM_1251ToUtf8);

static void BM_Utf8To1251(benchmark::State& state) {
  std::string u = Plat_Utf8From1251(Sample1251(64 * 1024));
  for (auto _ : state) benchmark::DoNotOptimize(Plat_1251FromUtf8(u));
  state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)u.size());
}
BENCHMARK(BM_Utf8To1251);

static void BM_ScriptParse10kLines(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 2000; i++) text += "wait 2\nkey A\nclick left 10 20\ntype hello\nanswer yes\n";
  for (auto _ : state) {
    Script s;
    Script_Clear(&s);
    Script_ParseText(&s, text);
    benchmark::DoNotOptimize(s.cmds.size());
  }
}
BENCHMARK(BM_ScriptParse10kLines);

// One empty look at the queue plus one frame, as a headless main-loop pass without input.
static void BM_HeadlessPassWithoutInput(benchmark::State& state) {
  Plat_Shutdown();
  setenv("TOLV_VIDEO", "headless", 1);
  unsetenv("TOLV_SCRIPT");
  Plat_Init();
  PlatMsg m;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Plat_PeekMessage(&m));
    benchmark::DoNotOptimize(Plat_KeyIsDown('A'));
  }
  Plat_Shutdown();
}
BENCHMARK(BM_HeadlessPassWithoutInput);
