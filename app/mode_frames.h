// The frames of the three program modes and the game update of play: the fixed order in which the
// clock, the input, the widget tree, the pending mouse action, the stage requests and the figures
// are stepped each frame. They tie every layer together: they belong to the application top
// although they live with the world.
#pragma once

#include "shell/frame_clock.h"

// Runs the frame of the current program mode: 1 the text screen, 2 play, 3 the stage editor.
void FrameByMode(int focus);
// Carries out what the layers below the interface asked of it by their request words: a program
// mode (ProgModeReq), the text of the code window's message (CodeWinMsgReq). Before each frame, and
// in the game update after the figures' procedures.
void Requests_CarryOut();
// A frame of play: the clock always; with the focus the input, the game update and the scene.
void GameFrame(int focus);
// A frame of the stage editor: the editor's own input instead of the game's, figures not processed.
void Mode3_Frame();
// The game update: pre-steps, the mouse (widgets first), the pause key, the pending mouse action,
// the sweep, the stage requests, then the figures (container update and procedures) and the
// cursor code of the cell under the cursor.
void GameUpdate();
// The pre-steps of a game frame.
void Game_TickUpd();
// Carries out the pending mouse action of the frame (select, select in a rectangle, order, hover,
// route target, point order) and clears it.
void MouseSelectByTool();

extern float MouseXf, MouseYf;  // the cursor of this frame as floats (window pixels, y up)
extern int GameExitReq;         // the interface's exit request: the frame ends the program

// The game frame's own timers: the sky fog's animation (started in the first game frame of a run)
// and the passability rebuild's countdown (the first frame rebuilds).
struct t_GameTick {
  int skyFogOn;
  TimeMsTimer skyFog;
  int passWait;
};
extern t_GameTick GameTick;
