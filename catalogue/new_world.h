// The new game world: the one made at start-up, and the land figures, cameras and base bunkers of
// a new world in the editor; the default figures of a map; a side's bunker placed on the map.
#pragma once

#include "shell/frame_clock.h"

class Fgr;

// An animation frame walker: three channels with random holds, stepped every period ms.
struct FrameWalk {
  RandTimer r;
  int wait;    // countdown to the next step, ms
  int period;  // its reload, ms
};
// The two frame walks of the marks: the unit's flag (1) and its bonus (2).
struct t_FrameWalks {
  FrameWalk FrameWalk1;
  FrameWalk FrameWalk2;
};
extern t_FrameWalks FrameWalks;

void init_ProjX();                      // the new game world of start-up
void ProjX_CreateLandAndBunkers();      // land figures, cameras and base bunkers of a new world
void ProjX_ResetFigures(int withLand);  // empties the container; with withLand a new world's figures
void ProjX_DefaultMap();                // the default figures of a map and the surface's tile textures
// The cameras that showed the whole window a stage was saved in take the whole window of this run
// (viewport, and a scissor that was that whole window); called after every load.
void Cameras_FitWindow();
// A side's bunker of kind 201..205 at (x, z) on the 2 x 2 cells from cell, with its two triggers and
// up to two held cells (object code 16) of the twelve around it; the first bunker of a side gives
// it its start stocks. Null when it could not be made or holds no cell.
Fgr* StaMutBunker(int kind, int owner, float x, float z, int cell);
