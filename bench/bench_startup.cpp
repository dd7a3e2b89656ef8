// Start-up to the first frame: the game run headless from a copy of the shipped data, from the
// process start to the end of its first buffer swap (a preloaded library ends the process there).
// The time includes starting the process, reading the settings, texts, key commands, fonts and
// textures, making the off-screen surface and drawing the start screen's first frame.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
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

void BM_StartupToFirstFrame(benchmark::State& state) {
  const fs::path dir = DataCopy();
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    std::string v = *e;
    if (v.rfind("TOLV_", 0) != 0 && v.rfind("LD_PRELOAD=", 0) != 0 && v.rfind("DISPLAY=", 0) != 0) env.push_back(v);
  }
  env.push_back("TOLV_VIDEO=headless");
  env.push_back(std::string("LD_PRELOAD=") + TOLV_FIRST_SWAP_LIB);
  std::vector<char*> envp;
  for (std::string& v : env) envp.push_back(v.data());
  envp.push_back(nullptr);
  char bin[] = TOLV_BIN;
  char* argv[] = {bin, nullptr};
  posix_spawn_file_actions_t acts;
  posix_spawn_file_actions_init(&acts);
  posix_spawn_file_actions_addchdir_np(&acts, dir.c_str());
  posix_spawn_file_actions_addopen(&acts, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&acts, 2, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, bin, &acts, nullptr, argv, envp.data()) != 0 || waitpid(pid, &status, 0) != pid ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the run did not reach its first frame");
      break;
    }
  }
  posix_spawn_file_actions_destroy(&acts);
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
