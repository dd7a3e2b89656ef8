// Combat: attacker slots and hits, and the units' area step.
#pragma once

class Fgr;

void Boe_Attack(Fgr* unit);    // the attack step
void Boe_AreaStep(Fgr* unit);  // the unit's area-effect step
