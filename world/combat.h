// Combat: attacker slots, hits, ownership tests and the units' area step.
#pragma once

class Fgr;

int Fgr_IsOwnedBy(const Fgr* f, int side);  // 1 when the figure belongs to that side
void Boe_Attack(Fgr* unit);    // the attack step
void Boe_AreaStep(Fgr* unit);  // the unit's area-effect step
