// Figure creators by kind: one small function per kind turns a position, a cell, an owner or a
// holder into a ready figure taken from the container and filled from its preset.
#pragma once

class Fgr;
struct LandKle;

Fgr* Laser_Create(int preset, float x, float y, float z, float a, float b, float c, int tex, int imitate,
                  int owner, int floor, float r, float g, float bl, float alpha);
void PultFlag_Create(int cell, Fgr* unit);
void FieldSpec_CreatePair(int cell);
void KnoUnit_CreateSetFor(Fgr* f);
int Bunker_AddTriger(Fgr* bunker);
// The figure that the object code of the cell (of that floor's cell table) stands for.
void Fgr_CreateByCode(LandKle* cells, int* cell);
