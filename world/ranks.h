// Ranks and skills of units.
#pragma once

class Fgr;

Fgr* Fgr_FindSkil(Fgr* f, int vers);  // the skill of that version in the figure's skill chain, or null
int Skil_RandomRaise(Fgr* captain);  // 1 when a random tier of one of its skills was raised
int Cargo_AddRandom(Fgr* unit);      // a random cargo item joins the unit's cargo chain
void Unit_RangChoice(Fgr* unit, int step);  // raise the rank by step and hand out the offers
extern int RangOfferWaitMs;  // the rank-offer buttons wait this long; the game frame counts it down
