// Movement and move orders.
#pragma once

struct SelListRec;

// The player's ground order to every selected figure: the land cell of the world point as route
// target, or as waypoint when a second order comes within the order window.
void Sel_OrderMoveTo(SelListRec* sel, float x, float z);
