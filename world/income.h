// Income: gem figures, the places that yield them and the flags units raise on holder cells.
#pragma once

class Fgr;

void Fgr_BringTick(Fgr* f);  // the figure's income when its period runs out
