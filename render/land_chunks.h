// The land floors' chunks and their tile textures, and the land overview textures.
#pragma once

void PlitTextures_Build(int flag);  // terrain tile textures; 0 skips the build
void Exit_FreeLandTextures();       // the land overview textures, deleted at shutdown
