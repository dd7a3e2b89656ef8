// The editor's frames over play's: the game run headless from a copy of the shipped data, 600 frames
// after the start screen's Editor button (the new world, whose tile textures and colour map the
// editor refreshes every 500 ms) against 600 frames after its PlayTest button (the shipped stage
// played), one after the other in each iteration and so under the same load. A run of each that
// closes one frame after its button is taken off its time, so that what is compared is the 600
// frames (start-up, the new world and the stage's load aside). The editor also runs a script that
// changes one cell every 25 frames (500 ms of the script's clock): the sea and the pit by turns on
// the same cell. An iteration runs each of the five once; counters, medians over the iterations,
// pair by pair:
//   x_play        the editor's 600 frames over play's, wall time
//   x_play_edits  ... with one cell changed every 500 ms
//   x_play_cpu, x_play_edits_cpu  the same in CPU time (every thread of the run: the renderer's too)
//   play_ms, editor_ms, edits_ms  the 600 frames' wall times
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>

#include "game_runs.h"

namespace {

using namespace bench;

constexpr int kFrames = 600;
constexpr int kEditEvery = 25;

// The start screen's buttons and the editor's palette and field at 800 x 600 (window pixels from
// the top left): the settings' window-size question is answered No.
const char* const kStart = "answer no\nwait 3\n";
const char* const kPlayTest = "click left 750 124\n";
const char* const kEditor = "click left 750 145\n";
const char* const kTool[2] = {"click left 41 402\n", "click left 119 402\n"};  // sea, pit
const char* const kField = "click right 500 350\n";

struct Timed {
  double wallMs = 0, cpuMs = 0;
  bool ok = false;
};

Timed RunTimed(Env& env, const posix_spawn_file_actions_t* acts) {
  Timed t;
  char* argv[] = {const_cast<char*>(TOLV_BIN), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, TOLV_BIN, acts, nullptr, argv, env.ptrs.data()) != 0) return t;
  int status = 0;
  rusage use{};
  if (wait4(pid, &status, 0, &use) != pid) return t;
  t.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  auto ms = [](const timeval& v) { return v.tv_sec * 1000.0 + v.tv_usec / 1000.0; };
  t.cpuMs = ms(use.ru_utime) + ms(use.ru_stime);
  t.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return t;
}

void BM_EditorFramesOverPlay(benchmark::State& state) {
  const fs::path dir = DataCopy("editor_frames_data");
  std::string edits = std::string(kStart) + kEditor + "wait 1\n";
  for (int f = 0; f < kFrames; f += kEditEvery)  // the tool, a frame, the cell: 4 frames of the 25
    edits += std::string(kTool[f / kEditEvery % 2]) + "wait 1\n" + kField + "wait " +
             std::to_string(kEditEvery - 4) + "\n";
  const std::string scripts[5][2] = {
      {"play.txt", std::string(kStart) + kPlayTest + "wait " + std::to_string(kFrames) + "\nclose\n"},
      {"play0.txt", std::string(kStart) + kPlayTest + "close\n"},
      {"editor.txt", std::string(kStart) + kEditor + "wait " + std::to_string(kFrames) + "\nclose\n"},
      {"editor0.txt", std::string(kStart) + kEditor + "close\n"},
      {"edits.txt", edits + "close\n"},
  };
  std::vector<Env> envs;
  for (const auto& s : scripts) {
    std::ofstream(dir / s[0]) << s[1];
    envs.emplace_back(std::initializer_list<std::string>{"TOLV_VIDEO=headless", "TOLV_SCRIPT=" + s[0]});
  }
  posix_spawn_file_actions_t acts;
  StartIn(&acts, dir);
  std::vector<double> ratio, ratioEdits, ratioCpu, ratioEditsCpu, playMs, editorMs, editsMs;
  for (auto _ : state) {
    Timed t[5];
    bool ok = true;
    for (int i = 0; i < 5; i++) ok = (t[i] = RunTimed(envs[i], &acts)).ok && ok;
    if (!ok) {
      state.SkipWithError("a run of the game failed");
      break;
    }
    const double play = t[0].wallMs - t[1].wallMs, editor = t[2].wallMs - t[3].wallMs,
                 withEdits = t[4].wallMs - t[3].wallMs;
    const double playCpu = t[0].cpuMs - t[1].cpuMs;
    state.SetIterationTime(editor / 1000);
    ratio.push_back(editor / play);
    ratioEdits.push_back(withEdits / play);
    ratioCpu.push_back((t[2].cpuMs - t[3].cpuMs) / playCpu);
    ratioEditsCpu.push_back((t[4].cpuMs - t[3].cpuMs) / playCpu);
    playMs.push_back(play);
    editorMs.push_back(editor);
    editsMs.push_back(withEdits);
  }
  posix_spawn_file_actions_destroy(&acts);
  state.counters["x_play"] = Median(ratio);
  state.counters["x_play_edits"] = Median(ratioEdits);
  state.counters["x_play_cpu"] = Median(ratioCpu);
  state.counters["x_play_edits_cpu"] = Median(ratioEditsCpu);
  state.counters["play_ms"] = Median(playMs);
  state.counters["editor_ms"] = Median(editorMs);
  state.counters["edits_ms"] = Median(editsMs);
}
BENCHMARK(BM_EditorFramesOverPlay)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace
