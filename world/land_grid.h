// The land grid's services: the cell flags of a new world, and a figure's hold on its cells.
#pragma once

class Fgr;

void Land_InitCellFlags();          // cell flags of a new world
void Fgr_LandCellFree(Fgr* f);      // a dying unit gives its cell free
void Fgr_LandCellCountdown(Fgr* f); // a land cell figure (kind 19) activated by number counts down
// Every position change of a figure: stores the position and notes the cell it stands in.
void Fgr_SetPosition(Fgr* f, float x, float y, float z);
