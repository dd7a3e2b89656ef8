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
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A copy of the shipped data in the build tree, made afresh for each run of the benchmark.
fs::path DataCopy() {
  const fs::path src = TOLV_SOURCE_DIR, dir = fs::path(TOLV_BENCH_DIR) / "startup_data";
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::copy(src / "uni_files", dir / "uni_files", fs::copy_options::recursive);
  fs::copy_file(src / "_about_.txt", dir / "_about_.txt");
  fs::copy(src / "Maps", dir / "Maps", fs::copy_options::recursive);
  return dir;
}

// The environment of a headless run: ours without the knobs of the platform layer, the preloads
// and the display, then the given additions.
struct Env {
  std::vector<std::string> vars;
  std::vector<char*> ptrs;
  explicit Env(std::initializer_list<std::string> add) {
    for (char** e = environ; *e; ++e) {
      std::string v = *e;
      if (v.rfind("TOLV_", 0) != 0 && v.rfind("LD_PRELOAD=", 0) != 0 && v.rfind("DISPLAY=", 0) != 0)
        vars.push_back(v);
    }
    vars.insert(vars.end(), add);
    for (std::string& v : vars) ptrs.push_back(v.data());
    ptrs.push_back(nullptr);
  }
};

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

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void BM_StartupToFirstFrame(benchmark::State& state) {
  const fs::path dir = DataCopy();
  const std::string closeScript = (dir / "close.txt").string();
  std::ofstream(closeScript) << "close\n";
  const std::string preload = std::string("LD_PRELOAD=") + TOLV_FIRST_SWAP_LIB;
  const fs::path peakFile = dir / "peak.txt";
  const std::string peakVar = "TOLV_PEAK_FILE=" + peakFile.string();
  Env firstFrame({"TOLV_VIDEO=headless", preload, peakVar});
  Env startClose({"TOLV_VIDEO=headless", "TOLV_SCRIPT=" + closeScript, preload, peakVar});
  posix_spawn_file_actions_t acts;
  posix_spawn_file_actions_init(&acts);
  posix_spawn_file_actions_addchdir_np(&acts, dir.c_str());
  posix_spawn_file_actions_addopen(&acts, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&acts, 2, "/dev/null", O_WRONLY, 0);
  std::vector<double> baseMs, ratio, peak, basePeak, over, closeOver;
  for (auto _ : state) {
    const RunResult game = RunOnce(TOLV_BIN, firstFrame, &acts, peakFile);
    const RunResult base = RunOnce(TOLV_BASELINE_BIN, firstFrame, &acts, peakFile);
    const RunResult closed = RunOnce(TOLV_BIN, startClose, &acts, peakFile);
    if (!game.ok || !base.ok || !closed.ok) {
      state.SkipWithError(!game.ok   ? "the game did not reach its first frame"
                          : !base.ok ? "the baseline did not reach its first frame"
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
  }
  posix_spawn_file_actions_destroy(&acts);
  state.counters["base_ms"] = Median(baseMs);
  state.counters["x_base"] = Median(ratio);
  state.counters["peak_MiB"] = Median(peak);
  state.counters["base_peak_MiB"] = Median(basePeak);
  state.counters["over_MiB"] = Median(over);
  state.counters["close_over_MiB"] = Median(closeOver);
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
