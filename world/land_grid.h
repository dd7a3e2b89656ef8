// The land grid's services: the cell flags of a new world, and a figure's hold on its cells.
#pragma once

class Fgr;

void Land_InitCellFlags();          // cell flags of a new world
void Fgr_LandCellFree(Fgr* f);      // a dying unit gives its cell free
void Fgr_LandCellCountdown(Fgr* f); // a land cell figure (kind 19) activated by number counts down
// Every position change of a figure: stores the position and notes the cell it stands in.
void Fgr_SetPosition(Fgr* f, float x, float y, float z);
// The valid cell at a random point on the ring of radius around (x, z), or -1; with retry, an
// invalid first point is tried once more mirrored on one axis. The fourth argument has no effect.
int Land_CellFromPos(float x, float z, float radius, int ignored, int retry);
void Fgr_LandCellUnregister(Fgr* f);  // the eight cells around it forget their occupant; reset
