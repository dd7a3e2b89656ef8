// Movement and move orders: ground orders with their waypoint window, orders to cells and points,
// squads passing orders to their units, placing a figure on a cell, attack targets, and the walk of
// a unit along its path leg by leg between cell centres (with the route points and floor portals).
#pragma once

class Fgr;
struct t_Fgrs;
struct t_SelList;

constexpr int OrderWaitInit = 1500;  // the waypoint window of ground orders, ms

struct t_MoveOrders {
  // The waypoint window of ground orders.
  int OrderWaitMs;       // counted down by the frame step
  int OrderWaitAtFrame;  // its value at the start of the frame
  // The underground ambush of walking units of the player.
  int AmbushLeft = 50;      // ambushes still to come (50 at start)
  int AmbushTick = 0;       // set by the first walking unit of a frame; the frame clears it
  int AmbushWait = 9000;    // countdown to the next chance
  int AmbushPeriod = 9000;  // its reload, ms
};
extern t_MoveOrders MoveOrders;

// The player's ground order to the selection; a second one inside the window sets waypoints.
void Sel_OrderMoveTo(t_SelList* s, float x, float z);
// The waypoint window closed, also for the rest of this frame: the next ground order is a route.
void OrderWait_Close();
void Fgr_OrderMovePointOnFloor(Fgr* f, float x, float z, int floor);
void Fgr_OrderMoveCell(Fgr* f, int cell, int floor);
// The order to one unit on that floor: a cell of 0 or more becomes its target (searched after the
// next rebuild), a negative one clears it; its own cell ends its move at once.
void Fgr_OrderToCell(Fgr* f, int cell, int nearEnemy, int floor);
int Fgr_OrderMovePoint(Fgr* f, float x, float z, int nearEnemy, int floor);  // 0 for another floor
void Fgrs_OrderMovePoint(t_Fgrs* c, int slot, float x, float z, int floor);
void Fgrs_OrderMoveCell(t_Fgrs* c, int slot, int cell, int floor);
void Fgr_SetTargPathKle2(Fgr* f, int cell);  // the waypoint of the figure or of a squad's units
// Puts the figure (a squad: its units) at the centre of a valid cell of the floor; then an order
// to orderCell when it is not 0, and the cell's hold when takeHolder is set and it has no holder.
void Fgr_CellMoveTo(Fgr* f, int cell, int orderCell, int floor, int takeHolder);

// Attack targets: never one of the unit's own side; a squad gives it to its first 30 active units.
void Fgr_SetAttackTarget(Fgr* unit, Fgr* target, int force);
void Fgr_SetSquadTarget(Fgr* holder, Fgr* target, int force);
void Fgr_GiveAttackTarget(Fgr* f, Fgr* target, int force);
Fgr* Fgr_Border(const Fgr* f);
int Fgr_IsFindAutoTarg(const Fgr* f);
int Fgr_AlwaysFalse2();

// The leg from the figure's position to the centre of kept path step onPathNext.
void Fgr_AimAtPathStep(Fgr* f, float cellSize);
// One straight leg to (x, z), shown by a fading mark line.
void Fgr_MoveToWithMark(Fgr* f, float x, float z);
void Fgr_MoveStateStep(Fgr* f);  // the end of a path: the waypoint, the route, the cell taken
void Fgr_MarshStep(Fgr* f);      // an idle figure takes its next route point as target
void Fgr_StepAsideRandom(Fgr* f, int cell);    // an idle figure steps to a random neighbour of cell
void Fgr_StepToNeighbour(int slot, int cell);  // cell 0: the figure's own cell
// A unit on a floor portal (a special field of class 28) goes to the other floor: 1 when the
// figure is such a portal (whether or not the unit crossed), else 0.
int Fgr_CrossFloorPortal(Fgr* unit, Fgr* portal);
// One frame of a unit's walk along its legs; at the end of the path its move state steps and it
// picks up what its cell holds. A path longer than the three kept steps is planned again from the
// third one.
void Fgr_PathWalkStep(Fgr* f, float cellSize);
