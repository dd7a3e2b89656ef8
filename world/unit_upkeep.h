// Unit record upkeep outside the fight itself: counter regeneration and panic, captain marks, the
// captain-only switches, the areas that equipment, experience and movement post into the area
// queue each frame, the rebuild of a unit's applied bonus table with its terrain bonuses, what
// touching an area does, and the small setters and accessors of creation code and procedures.
#pragma once

class Fgr;
struct AreaReq;

// Set while the unit being processed is touched by an enemy detector area.
extern int AreaFlagRaised;

// Regeneration ticks, panic and the maxima from the base block; the unit's counted hit points,
// 0 ending a mortal unit, 1 for a figure without a unit record in use.
int UN_UpdCounters(Fgr* f);
void Fgr_CapZeroClear(Fgr* f);
void Fgr_CapZeroZagradSet(Fgr* f);  // a captain hosted by bunker kind 203 takes its squad's hits
void Fgr_CaptainMarksUpd(Fgr* f);   // skill 2 and spell marks on the CaptHP maximum, then clamps
void Fgr_UseChainsUpd(Fgr* f);      // equipment emitters, experience orb, yield and detector areas
void Fgr_EquipEmit(Fgr* unit, Fgr* piece);

void UN_RebuildFBu(Fgr* unit);   // the applied bonus table from the unit and what it wears
void Fgr_ApplyBuffs(Fgr* unit);  // the terrain set of the cell the unit stands in

int Zone_SkipsUnit(const Fgr* unit, const AreaReq* e);  // skill areas pass captains and layer 0
void Zone_ContactApply(Fgr* unit, AreaReq* e);
void UN_ZoneFlagsReset(Fgr* unit);
void UN_ZoneFlagsEnd(Fgr* unit);

// Speeds and the build radius as stored (1/10000 units per ms); the F forms as floats, 0 for 0.
int Fgr_SkorosMirMax(const Fgr* f);
int Fgr_SkorosMax(const Fgr* f);
int Fgr_SkorosMin(const Fgr* f);
int Fgr_RadStroi(const Fgr* f);
float Fgr_SkorosMinF(const Fgr* f);
float Fgr_SkorosMaxF(const Fgr* f);
float Fgr_SkorosMirMaxF(const Fgr* f);
int Fgr_SameBaner(const Fgr* a, const Fgr* b);  // 1 when b exists and both fly one banner

// A panel command for the player's figure: kept when the selection permits it, else 0; answers
// the figure's command word (0 for a figure that is not the player's).
int Fgr_SetFromPultSig(Fgr* f, int command);
void Fgr_SetDontUseGunMode(Fgr* f, int value);   // a squad holder: every active member instead
void Item_RandomPreset(int* kind, int* preset);  // a random unit gun: kind 301, 9841 or 9821
