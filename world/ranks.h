// Ranks and skills of units: the rank-up with its next threshold, the three skill offers a captain
// gets by its class, the queue of offer sets the player chooses from (the game pauses meanwhile),
// applying an offer, the skill lookups, and the two button procedures of captains and builders.
#pragma once

class Fgr;

Fgr* Fgr_FindSkil(Fgr* f, int vers);  // the skill of that version in the figure's skill chain, or null
void Unit_RangChoice(Fgr* unit, int step);  // raise the rank by step and hand out the offers

void Fgr_ExpNextInit(Fgr* unit);  // a captain's next threshold: 800 + 500 per rank above 1

// Offers: n raises tier 1 of skill n (1..12), n + 1000 tier 2, n + 10000 tier 3; 0 is none.
int Rang_Offer(Fgr* f, int n, int k);
void Rang_OfferPair(Fgr* f, int* a, int* b);
// Weights of the skills 1, 2, 3, 4, 5, 7, 9, 11 in this order; 0 leaves a skill out.
void Rang_OfferPick(Fgr* f, int* a, int* b, int* c, const int (&w)[8]);
int Rang_NewSkilOffer(Fgr* f, int* a);
void Rang_OfferTier(Fgr* f, int* a, int* b);
void Rang_OffersClass1(Fgr* f, int* a, int* b, int* c);
void Rang_OffersClass2(Fgr* f, int* a, int* b, int* c);
void Rang_OffersClass5(Fgr* f, int* a, int* b, int* c);
// Classes 3, 4, 7, 9 and 11 have no offers of their own: a = b = 0, and c names the class.
void Rang_Defaults(int cls, int* a, int* b, int* c);

// The offer queue of the message panel: slot 4 holds the set shown (the one the choice buttons
// serve), slots 3, 2, 1 the sets waiting, in that order. The panel widget is the interface's: it
// reads the queue to draw the panel and shows or hides the panel on RangPanelReq (and clears it);
// its buttons move the queue on with MsgBox_Next.
struct RangOfferSet {
  int fgr;  // slot number of the captain; 0 for a free slot
  int a, b, c;
};
constexpr int kRangQueueSlots = 4;
enum { kRangPanelNone = 0, kRangPanelShow = 1, kRangPanelHide = 2 };
struct t_Ranks {
  int RangOfferWaitMs;  // the rank-offer buttons wait this long; the game frame counts it down
  RangOfferSet RangQueue[kRangQueueSlots + 1];  // slots 1..4; entry 0 unused
  int RangPanelReq;
  int RangPanelExists;  // set by the interface once it has built the message panel
};
extern t_Ranks Ranks;
void Rang_OfferQueue(Fgr* f, int a, int b, int c);
// The message panel moves on: the first waiting set becomes the shown one (1); with none waiting
// the shown set is cleared, the pause lifted and the panel asked to hide (0).
int MsgBox_Next();
// Choice button n (1, 2, 3) of the message panel: the shown set's offer n is applied and the panel
// moves on (MsgBox_Next). 0, taking nothing, within the wait after the offer or with no set shown;
// else 1 (the button's click is used, whatever n is).
int Rang_ChoiceTake(int n);

void Rang_ChoiceApply(Fgr* f, int offer);
int Skil_Raise(Fgr* f, int skil, int base, int ext2, int ext3);
int Skil_RandomRaise(Fgr* captain);  // 1 when a random tier of one of its skills was raised
const char* Skil_Name(int offer);    // the message-base name of the offer's tier, "x" for none

int Spel_Cast(Fgr* caster, Fgr* book);  // 1 cast, 0 casting already or no room, -1 not a spell
int Cargo_AddRandom(Fgr* unit);         // a random cargo item joins the unit's cargo chain
void Proc_RangStep(Fgr* kno);           // procedure 47: a captain's rename and spell buttons
void Proc_BuildStep(Fgr* kno);          // procedure 37: the builder's decorations, mines and buildings

// Developer runs that nothing in play calls: test captains of the computer's side made, their
// offers logged rank by rank up to the limit (test 1 and 2: a class-5 and a class-1 captain), or
// grown rank by rank with their choices (three captains of classes 1, 5 and 2); the captains go
// again afterwards.
void Unit_RangTestLog();
void Unit_RangTestLog2();
