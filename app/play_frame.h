// The frame of play (program mode 2) and its game update: the fixed order in which the clock, the
// input, the widget tree, the pending mouse action, the stage requests and the figures are stepped
// each frame. The steps it shares with the other frames are in app/frame_steps.h.
#pragma once

#include "shell/frame_clock.h"

// A frame of play: the clock always; with the focus the input, the game update and the scene.
void GameFrame(int focus);
// The game update: pre-steps, the mouse (widgets first), the pause key, the pending mouse action,
// the sweep, the stage requests, then the figures (container update and procedures), what the
// world asked of the interface, and the cursor code of the cell under the cursor.
void GameUpdate();
// The pre-steps of a game frame: the editor's and more.
void Game_TickUpd();

// The game frame's own timers: the sky fog's animation (started in the first game frame of a run)
// and the passability rebuild's countdown (the first frame rebuilds).
struct t_GameTick {
  int skyFogOn;
  TimeMsTimer skyFog;
  int passWait;
};
extern t_GameTick GameTick;
