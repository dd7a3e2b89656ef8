// The figure record: the generated data part with its hand-written tail, and the small free
// functions around it (slot numbers for links, kind names, ring offsets).
#pragma once
#include <cstdint>
#include <cstdio>

#include "figures/records.h"

#include "gm/fgr.h"

constexpr int FgrsBaseLast = 500;

// What FgrEd_AdrFromName found.
const int inFgrNonType0 = 0;
const int inFgrIntType1 = 1;
const int inFgrFloType2 = 2;

// The slot number a link is saved as: nom, less 500 in a location part (none gives 0 or -500).
int Fgr_NomForLink(const Fgr* f, int forLocation);
int Fgr_Slot_Nom(Fgr* link, int forLocation);
int Fgr_AlwaysFalse();
// A point on a circle of radius r in one of 45 directions (8..360 degrees).
void RandRingOffset(float r, float* x, float* y);
int Kind_DefaultSeven(int kind, int* a, int* b, int* c, int* d, int* e, int* f, int* g);
// 1 when the figure (a squad by its first unit) belongs to the side.
int Fgr_IsOwnedBy(const Fgr* f, int side);
// The name shown for a figure: its item or unit record's name, else its kind's name.
const char* Fgr_ItemNameText(Fgr* f);
