// Ranks and skills of units.
#pragma once

class Fgr;

Fgr* Fgr_FindSkil(Fgr* f, int vers);  // the skill of that version in the figure's skill chain, or null
// The first member of kind `kind` in the chain that starts at `first` (behind `after` when given);
// none when there is none or `after` is not in the chain.
Fgr* Fgr_FindSubByKind(Fgr* first, int kind, Fgr* after);
void Unit_RangChoice(Fgr* unit, int step);  // raise the rank by step and hand out the offers
extern int RangOfferWaitMs;  // the rank-offer buttons wait this long; the game frame counts it down
