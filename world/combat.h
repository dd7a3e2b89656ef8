// Combat: attacker slots and hits, and the units' area step.
#pragma once

#include <string>

class Fgr;

void Boe_Attack(Fgr* unit);    // the attack step
void Boe_AreaStep(Fgr* unit);  // the unit's area-effect step
// The filter line of a bonus entry: for tooltips (an FKu entry, without its count) and for the
// log (an FBu entry with its count n); stage 0 is the mid stage, 1 the set stage.
std::string Boe_FilterLine(int id, int value, int ofStart, int percent, int stage);
