// Stand-ins for the rendering services that start-up, the frame and shutdown call, until rendering
// lands; each is deleted when its real one is merged.
#pragma once

void Exit_FreeLandTextures();
