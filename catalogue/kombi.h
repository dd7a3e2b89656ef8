// Combination presets: a unit with its weapon and buttons, a captain, a squad with its members, a
// builder; and the functions that make units at a land cell.
#pragma once

class Fgr;

// n below 0 builds combination n for the side; 0 or more makes nothing.
Fgr* Fgr_Create(int n, int forBaner, int toBase);
void Fgr_CreateForOwner(Fgr* bunker);  // a builder for the bunker's side on its first held cell
Fgr* Unit_CreateNear(int kind, int preset, int owner, float x, float z, float radius, int floor, int partKind,
                     int partPreset);
