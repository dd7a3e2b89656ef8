// Sides: the fixed-price spends and refunds of production, the technology states, the production
// slots of a building and the wait procedure. A spend tests the spending side's own stock; the shown
// stocks (the HUD mirrors) follow only the player's side.
#pragma once

class Fgr;

// The player's stock as shown.
struct t_SideShown {
  int SideEnerCur;    // the player's energy as shown
  int SideMatCur;     // the player's material as shown
  int SideGemCur[5];  // the player's gems 1..4 as shown (entry 0 unused)
};
extern t_SideShown SideShown;

constexpr int kSideStockMax = 9999;
constexpr int kSideGemMax = 99;

// A side outside 1..5 changes nothing; the tested spends answer 1 when spent, 0 when refused.
int Side_Spend50(int side);
void Side_Refund50(int side);
int Side_Spend240(int side);
void Side_Refund240(int side);
void Side_Spend80_21(int side);  // no test: the stocks stop at 0
void Side_Refund80_21(int side);
int Side_Spend300_120(int side);
int Side_Spend180_60(int side);
int Side_Spend90_15(int side);

// Technologies 1..499 of sides 1..5.
void Side_TechReset(int tech, int side);  // state 2; its switched-off technologies state 0
int Side_TechFree(int tech, int side);    // 1 for state 0, and for arguments out of range
int Side_TechIs1(int tech, int side);
int Side_TechIs2(int tech, int side);
int Side_TechIs3(int tech, int side);

// The building's production slots are the first two members of its P2_Sub_UseDet chain: the first
// idle one, or none when the building has fewer than two or one already runs this order.
Fgr* Fgr_ProdSlotFree(Fgr* building, int order);
void Fgr_ProdSlotStart(Fgr* slot, int order, int time);
// Procedure 33: waitNow counts down; with ueWaitFull and dXKlvMax set, dXKlv grows by 1 each time
// the ueWaitNow countdown runs out, up to dXKlvMax.
void Fgr_TickWait(Fgr* f);
