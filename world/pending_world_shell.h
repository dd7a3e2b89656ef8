// Stand-ins for the world services that start-up and the main loop call, until they land.
#pragma once

// Runs the frame of the current program mode.
void FrameByMode(int focus);
// The new game world of start-up.
void init_ProjX();
