// The frames of the three program modes and their dispatcher, which tie every layer together: they
// belong to the application top although they live with the world.
#pragma once

// Runs the frame of the current program mode.
void FrameByMode(int focus);
