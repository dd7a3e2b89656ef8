// A few frames of key presses over commands a key-command target has just loaded: every key held
// for three frames, then released, on a fixed clock, so the values a file brought are used the
// way a frame uses them (slots, repeats, cycling values, double presses).
#pragma once
#include <cstring>

#include "shell/frame_clock.h"
#include "shell/key_commands.h"

inline void Kmd_FuzzFrames(IKmd2* first, IKmd2* last) {
  memset(KeyCmds.KeyUsedTable, 0, sizeof KeyCmds.KeyUsedTable);
  for (int frame = 0; frame < 6; frame++) {
    FrameClock.MsLast = FrameClock.MsClock;
    FrameClock.MsClock = 100000 + 40 * (uint32_t)frame;
    for (int& k : KeyCmds.KeyDownTable) k = frame < 3;
    IKmd2_UpdAll(first, last);
  }
  memset(KeyCmds.KeyDownTable, 0, sizeof KeyCmds.KeyDownTable);
}
