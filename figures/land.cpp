// Storage of the two land floors.
#include "figures/land.h"

LandFloor LandSurface;
LandFloor LandUnder;

LandKle* Land_Layer(int floor) { return floor == 1 ? LandUnder.kle : LandSurface.kle; }

int Land_CellValid(int cell) {
  if (cell < kLandSide || cell >= kLandCells - kLandSide) return 0;
  int col = cell % kLandSide;
  return col != 0 && col != kLandSide - 1;
}
