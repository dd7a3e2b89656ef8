// Per-frame cost of the key commands (the whole shipped block) and of message-base lookups.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/platform.h"
#include "render/kmd_block.h"
#include "shell/frame_clock.h"
#include "shell/key_commands.h"
#include "shell/msgbase.h"

static void BM_KeyCommandsFrame(benchmark::State& state) {
  std::string keep = KeyCmds.gsFileSig;
  KeyCmds.gsFileSig = std::string(TOLV_SOURCE_DIR) + "/uni_files/res/sig.txt";
  Kmd_Load();
  KeyCmds.gsFileSig = keep;
  FrameClock.KadrStep = 10;
  int frame = 0;
  for (auto _ : state) {
    FrameClock.MsClock += 10;
    KeyCmds.KeyDownTable[VK_LEFT] = (frame / 7) & 1;     // an arrow pressed and released
    KeyCmds.KeyDownTable[VK_LBUTTON] = (frame / 3) & 1;  // clicks
    Kmd_UpdAll();
    benchmark::DoNotOptimize(Kmd_Fired(KMD_LEFT));
    frame++;
  }
  Kmd_ResetAll();
}
BENCHMARK(BM_KeyCommandsFrame);

static void BM_MsgBaseLookup(benchmark::State& state) {
  MsgBase_Load(std::string(TOLV_SOURCE_DIR) + "/uni_files/res/msgbase.txt");
  int n = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(MsgBase_Text(n));
    n = n % 120 + 1;
  }
  MsgBase_Clear();
}
BENCHMARK(BM_MsgBaseLookup);
