// Runs of the game itself for the benchmarks: a copy of the shipped data in the build tree, and the
// headless runs spawned in it with an environment of their own, their output thrown away.
#pragma once

#include <fcntl.h>
#include <spawn.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

extern char** environ;

namespace bench {

namespace fs = std::filesystem;

// A copy of the shipped data in the build tree, made afresh for each run of the benchmark.
inline fs::path DataCopy(const char* name) {
  const fs::path src = TOLV_SOURCE_DIR, dir = fs::path(TOLV_BENCH_DIR) / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::copy(src / "uni_files", dir / "uni_files", fs::copy_options::recursive);
  fs::copy_file(src / "_about_.txt", dir / "_about_.txt");
  fs::copy(src / "Maps", dir / "Maps", fs::copy_options::recursive);
  return dir;
}

// The runs start in dir, with their output thrown away.
inline void StartIn(posix_spawn_file_actions_t* acts, const fs::path& dir) {
  posix_spawn_file_actions_init(acts);
  posix_spawn_file_actions_addchdir_np(acts, dir.c_str());
  posix_spawn_file_actions_addopen(acts, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(acts, 2, "/dev/null", O_WRONLY, 0);
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

inline double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace bench
