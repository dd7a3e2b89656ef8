// Movement and move orders: ground orders with their waypoint window, orders to cells and points,
// squads passing orders to their units, placing a figure on a cell, attack targets, and the walk of
// a unit along its path leg by leg between cell centres (with the route points and floor portals).
#pragma once

class Fgr;
struct t_SelList;

constexpr int OrderWaitInit = 1500;  // the waypoint window of ground orders, ms
extern int OrderWaitMs;       // counted down by the frame step
extern int OrderWaitAtFrame;  // its value at the start of the frame

// The underground ambush of walking units of the player.
extern int AmbushTick;    // set by the first walking unit of a frame; the frame clears it

// The player's ground order to the selection; a second one inside the window sets waypoints.
void Sel_OrderMoveTo(t_SelList* s, float x, float z);
void Fgr_OrderMoveCell(Fgr* f, int cell, int floor);
void Fgr_GiveAttackTarget(Fgr* f, Fgr* target, int force);
// One frame of a unit's walk along its legs; at the end of the path its move state steps and it
// picks up what its cell holds. A path longer than the three kept steps is planned again from the
// third one.
void Fgr_PathWalkStep(Fgr* f, float cellSize);
// Places a figure (or every unit of a squad holder) on a valid cell of a floor, orders it on to
// orderCell when that is not 0, and makes it the cell's holder when takeHolder is set and the cell
// has none. An invalid cell does nothing.
void Fgr_CellMoveTo(Fgr* f, int cell, int orderCell, int floor, int takeHolder);
