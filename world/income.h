// Income: figures that pay their bring rates to their side, the side add operations with their
// markers, capture places with their flags (procedure 7) and gem mines (procedure 53), and what a
// unit does on arriving at a cell that a figure holds.
#pragma once

class Fgr;

// A fading black ground marker at (x, z) on the shown floor, for the player's side.
void FgrFx_Spawn(float x, float z, float size);
void FgrFx_SpawnW(float x, float z, float size);

// Adds to the stock of the figure's side (energy and material up to 9999, gems up to 99); for the
// player's side the shown stock follows and a marker shows where it came from.
void Side_AddEner(Fgr* f, int amount);
void Side_AddMat(Fgr* f, int amount);
void Side_AddGem1(Fgr* f, int amount);
void Side_AddGem2(Fgr* f, int amount);
void Side_AddGem3(Fgr* f, int amount);
void Side_AddGem4(Fgr* f, int amount);

void Fgr_BringTick(Fgr* f);  // pays the bring rates each time the bring period runs out

void AnPultFlag__Upd(Fgr* flag);        // the flag's states: 0 not held, 1 held, 2 being taken
void AnPultFlag_FromParent(Fgr* mine);  // a mine hands its place's gems to the flag's side
void Flag_StartCapture(int cell, Fgr* unit);
int Flag_HolderSide(Fgr* place);
// 0 not a capture place, 1 held by the side, 2 free, 3 a free closed pit, 4 held by another side.
int Place_StateFor(Fgr* place, int side);
int Fgr_MayNotCapture(Fgr* flag, Fgr* unit);
void Fgr_HoldFire(Fgr* unit);  // with its squad: no fire, no route target
void Fgr_ReleaseHold(Fgr* unit);
void Fgr_SetGemKind(Fgr* f, int kind);  // kinds 12..15: a gem figure of gem 1..4
void Fgr_SetPitWait(Fgr* place);
// What a unit does on arriving at a cell whose holder is a live figure.
void Unit_CellPickup(Fgr* unit);
