// Speed of the text line readers over a settings-like CR LF text, and of the formatter.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "shell/text.h"

namespace {
// n useful lines, each after a comment and an empty line, with CR LF ends.
std::string MakeTable(int n) {
  std::string s;
  for (int i = 0; i < n; i++) {
    s += "// entry " + std::to_string(i) + "\r\n\r\n";
    s += "  " + std::to_string(i) + " 0.5 1.25 name_" + std::to_string(i) + " \r\n";
  }
  return s;
}

void BM_TextReadLine(benchmark::State& state) {
  std::string text = MakeTable((int)state.range(0));
  int lines = 0;
  for (auto _ : state) {
    std::istringstream in(text);
    std::string line;
    while (TextReadLine(line, in)) lines++;
    benchmark::DoNotOptimize(line);
  }
  state.SetItemsProcessed(lines);
  state.SetBytesProcessed((int64_t)text.size() * state.iterations());
}
BENCHMARK(BM_TextReadLine)->Arg(1000)->Arg(10000);

void BM_TextReadLiveLine(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < state.range(0); i++)
    text += "comment " + std::to_string(i) + "\r\n*/\r\nlive line " + std::to_string(i) + "\r\n";
  int lines = 0;
  for (auto _ : state) {
    std::istringstream in(text);
    std::string line;
    while (TextReadLiveLine(line, in)) lines++;
    benchmark::DoNotOptimize(line);
  }
  state.SetItemsProcessed(lines);
}
BENCHMARK(BM_TextReadLiveLine)->Arg(10000);

void BM_TextJoinContinued(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 1000; i++) text += " part " + std::to_string(i) + " \\\r\n";
  text += "end\r\n";
  for (auto _ : state) {
    std::istringstream in(text);
    std::string line = "start \\";
    TextJoinContinued(line, in);
    benchmark::DoNotOptimize(line);
  }
}
BENCHMARK(BM_TextJoinContinued);

void BM_StrFmt(benchmark::State& state) {
  for (auto _ : state) {
    std::string s = StrFmt("\nerr: %s %d %.3f", "priv_AddFgr", 499, 0.25);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_StrFmt);
}  // namespace
