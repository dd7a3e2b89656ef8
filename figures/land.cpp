// Storage of the two land floors.
#include "figures/land.h"

#include <cstring>

#include "figures/fgr.h"
#include "shell/mem_clear.h"
#include "shell/random.h"
#include "shell/rect.h"

t_Land Land;

LandKle* Land_Layer(int floor) { return floor == 1 ? Land.LandUnder.kle : Land.LandSurface.kle; }

int Land_CellValid(int cell) {
  if (cell < kLandSide || cell >= kLandCells - kLandSide) return 0;
  int col = cell % kLandSide;
  return col != 0 && col != kLandSide - 1;
}

int Land_CellIndex(float x, float z) {
  // The range test also refuses NaN, so the conversions below are always defined.
  if (!(x >= 0.0f && x <= kLandWorldSize && z >= 0.0f && z <= kLandWorldSize)) return -1;
  constexpr int kCell = (int)kLandCellSize;
  const int c = Grid_CellIndex((int)x, (int)z, 0, 0, kCell, kCell, kLandSide, kLandSide);
  return c < kLandCells ? c : -1;
}

// --- The floor's drawing.

LandFloor* Land_Floor(int floor) { return floor == 1 ? &Land.LandUnder : &Land.LandSurface; }

void Fgr_SetSpeLosk(Fgr* f, int nom, int underGround) {
  if (!f) return;
  f->KamStudio = 1;
  if (nom < 0 || nom >= kLandChunks) return;
  // The figure keeps its number and floor: a saved stage binds each patch to its own chunk again.
  f->SpeLoskNom = nom;
  f->UnderGround = underGround;
  LandChunk* c = &Land_Floor(underGround)->chunk[nom];
  c->patch = f;
  f->speEntry = c;
}

void Fgr_SetSpeDecal(Fgr* f, int nom) {
  if (!f) return;
  f->SpeDecalNom = nom;
  if (nom != 1 && nom != 2) return;
  // The record's indices name vertices of a floor's mesh: the decal needs that floor to be drawn.
  f->speDecal = &Land.LandDecals[nom];
  f->landSurf = Land_Floor(f->UnderGround);
}

void Fgr_SetKamStudio(Fgr* f) {
  if (!f) return;
  f->KamStudio = 1;
  f->landSurf = &Land.LandSurface;
  f->landUnder = &Land.LandUnder;
}

void LandFloor_DecorateMesh(LandFloor* fl) {
  for (int c = 0; c < kLandCells; c++) {
    if (!Land_CellValid(c)) continue;
    int v = fl->kle[c].vert;
    if (v < 0 || v >= kLandVerts) continue;  // a floor not yet started names no vertex
    uint8_t* rgb = fl->rgba[v];
    float& y = fl->vert[v].y;
    switch (fl->kle[c].tile) {
      case 1:
        y = 0.0f;
        rgb[0] = (uint8_t)(200 + Rand() % 21);
        rgb[1] = (uint8_t)(120 + Rand() % 31);
        rgb[2] = (uint8_t)(110 + Rand() % 21);
        break;
      case 5:
        y = 0.0f;
        rgb[0] = 30, rgb[1] = 30, rgb[2] = 190;
        break;
      case 6:
        y = (float)(Rand() % 5 + 1) * 1.25f + 5.0f;
        rgb[0] = rgb[1] = rgb[2] = 30;
        break;
      default:
        y = (float)(Rand() % 100 + 1) * 0.02020202f;
        for (int k = 0; k < 3; k++) rgb[k] = (uint8_t)(99 + Rand() % 22);
        break;
    }
  }
}

void LandFloor_ForgetDecoration(LandFloor* fl) { MemClear(fl->decoLoad, sizeof fl->decoLoad); }
