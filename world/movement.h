// Movement and move orders of figures on the land grid.
#pragma once

class Fgr;
struct t_SelList;

constexpr int OrderWaitInit = 1500;  // the waypoint window of ground orders, ms
extern int OrderWaitMs;       // counted down by the frame step
extern int OrderWaitAtFrame;  // its value at the start of the frame

// The player's ground order to the selection; a second one inside the window sets waypoints.
void Sel_OrderMoveTo(t_SelList* s, float x, float z);

// Places a figure (or every unit of a squad holder) on a valid cell of a floor, orders it on to
// orderCell when that is not 0, and makes it the cell's holder when takeHolder is set and the cell
// has none. An invalid cell does nothing.
void Fgr_CellMoveTo(Fgr* f, int cell, int orderCell, int floor, int takeHolder);
