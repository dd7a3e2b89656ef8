// Storage of the side table.
#include "figures/side.h"

t_Sides Sides;

// The records as the program starts: side ids 1..5, the five block tags, and every technology
// (numbers 0..499) in state 3; all else 0.
static int SideTab_Start() {
  for (int k = 0; k < kSides; k++) {
    int* r = Sides.SideTab[k];
    r[kSideId] = k + 1;
    r[kSideTagAkd] = SideTagWord("LAkd");
    r[kSideTagAng] = SideTagWord("LAng");
    r[kSideTagHas] = SideTagWord("LHas");
    r[kSideTagNek] = SideTagWord("LNek");
    r[kSideTagNat] = SideTagWord("LNat");
    for (int t = 0; t < kSideTechs; t++) r[kSideTech0 + kTechWords * t] = 3;
  }
  return 1;
}
[[maybe_unused]] static const int gSideTabStarted = SideTab_Start();

static_assert(sizeof(TechEntry) == kTechWords * sizeof(int), "a technology entry is 13 words");

TechEntry* Side_Tech(int k, int t) {
  if (k < 0 || k >= kSides || t < 0 || t >= kSideTechs) return nullptr;
  return reinterpret_cast<TechEntry*>(&Sides.SideTab[k][kSideTech0 + kTechWords * t]);
}
