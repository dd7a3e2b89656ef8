// Storage of the two land floors.
#include "figures/land.h"

#include "figures/fgr.h"

LandFloor LandSurface;
LandFloor LandUnder;

LandKle* Land_Layer(int floor) { return floor == 1 ? LandUnder.kle : LandSurface.kle; }

int Land_CellValid(int cell) {
  if (cell < kLandSide || cell >= kLandCells - kLandSide) return 0;
  int col = cell % kLandSide;
  return col != 0 && col != kLandSide - 1;
}

// --- The floor's drawing.

LandFloor* Land_Floor(int floor) { return floor == 1 ? &LandUnder : &LandSurface; }

void Fgr_SetSpeLosk(Fgr* f, int nom, int underGround) {
  if (!f || nom < 0 || nom >= kLandChunks) return;
  LandChunk* c = &Land_Floor(underGround)->chunk[nom];
  c->patch = f;
  f->speEntry = c;
}
