// The land grid's services: the cell flags of a new world, and a figure's hold on its cells.
#pragma once

class Fgr;

void Land_InitCellFlags();          // cell flags of a new world
void Fgr_LandCellFree(Fgr* f);      // a dying unit gives its cell free
void Fgr_LandCellCountdown(Fgr* f); // a land cell figure (kind 19) activated by number counts down
// Every position change of a figure: stores the position and notes the cell it stands in.
void Fgr_SetPosition(Fgr* f, float x, float y, float z);

extern float CamLookX, CamLookZ;  // the ground point the camera looks at

void Land_CellQuad(int cell);   // indexes of 65536 or more (a negative one) leave it as it was
void Land_CellQuad2(int cell);
// The ground cell under window point (mx, my) on the shown floor, with out = its centre at its
// height; 0 when the ray meets no land between heights 0 and 25 (or for a null view). view: 16
// doubles modelview, 16 doubles projection, then the viewport as 4 ints.
int Land_PickRay(float* out, int mx, int my, const double* view);
