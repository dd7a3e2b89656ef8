// Movement and move orders of figures on the land grid.
#pragma once

class Fgr;

// Places a figure (or every unit of a squad holder) on a valid cell of a floor, orders it on to
// orderCell when that is not 0, and makes it the cell's holder when takeHolder is set and the cell
// has none. An invalid cell does nothing.
void Fgr_CellMoveTo(Fgr* f, int cell, int orderCell, int floor, int takeHolder);
// The order to one unit on that floor: a point (0 for another floor).
int Fgr_OrderMovePoint(Fgr* f, float x, float z, int nearEnemy, int floor);
void Fgr_GiveAttackTarget(Fgr* f, Fgr* target, int force);
Fgr* Fgr_Border(const Fgr* f);
void Fgr_MoveStateStep(Fgr* f);  // the end of a path: the waypoint, the route, the cell taken
