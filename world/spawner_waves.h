// Figures made during play: the spawner's ambush waves, and the production buttons of buildings
// that start a paid, timed build and make the unit or squad when it ends.
#pragma once

class Fgr;

// 30, update of the spawner: once a unit touched it, it holds the eight cells around it and
// releases side-1 attackers on rings around itself, a first wave of dXKlv, then one each wave
// period while dXKlvMax lasts, until its life timer ends.
void Proc_SpawnerWave(Fgr* f);
// The figure becomes the occupant of the eight valid cells around its own on its floor (not of its
// own), notes its cell (LandKleLUp, LandKleStamp 1) and takes the side of P_TrigFrom as trigDamba.
// Nothing without P_TrigFrom or on an invalid cell.
void Fgr_LandCellRegister3x3(Fgr* f);
// 36, panel-button procedure of production buttons: by the building's panel signal, a start (4, 5,
// 7..11: a free production slot, the price, the slot's timer and the button's wait) or a finish
// (the start signal + 100: the unit or squad on the building's cell, or the price back).
void Proc_KnoProduce(Fgr* button);

// The most figures one wave releases: every location slot.
constexpr int kWaveMax = 499;
