// The land floors' drawing: a floor record started for a new world (cells, vertex grid, chunk
// meshes, fog map, overview texture), the chunks' 256 x 256 tile textures drawn from the cells'
// tile images, the colour map of the minimap, the per-frame queue of the visible chunks and the
// draw of one chunk with projected texture coordinates and fog.
#pragma once

#include "figures/land.h"

constexpr int kLandTileTex = 256;     // side of a chunk's tile texture in pixels
constexpr int kLandTilePix = 8;       // one cell's tile image in it
constexpr int kLandOverviewMs = 500;  // the overview and the editor's tiles refresh at most this often
constexpr int kLandFixedChunk = 41;   // the editor's refresh never redraws this chunk (number 42)

struct t_LandChunks {
  int LandVisibleChunks;  // chunks queued this frame
  int LandOverviewWait;   // ms until the next overview refresh
};
extern t_LandChunks LandChunks;

// A new world's floor: its record (the tile types of its inner cells random, 2 or one in four 3)
// and its overview texture.
void Tex_GenLumAlpha(LandFloor* fl, int floorNom);
// The texture table slot of a cell's tile image (may draw one random number in play).
int LandTile_Slot(const LandFloor* fl, int cell);
// Drawing of tile textures: Begin makes the 256 x 256 target current (a framebuffer object, or the
// window when there is none and the window is large enough) in 2D mode, with blending, lighting,
// fog, alpha test and texture generation off and the colour white; 0 when nothing can be drawn.
// End returns to the window with the viewport it had.
int LandTiles_Begin();
void LandTiles_End();
// One chunk's tile texture from the tile images of its 32 x 32 cells (between Begin and End). A
// cell whose image slot has no texture takes the one of the cell before it; the first such cells
// take what is bound when the chunk starts (the texture of the chunk drawn before it). The chunk's
// own texture is left bound.
void LandChunk_DrawTiles(const LandFloor* fl, LandChunk* c);
// The floor's colour map, one pixel a cell by tile type, made the texture of the surface map's slot.
void LandColourMap_Build(const LandFloor* fl);
// The editor's refresh of it: made again only when a cell's tile type, the floor or the slot's
// texture changed since the refresh last made it; its texture is left bound either way.
void LandColourMap_Refresh(const LandFloor* fl);

// What a new world and a default map set on the chunks (floor 1 below, any other the surface;
// chunks outside 0..63 are ignored).
// The texture slot chunk 0..63 of a floor is drawn with instead of its own tile texture (0: none).
void LandChunk_SetFixed(int floor, int chunk, int slot);
// Every vertex of the chunk's index list turns white.
void LandChunk_WhitenVerts(int floor, int chunk);
// Redraws the tile textures of the floor's chunks from their cells' tile images (not chunk 41).
void LandChunks_RedrawTiles(int floor);
// The editor's refresh of the shown floor's tile textures: the same pictures, and the same GL state
// afterwards, as LandChunks_RedrawTiles gives, drawing only the chunks whose picture could come out
// different: those for which the floor, a cell's tile image, a texture a cell was drawn with (by
// its slot's change count) or the chunk's own texture changed since this refresh last drew it, and
// those that show the chunk drawn before them (their first cells' images have no texture) when
// that one is drawn.
void LandChunks_RefreshTiles(int floor);

// The land figure's queue procedure and a land patch figure's draw procedure.
void LandOverview_Build(Fgr* holder);
void Land_DrawProjected(Fgr* patch);

// The two floors' overview textures, deleted at shutdown (again: nothing to do).
void Exit_FreeLandTextures();
void LandTextures_Delete();
void Gl_DeleteLandTextures();
