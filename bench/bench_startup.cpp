// Start-up to the first frame: the game run headless from a copy of the shipped data, from the
// process start to its first frame drawn (a preloaded library finishes the frame at the first
// buffer swap, ends the process there and reports its peak resident memory: the rusage of a child
// counts the memory of this process too).
// The time includes starting the process, reading the settings, texts, key commands, fonts and
// textures, making the off-screen surface and drawing the start screen's first frame.
//
// Beside each run of the game, in the same iteration and so under the same load, run the baseline
// (bench/startup_baseline.cpp: the platform layer's headless surface alone, cleared and swapped
// once) and a start-then-close run of the game (the close message before any frame). The counters
// are medians over the iterations:
//   base_ms        the baseline's start to its first frame
//   x_base         the game's time over the baseline's, pair by pair
//   peak_MiB       the game's peak resident memory up to its first frame
//   base_peak_MiB  the baseline's
//   over_MiB       peak_MiB - base_peak_MiB, pair by pair
//   close_over_MiB the start-then-close run's peak over the baseline's
// crafted:1 starts the game on a long coloured-word list instead: 9,999 words that share their
// beginnings, and the about text (the box the first frame colours) opening with a row of 100,000
// characters made of them. crafted:2 the same with 9,999 distinct words of 4,000 bytes each (a
// list of 40 MB), which part at their first three bytes, each with a colour code of one letter.
// Beside each such run the shipped start runs too:
//   x_shipped        the crafted start's time over the shipped start's, pair by pair
//   over_shipped_MiB the crafted start's peak over the shipped start's, pair by pair
#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "game_runs.h"

namespace {

using namespace bench;

// The copy's coloured words become the given ones, each with colour codes of its length (or of
// one letter, which the reader pads by at most 333), and its about text opens with a row of 100,000
// characters: those words, every one a separate token, and the shipped words.
void CraftWords(const fs::path& dir, const std::vector<std::string>& words, bool fullCodes) {
  std::string list = "Coloured words, crafted\n";
  for (size_t i = 0; i < words.size(); i++) {
    const std::string codes(fullCodes ? words[i].size() : 1, "cdq"[i % 3]);
    list += "//---\n0\n" + words[i] + "\n" + codes + "\n";
  }
  std::ofstream(dir / "uni_files" / "res" / "paintword.txt", std::ios::binary) << list;
  static const char* const kGlue[] = {" ", "(", ".", " return ", "; int "};
  std::string row;
  for (size_t i = 0; row.size() < 100000; i++) row += words[i * 7 % words.size()] + kGlue[i % 5];
  row.resize(100000);
  std::ifstream in(dir / "_about_.txt", std::ios::binary);
  const std::string about((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::ofstream(dir / "_about_.txt", std::ios::binary | std::ios::trunc) << row << "\n" << about;
}

// 9,999 words on three shared stems.
std::vector<std::string> StemWords() {
  static const char* const kStems[] = {"PaintWord_", "PaintWord", "Paint"};
  std::vector<std::string> words;
  for (int i = 0; i < 9999; i++) {
    std::string w = kStems[i % 3];
    for (int n = i + 1; n > 0; n /= 26) w += (char)('a' + n % 26);
    words.push_back(w);
  }
  return words;
}

// 9,999 distinct words of 4,000 letters: three letters of their number, then letters of a fixed
// pseudo-random sequence.
std::vector<std::string> LongWords() {
  std::vector<std::string> words;
  uint32_t state = 1;
  for (int i = 0; i < 9999; i++) {
    std::string w;
    for (int n = i, k = 0; k < 3; k++, n /= 26) w += (char)('a' + n % 26);
    while (w.size() < 4000) {
      state = state * 214013u + 2531011u;
      w += (char)('a' + (state >> 16) % 26);
    }
    words.push_back(w);
  }
  return words;
}

struct RunResult {
  double ms = 0;
  double peakMiB = 0;
  bool ok = false;
};

RunResult RunOnce(const char* bin, Env& env, const posix_spawn_file_actions_t* acts,
                  const fs::path& peakFile) {
  RunResult r;
  fs::remove(peakFile);
  char* argv[] = {const_cast<char*>(bin), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, bin, acts, nullptr, argv, env.ptrs.data()) != 0) return r;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return r;
  r.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  long kb = -1;
  std::ifstream(peakFile) >> kb;
  r.peakMiB = kb / 1024.0;
  r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && kb > 0;
  return r;
}

void BM_StartupToFirstFrame(benchmark::State& state) {
  const bool crafted = state.range(0) != 0;
  const fs::path dir = DataCopy("startup_data");
  const fs::path craftedDir = crafted ? DataCopy("startup_crafted") : fs::path();
  if (state.range(0) == 1) CraftWords(craftedDir, StemWords(), true);
  if (state.range(0) == 2) CraftWords(craftedDir, LongWords(), false);
  const std::string closeScript = (dir / "close.txt").string();
  std::ofstream(closeScript) << "close\n";
  const std::string preload = std::string("LD_PRELOAD=") + TOLV_FIRST_SWAP_LIB;
  const fs::path peakFile = dir / "peak.txt";
  const std::string peakVar = "TOLV_PEAK_FILE=" + peakFile.string();
  Env firstFrame({"TOLV_VIDEO=headless", preload, peakVar});
  Env startClose({"TOLV_VIDEO=headless", "TOLV_SCRIPT=" + closeScript, preload, peakVar});
  posix_spawn_file_actions_t acts, craftedActs;
  StartIn(&acts, dir);
  StartIn(&craftedActs, crafted ? craftedDir : dir);
  std::vector<double> baseMs, ratio, peak, basePeak, over, closeOver, shippedRatio, shippedOver;
  for (auto _ : state) {
    const RunResult game = RunOnce(TOLV_BIN, firstFrame, &craftedActs, peakFile);
    const RunResult shipped = crafted ? RunOnce(TOLV_BIN, firstFrame, &acts, peakFile) : game;
    const RunResult base = RunOnce(TOLV_BASELINE_BIN, firstFrame, &acts, peakFile);
    const RunResult closed = RunOnce(TOLV_BIN, startClose, &acts, peakFile);
    if (!game.ok || !shipped.ok || !base.ok || !closed.ok) {
      state.SkipWithError(!game.ok || !shipped.ok ? "the game did not reach its first frame"
                          : !base.ok              ? "the baseline did not reach its first frame"
                                                  : "the start-then-close run failed");
      break;
    }
    state.SetIterationTime(game.ms / 1000);
    baseMs.push_back(base.ms);
    ratio.push_back(game.ms / base.ms);
    peak.push_back(game.peakMiB);
    basePeak.push_back(base.peakMiB);
    over.push_back(game.peakMiB - base.peakMiB);
    closeOver.push_back(closed.peakMiB - base.peakMiB);
    shippedRatio.push_back(game.ms / shipped.ms);
    shippedOver.push_back(game.peakMiB - shipped.peakMiB);
  }
  posix_spawn_file_actions_destroy(&acts);
  posix_spawn_file_actions_destroy(&craftedActs);
  state.counters["base_ms"] = Median(baseMs);
  state.counters["x_base"] = Median(ratio);
  state.counters["peak_MiB"] = Median(peak);
  state.counters["base_peak_MiB"] = Median(basePeak);
  state.counters["over_MiB"] = Median(over);
  state.counters["close_over_MiB"] = Median(closeOver);
  if (crafted) {
    state.counters["x_shipped"] = Median(shippedRatio);
    state.counters["over_shipped_MiB"] = Median(shippedOver);
  }
}
BENCHMARK(BM_StartupToFirstFrame)
    ->ArgName("crafted")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

}  // namespace
