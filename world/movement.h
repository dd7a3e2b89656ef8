// Movement and move orders.
#pragma once

struct t_SelList;

constexpr int OrderWaitInit = 1500;  // the waypoint window of ground orders, ms
extern int OrderWaitMs;       // counted down by the frame step
extern int OrderWaitAtFrame;  // its value at the start of the frame

// The player's ground order to the selection; a second one inside the window sets waypoints.
void Sel_OrderMoveTo(t_SelList* s, float x, float z);
