// The land grid's records: one cell, one floor (cells, mesh, colours, passability maps) and the two
// floors of the field. Only the data lives here; what walks or changes it lives with its users.
#pragma once
#include <cstddef>
#include <cstdint>

#include "figures/tex_slot.h"

class Fgr;

constexpr int kLandSide = 256;  // cells per row and per column
constexpr int kLandCells = kLandSide * kLandSide;
constexpr int kLandVertSide = kLandSide + 1;  // the mesh has one vertex more per row
constexpr int kLandVerts = kLandVertSide * kLandVertSide;
constexpr int kLandLayers = 5;                // passability layers 1..5
constexpr int kLandHalfSide = kLandSide / 2;  // the coarse maps of large figures
constexpr float kLandCellSize = 10.0f;
constexpr float kLandHalfCell = kLandCellSize / 2;           // a cell's centre from its low corner
constexpr float kLandWorldSize = kLandSide * kLandCellSize;  // the field's side in world units

// Steps in the row-order grids, dc columns and dr rows: between cells, and between vertices.
constexpr int Land_CellStep(int dc, int dr) { return dr * kLandSide + dc; }
constexpr int Land_VertStep(int dc, int dr) { return dr * kLandVertSide + dc; }
// The eight cells around a cell, the row below first.
constexpr int kLandNeighbours[8] = {Land_CellStep(-1, -1), Land_CellStep(0, -1), Land_CellStep(1, -1),
                                    Land_CellStep(-1, 0),  Land_CellStep(1, 0),  Land_CellStep(-1, 1),
                                    Land_CellStep(0, 1),   Land_CellStep(1, 1)};

// One cell. Word 0 is four bytes so it can be saved and loaded exactly as it lies in memory.
struct LandKle {
  uint8_t tile;     // tile type 0..7
  uint8_t objCode;  // 16: a holder may take the cell; others name a figure to create
  uint8_t cursor;   // cursor kind (LandCursorKind)
  uint8_t flag;
  float x, z;  // world position of the cell's low corner
  float height;
  int vert;       // low-corner vertex in the 257-wide mesh
  Fgr* occupant;  // the figure standing in the cell
  Fgr* holder;    // the figure holding the cell
};

// A cell's cursor kind (its third byte): the resource or decoration the cell shows, read by the
// cursor, the captain's hints, a unit's cover and the tile picture. The angels' and the necro
// side's ground give or take cover and swap their pictures by the side's bunker kind.
enum LandCursorKind {
  kCursorPlain = 0,
  kCursorCrystal = 1,
  kCursorTree = 2,
  kCursorOre = 3,
  kCursorBush = 4,
  kCursorGold = 7,
  kCursorGem = 8,
  kCursorAngelGround = 9,
  kCursorNekroGround = 10,
};

static_assert(offsetof(LandKle, flag) == 3 && offsetof(LandKle, x) == 4,
              "word 0 is the cell's first 4 bytes");

struct LandVert {
  float x, y, z;
};

// --- The floor's drawing: 64 chunks of 32 x 32 cells, each its own mesh and tile texture, and the
// fog map that the minimap shows through the overview texture.
constexpr int kLandChunkSide = 32;                              // cells per chunk side
constexpr int kLandChunksPerSide = kLandSide / kLandChunkSide;  // 8 chunks a row
constexpr int kLandChunks = kLandChunksPerSide * kLandChunksPerSide;
constexpr float kLandChunkSize = kLandChunkSide * kLandCellSize;        // world units
constexpr int kLandChunkIndices = kLandChunkSide * kLandChunkSide * 6;  // two triangles a cell
constexpr int kFogUnseen = 60;                                          // FogVis value of an unseen cell

struct LandChunk {
  uint32_t* indices;  // owned (malloc), kLandChunkIndices vertex numbers, or null
  int indexCount;     // kLandChunkIndices, or 0 when the array could not be had
  int built;          // 1 once the mesh is made
  int firstCell;      // upper left cell of the chunk
  TexSlot tex;        // the chunk's own 256 x 256 tile texture
  float centre[3];    // bounding box
  float halfSize[3];
  int visible;       // passed the frustum test this frame
  int fixedTexture;  // texture table slot drawn instead of the own texture; 0 = none
  Fgr* patch;        // the land patch figure that draws the chunk
  int number;        // 1..64
};

// One floor: cells in row order, then the mesh, its colours, the floor number and the maps.
struct LandFloor {
  LandKle kle[kLandCells];
  LandVert vert[kLandVerts];
  uint8_t rgba[kLandVerts][4];
  int floorNom;                          // 0 surface, 1 below
  uint8_t paf[kLandLayers][kLandCells];  // 1 blocked; index column * 256 + row
  uint8_t paf2[kLandLayers][kLandHalfSide * kLandHalfSide];
  uint8_t FogVis[kLandCells];  // 60 unseen, 0 seen; index row * 256 + column
  // The cursor kind a load's decoration gave each cell (0: none). The decoration dresses the world
  // for play and is not part of the stage: a save writes the cell without it, so a stage saved,
  // loaded and saved again keeps its land. Forgotten whenever the cells' word 0 is replaced whole.
  uint8_t decoLoad[kLandCells];
  // The floor's drawing (render/land_chunks.h).
  LandChunk chunk[kLandChunks];
  uint32_t overviewTex;  // GL texture of FogVis for the minimap; 0 = none
};

// A loaded land patch figure (kind 14) and land decal figure (kind 15) registered with their floor
// again (they become Fgr::SetSpeLosk and Fgr::SetSpeDecal).
// Fgr_SetSpeLosk: the patch figure draws chunk nom (0..63) of floor underGround (1 below, else the
// surface): the figure keeps the number and the floor, and the chunk's patch and the figure's
// speEntry point at each other. KamStudio is set; other numbers set only that; a null figure
// does nothing.
void Fgr_SetSpeLosk(Fgr* f, int nom, int underGround);
// The floor record of floor 1 (LandUnder) or, for any other number, of the surface.
LandFloor* Land_Floor(int floor);
// The two land decals: a triangle index list into the floor mesh and the decal's cell. They are
// the two cell highlights of the land grid (the route target, the last ground order).
constexpr int kLandDecalIndices = 200;
struct LandDecal {
  uint32_t ind[kLandDecalIndices];
  int count;  // 0..200
  int cell;
};
// The two floors and the decal records.
struct t_Land {
  LandFloor LandSurface;
  LandFloor LandUnder;
  // Decals 1 and 2 (a unit's route target; a ground or point order); entry 0 unused.
  LandDecal LandDecals[3];
};
extern t_Land Land;
// Fgr_SetSpeDecal: the decal figure's number; decals 1 and 2 are bound to their record and to the
// figure's floor, whose mesh they are drawn on.
void Fgr_SetSpeDecal(Fgr* f, int nom);

// A land holder or camera studio figure (kind 13) gets both floors (it becomes Fgr::SetKamStudio).
void Fgr_SetKamStudio(Fgr* f);

// The cell table of floor 1 (LandUnder) or, for any other number, of the surface.
LandKle* Land_Layer(int floor);
// A cell index names a valid cell: inside 256..65279 and off the border columns 0 and 255.
int Land_CellValid(int cell);
// The cell number of a world point, valid or not, by the grid's one edge rule: both coordinates
// truncated to whole units, a cell's low edges belonging to it except the field's own (x or z below
// 1 is no cell), its far edge 2560 belonging to the field (it names column 0 of the next row, an
// invalid cell). -1 off the field: not finite, beyond 2560, or a number of 65536 and up.
int Land_CellIndex(float x, float z);

// The mesh of a floor decorated by the tile types of its cells: each valid cell's low-corner vertex
// gets a height and a colour (alpha kept), drawing rand() in cell order. The land import and the
// tile build after a load both decorate this way.
void LandFloor_DecorateMesh(LandFloor* fl);
// Forgets which cursor kinds a load's decoration gave the floor's cells (their word 0 is new).
void LandFloor_ForgetDecoration(LandFloor* fl);
