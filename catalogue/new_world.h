// The new game world: the one made at start-up, and the land figures, cameras and base bunkers of
// a new world in the editor.
#pragma once

#include "shell/frame_clock.h"

class Fgr;

// An animation frame walker: three channels with random holds, stepped every period ms.
struct FrameWalk {
  RandTimer r;
  int wait;    // countdown to the next step, ms
  int period;  // its reload, ms
};
extern FrameWalk FrameWalk1;
extern FrameWalk FrameWalk2;

void init_ProjX();                  // the new game world of start-up
void ProjX_CreateLandAndBunkers();  // land figures, cameras and base bunkers of a new world
// A side's bunker of that kind at (x, z) with its triggers and held cells; null when none was made.
Fgr* StaMutBunker(int kind, int owner, float x, float z, int cell);
