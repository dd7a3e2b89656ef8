// Passability maps and path search. Each floor keeps five byte maps of blocked cells at the grid's
// resolution (10 world units) and five at half resolution (20 units, for large figures), rebuilt
// from the tile types and the footprints of standing figures twice a second. The A* search runs on
// the map of one layer of the floor PathFloor and writes its path into one of four result slots.
#pragma once

class Fgr;
struct LandFloor;
struct t_Fgrs;

constexpr int kPathSlots = 4;     // only slot 0 is used by the game
constexpr int kPathBank = 65536;  // steps a slot can hold: one search visits each cell once
constexpr int kPathGenStart = 10;
constexpr int kPathGenWrap = 1000000;

struct PathSlot {
  int len;                 // steps of the last path found in this slot
  int step[kPathBank][2];  // (column, row) in the searched grid's own cells; step 0 follows the start
};
struct t_Paths {
  PathSlot PathSlots[kPathSlots];
  int PathGen =
      kPathGenStart;     // search generation: open and closed stamps of a search are PathGen + 1, + 2
  int PathFloor = 0;     // the floor the next search runs on (set by the caller)
  int PathExpanded = 0;  // cells the last search took from its open list
};
extern t_Paths Paths;

// Clears the maps of both floors, blocks them by tile type (and every border cell in every layer),
// then stamps the standing figures and lets every active figure plan its route.
void PassMaps_Rebuild();
// Standing figures (active, not dying, with a footprint) block layers 2..5 of their floor; then,
// unless the game is paused or edited, every active figure plans its route (Fgr_PathPlan).
void PassMaps_StampFigures(t_Fgrs* c);
// Marks the footprint's valid cells blocked in each layer whose flag is set, on that floor.
void Land_StampFootprint(int shape, int cell, int l1, int l2, int l3, int l4, int l5, int floor);
// Marks cell 0..65535 blocked in both maps of each flagged layer; other indexes mark nothing.
void Grid256_Mark(LandFloor* fl, int cell, int l1, int l2, int l3, int l4, int l5);
// 1 when cell is one of the cells of footprint shape at first cell c.
int Land_FootprintHas(int shape, int c, int cell);
// 1 when the cell is blocked in the layer's map on PathFloor, lies outside the grid (0..255, or
// 0..127 for the half grid) or the layer is not 1..5; 0 when it is free.
int Land_Passable10(int layer, int column, int row);
int Land_Passable20(int layer, int column, int row);
// 1 for a diagonal step past a blocked corner cell; 0 for straight steps.
int Land_CornerCut10(int layer, int column, int row, int parentColumn, int parentRow);
int Land_CornerCut20(int layer, int column, int row, int parentColumn, int parentRow);
// A* from world point (x0, z0) to (x1, z1) (integer world units) on the 10- or 20-unit grid of
// PathFloor: 1 with the path in the slot, 2 for no path (also for a start off the grid, a blocked
// target, a start in the target's cell, a slot outside 0..3).
int Land_PathFind(int layer, int slot, int x0, int z0, int x1, int z1);
int Land_PathFind20(int layer, int slot, int x0, int z0, int x1, int z1);
// Maps written other than by the calls above (tests, tools) must be announced before the next
// search: reachability is answered from labels of the maps' connected regions.
void PassMaps_Changed();
// Turns the figure's route target into a path (up to three kept steps, or one straight leg).
void Fgr_PathPlan(Fgr* f);
