// Combat: attacker slots, hits and ownership tests.
#pragma once

#include <string>

class Fgr;

int Fgr_IsOwnedBy(const Fgr* f, int side);  // 1 when the figure belongs to that side
// The filter line of a bonus entry: for tooltips (an FKu entry, without its count) and for the
// log (an FBu entry with its count n); stage 0 is the mid stage, 1 the set stage.
std::string Boe_FilterLine(int id, int value, int ofStart, int percent, int stage);
