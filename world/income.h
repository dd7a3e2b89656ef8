// Income: gem figures, the places that yield them and the flags units raise on holder cells.
#pragma once

class Fgr;

void Fgr_SetGemKind(Fgr* f, int kind);  // object codes 12..15 make a gem figure of gem 1..4
void Fgr_SetPitWait(Fgr* place);        // the place waits while its gem figure works
void Fgr_HoldFire(Fgr* unit);           // the unit (and an active squad around it) holds fire
void Fgr_BringTick(Fgr* f);             // the figure's income when its period runs out
