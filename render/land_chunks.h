// The land floors' chunks and their tile textures, and the land overview textures.
#pragma once

struct LandFloor;

// Starts a floor record: its number, each cell's corner, vertex and random tile type, the mesh, the
// chunks, the fog map and its texture, cleared passability maps.
void Tex_GenLumAlpha(LandFloor* fl, int floorNom);
// The texture slot chunk 0..63 of a floor is drawn with instead of its own tile texture (0: none).
void LandChunk_SetFixed(int floor, int chunk, int slot);
// Every vertex of the chunk's index list turns white.
void LandChunk_WhitenVerts(int floor, int chunk);
// Redraws the tile textures of the floor's chunks from their cells' tile images (not chunk 41).
void LandChunks_RedrawTiles(int floor);

void PlitTextures_Build(int flag);  // terrain tile textures; 0 skips the build
void Exit_FreeLandTextures();       // the land overview textures, deleted at shutdown
