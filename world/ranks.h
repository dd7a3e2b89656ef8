// Ranks and skills of units.
#pragma once

class Fgr;

Fgr* Fgr_FindSkil(Fgr* f, int vers);  // the skill of that version in the figure's skill chain, or null
