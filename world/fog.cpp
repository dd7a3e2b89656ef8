// The fog maps of both floors, rebuilt from scratch every frame.
#include "world/fog.h"

#include <cmath>
#include <cstring>

#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"

// Moves v by step until it is no longer beyond the limit, as a loop of float steps would; far off
// the field, where such a loop would run long or never end, in one step.
static float StepInside(float v, float limit, float step) {
  double n = std::ceil(((double)limit - v) / step);
  if (!(n > 0.0)) return v;
  if (n > 512.0) return (float)(v + n * step);
  while ((step > 0.0f) ? v < limit : v > limit) v += step;
  return v;
}

void Fog_OctagonCells(float x, float z, float radius, void (*visit)(int cell, void* ctx), void* ctx) {
  if (!std::isfinite(x) || !std::isfinite(z)) return;
  // The box is kept inside one cell from the field's low edges and the far edge itself.
  constexpr float kLow = kLandCellSize, kHigh = kLandWorldSize, kCell = kLandCellSize;
  float x0 = StepInside(x - radius, kLow, kCell), z0 = StepInside(z - radius, kLow, kCell);
  float x1 = StepInside(x + radius, kHigh, -kCell), z1 = StepInside(z + radius, kHigh, -kCell);
  // A box that starts beyond the field, or ends before it starts, holds nothing.
  if (!(x0 >= kLow && x0 <= kHigh && z0 >= kLow && z0 <= kHigh)) return;
  if (!(x1 >= x0 - kCell && z1 >= z0 - kCell)) return;
  int first = Land_CellIndex(x0, z0);
  if (first < 0) return;
  int w = (int)((x1 - x0) / kCell) + 1, h = (int)((z1 - z0) / kCell) + 1;
  int k = (int)((float)w * 0.5f * 0.54f);
  for (int r = 0; r < h; r++)
    for (int c = 1; c <= w; c++) {
      if (c < k + 1 - r || c > w - k + r || c < k - w + 2 + r || c > 2 * w - k - 1 - r) continue;
      int cell = first + r * kLandSide + (c - 1);
      if (cell >= 0 && cell < kLandCells) visit(cell, ctx);
    }
}

static void OpenCell(int cell, void* fog) { static_cast<uint8_t*>(fog)[cell] = 0; }

void FogVisRebuild(t_Fgrs* c) {
  memset(Land.LandSurface.FogVis, EditModeOn ? 0 : kFogUnseen, kLandCells);
  memset(Land.LandUnder.FogVis, EditModeOn ? 0 : kFogUnseen, kLandCells);
  if (EditModeOn || !c) return;
  for (int i = 1; i < kFgrsSlots; i++) {
    const Fgr* f = &c->mf[i];
    if (!f->Active() || !Fgr_IsOwnedBy(f, Sides.PlayerSide)) continue;
    int r = Fgr::RadiusVis(f);
    if (r > 10)
      Fog_OctagonCells(f->priv_position_x, f->priv_position_z, (float)r, OpenCell,
                       Land_Floor(f->UnderGround)->FogVis);
  }
}
