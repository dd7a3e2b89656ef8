// Ranks and skills of units.
#pragma once

class Fgr;

Fgr* Fgr_FindSkil(Fgr* f, int vers);  // the skill of that version in the figure's skill chain, or null
int Skil_RandomRaise(Fgr* captain);  // 1 when a random tier of one of its skills was raised
int Cargo_AddRandom(Fgr* unit);      // a random cargo item joins the unit's cargo chain
void Unit_RangChoice(Fgr* unit, int step);  // raise the rank by step and hand out the offers
extern int RangOfferWaitMs;  // the rank-offer buttons wait this long; the game frame counts it down

// The offer queue of the message panel: slot 4 holds the set shown (the one the choice buttons
// serve), slots 3, 2, 1 the sets waiting, in that order.
struct RangOfferSet {
  int fgr;  // slot number of the captain; 0 for a free slot
  int a, b, c;
};
constexpr int kRangQueueSlots = 4;
extern RangOfferSet RangQueue[kRangQueueSlots + 1];  // slots 1..4; entry 0 unused
const char* Skil_Name(int offer);    // the message-base name of the offer's tier, "x" for none
