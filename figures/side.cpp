// Storage of the side table.
#include "figures/side.h"

int SideTab[kSides][kSideWords];
int PlayerSide = 0;

static_assert(sizeof(TechEntry) == kTechWords * sizeof(int), "a technology entry is 13 words");

TechEntry* Side_Tech(int k, int t) {
  if (k < 0 || k >= kSides || t < 0 || t >= kSideTechs) return nullptr;
  return reinterpret_cast<TechEntry*>(&SideTab[k][kSideTech0 + kTechWords * t]);
}
