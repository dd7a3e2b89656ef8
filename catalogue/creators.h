// Figure creators by kind: each takes a slot of its kind from the container, fills it from the
// kind's preset and sets what differs (position, floor, texture, colour, owner, the cell it holds,
// the figure it hangs under). A full container or a failing preset makes nothing: the creators that
// return a figure return null, without a log line of their own. Positions are world units (10 a
// cell); figures are placed through the land's position and cell functions.
#pragma once

struct LandKle;
class Fgr;

// A slot of the kind (base or location) filled with the preset; null when the container is full or
// the preset failed (then the slot and its record are free again).
Fgr* Fgr_AddFilled(int kind, int preset, int forBase);

// What a laser figure is made of: a beam from (x, y, z) to (a, b, c), or with imitate a sprite of
// size a; a texture slot, an owner side (0 none), a floor (-1 the floor on show, 0 the surface, any
// other value the floor below) and a colour. Built with designated initialisers; what a call leaves
// out is 0.
struct LaserArgs {
  int preset = 0;
  float x = 0, y = 0, z = 0;
  float a = 0, b = 0, c = 0;
  int tex = 0;
  int imitate = 0;
  int owner = 0;
  int floor = 0;
  float r = 0, g = 0, bl = 0, alpha = 0;
};
Fgr* Laser_Create(const LaserArgs& l);
Fgr* Triger_Create(float x, float y, float z, int owner, int forBase);
// The flag a unit raises on a holder cell of its floor (nothing unless the unit is a unit, the cell
// valid and held, and the holder's flag not already up).
void PultFlag_Create(int cell, Fgr* unit);
// The gem collector on a gem cell (object code 12..15) whose holder's flag the unit's side holds.
void GetGemX_Create(int cell, Fgr* unit);
// The two-way ladder: a special field on each floor of one cell, each holding its cell.
void FieldSpec_CreatePair(int cell);
Fgr* FieldSpec_Create(int code, float x, float z);   // gem places 12..15: red, blue, white, green
Fgr* FieldSpec_Create2(float x, float z);            // special field 8
Fgr* FieldSpec_Create3(int code, float x, float z);  // special fields 3, 4, 5
Fgr* Dekor_Create(int code, float x, float z);
void Spawner_Create(int mode, float x, float z, int cell, int cell2, int floor);
Fgr* BoxPrize_Create(float x, float z);
Fgr* BoxPrize_Create2(float x, float z);
Fgr* StaticBoost_Create(float x, float z);
Fgr* StaticBoost_Create2(float x, float z);
// One control-panel button under owner, in its slot range: its panel procedure, title and hints
// (message-base numbers; a hint or render procedure of 0 keeps the preset's). 0 when its preset
// failed; 1 when it was made, whether it found room on the owner's panel or was let go again.
int KnoUnit_Add(Fgr* owner, int onK, int titul, int hint1, int hint2, int onR = 0);
// Up to 11 control-panel buttons under a building, in the building's slot range; the first button
// whose preset fails ends the set, and a button the building has no room for is not kept.
void KnoUnit_CreateSet(Fgr* building);
void KnoUnit_CreateSetFor(Fgr* f);  // KnoUnit_CreateSet for an AngBunker (kind 203) only
// The bunker's two triggers, 2 units before and behind it: 1 when both hang under it; 0 for no
// bunker or when a trigger could not be made or attached (a first one that was attached stays).
int Bunker_AddTriger(Fgr* bunker);
// The figure that the object code of cells[*cell] stands for, made on that floor, with the cell's
// holder word and marks as the code says. A cell index outside the floor does nothing.
void Fgr_CreateByCode(LandKle* cells, int* cell);
