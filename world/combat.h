// Combat: attacker slots and hits.
#pragma once

#include <string>

class Fgr;

// The filter line of a bonus entry: for tooltips (an FKu entry, without its count) and for the
// log (an FBu entry with its count n); stage 0 is the mid stage, 1 the set stage.
std::string Boe_FilterLine(int id, int value, int ofStart, int percent, int stage);
