// The whole program run headless in a scratch copy of the shipped data, driven by a script.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "picture.h"
#include "test_files.h"

namespace fs = std::filesystem;

constexpr int kHung = 137;         // what Run answers for a run it had to kill
constexpr int kOtherUser = 65534;  // "nobody", who runs the game where a test is root
constexpr int kHangMs = 240000;    // a run that takes longer hangs (far beyond the slowest busy run)

// The screens' fixed buttons at 800 x 600, as a script gives window pixels (top-left origin): the
// start screen's command column (open and save the text with the caret, PlayTest, Editor), play's
// top strip (Esc, spe, the pause button) and stage buttons, the editor's save button above its
// palette, and a place for the cursor where it hides nothing.
namespace at800 {
inline const char* const kOpen = "750 40";
inline const char* const kTextSave = "750 61";
inline const char* const kPlayTest = "750 124";
inline const char* const kEditor = "750 145";
inline const char* const kEsc = "684 12";
inline const char* const kSpe = "712 12";
inline const char* const kPause = "604 39";
inline const char* const kSaveTest2 = "40 530";
inline const char* const kLoadTest2 = "40 551";
inline const char* const kEditorSave = "48 368";
inline const char* const kAway = "500 580";

// A script's click of the button at a point, then frames drawn; a shot with the cursor away (or at
// a point).
inline std::string Click(const char* button, const char* at, int wait = 1) {
  return std::string("click ") + button + " " + at + "\nwait " + std::to_string(wait) + "\n";
}
// The answer of the next file dialog, then a click of the button that opens it.
inline std::string FileBy(const std::string& file, const char* button, int wait = 1) {
  return "file " + file + "\n" + Click("left", button, wait);
}
inline std::string Shot(const char* name, const char* at = kAway) {
  return std::string("move ") + at + "\nwait 2\nshot " + name + "\n";
}
}  // namespace at800

// The run's screenshot dir/<name>.bmp against tests/app/golden/<name>_<w>x<h>.png of its size,
// pixel for pixel: a scripted run keeps the script's clock, so it draws the same frame on any
// machine (TOLV_UPDATE_GOLDEN=1 rewrites the golden picture). On a failure the difference image is
// written beside the shot as <name>_diff.png.
inline void ExpectGolden(const fs::path& dir, const std::string& name) {
  const Picture shot = ReadBmp((dir / (name + ".bmp")).string());
  ASSERT_GT(shot.w, 0) << name;
  const std::string golden = std::string(TOLV_SOURCE_DIR) + "/tests/app/golden/" + name + "_" +
                             std::to_string(shot.w) + "x" + std::to_string(shot.h) + ".png";
  if (std::getenv("TOLV_UPDATE_GOLDEN")) {
    ASSERT_TRUE(WritePng(golden, shot));
  }
  const Picture want = ReadPng(golden);
  ASSERT_GT(want.w, 0) << "no golden picture " << golden;
  Picture diff;
  const int n = PicDiff(shot, want, 0, &diff);
  if (n > 0) WritePng((dir / (name + "_diff.png")).string(), diff);
  EXPECT_EQ(n, 0) << name << ": differing pixels; see " << dir;
}

class AppRun : public ::testing::Test {
 protected:
  fs::path dir;
  int niceness = 0;  // the niceness a run starts with, as a user's nice would give it
  // The largest file a run may write, as a shell's `ulimit -f` sets it (none by default).
  rlim_t fileSizeLimit = RLIM_INFINITY;
  int runAs = -1;  // the user a run starts as; -1: this process's own

  void SetUp() override { FreshData(); }
  void TearDown() override {
    std::error_code ec;
    if (runAs >= 0) fs::remove_all(dir, ec);
  }

  // Runs start as another user where this process is root, who may write any file (a file the user
  // may not write is so only for another user): the data moves to the system's temporary folder,
  // which every user reaches wherever the build stands, and becomes that user's at each start.
  void RunAsAnotherUser() {
    if (geteuid() != 0) return;
    runAs = kOtherUser;
    dir = fs::temp_directory_path() / ("tolv_run_" + TestName() + "_" + std::to_string(getpid()));
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    CopyShippedData(dir);
  }

  // A new scratch copy of the shipped data.
  void FreshData() {
    dir = TestScratchDir("run_");
    CopyShippedData(dir);
  }

  // Runs the program in the data tree with a script; answers its exit code. A headless run waits
  // for nothing but its own frames; one that hangs is killed (kHung), so the test fails instead of
  // waiting for the suite's timeout, and the run dies with the test process should that end first.
  int Run(const std::string& script) { return Reap(Spawn(script)); }

  // The run started and left to go on: its process id (-1 when it could not be started).
  pid_t Spawn(const std::string& script) {
    WriteAll(dir / "script.txt", script);
    if (runAs >= 0) {
      lchown(dir.c_str(), runAs, runAs);
      for (const auto& e : fs::recursive_directory_iterator(dir)) lchown(e.path().c_str(), runAs, runAs);
    }
    const pid_t pid = fork();
    if (pid == 0) {
      const int bin = open(TOLV_BIN, O_RDONLY | O_CLOEXEC);  // while this user reaches it
      if (runAs >= 0 && (setgroups(0, nullptr) != 0 || setgid(runAs) != 0 || setuid(runAs) != 0))
        _exit(126);
      prctl(PR_SET_PDEATHSIG, SIGKILL);  // after the change of user, which clears it
      if (getppid() == 1 || chdir(dir.c_str()) != 0) _exit(126);
      const int out = open("run.out", O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (out >= 0) dup2(out, 1), dup2(out, 2);
      setenv("TOLV_VIDEO", "headless", 1);
      setenv("TOLV_SCRIPT", "script.txt", 1);
      if (niceness != 0 && setpriority(PRIO_PROCESS, 0, niceness) != 0) _exit(126);
      // As a shell starts the program: the signal of a file past the limit at its default.
      signal(SIGXFSZ, SIG_DFL);
      const rlimit limit = {fileSizeLimit, fileSizeLimit};
      if (fileSizeLimit != RLIM_INFINITY && setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
      char* const argv[] = {const_cast<char*>("tolv"), nullptr};
      fexecve(bin, argv, environ);
      _exit(127);
    }
    return pid;
  }

  // The exit code of a spawned run once it ends; kHung (the run killed) when it does not.
  int Reap(pid_t pid) {
    if (pid < 0) return -1;
    int status = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kHangMs);
    while (waitpid(pid, &status, WNOHANG) != pid) {
      if (std::chrono::steady_clock::now() >= end) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return kHung;
      }
      usleep(5000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string Log() { return ReadAll(dir / "uni_files" / "log.txt"); }

  // The blue, green, red bytes of the pixel in the middle of a 24-bit BMP.
  int MiddlePixel(const fs::path& p) {
    std::string b = ReadAll(p);
    auto [w, h] = BmpSize(p);
    if (w < 1 || h < 1) return -1;
    size_t row = ((size_t)w * 3 + 3) & ~(size_t)3;
    size_t at = 54 + row * (h / 2) + 3 * (w / 2);
    if (at + 3 > b.size()) return -1;
    return (unsigned char)b[at] << 16 | (unsigned char)b[at + 1] << 8 | (unsigned char)b[at + 2];
  }

  // Width and height of a 24-bit BMP, or 0, 0.
  std::pair<int, int> BmpSize(const fs::path& p) {
    std::string b = ReadAll(p);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return {0, 0};
    auto word = [&](int at) {
      return (int)((unsigned char)b[at] | (unsigned char)b[at + 1] << 8 |
                   (unsigned char)b[at + 2] << 16 | (unsigned char)b[at + 3] << 24);
    };
    return {word(18), word(22)};
  }
};
