// Combat: attacker slots, hits and ownership tests.
#pragma once

class Fgr;

int Fgr_IsOwnedBy(const Fgr* f, int side);  // 1 when the figure belongs to that side
