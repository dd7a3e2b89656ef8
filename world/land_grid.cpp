// The land grid: cell lookups, highlights, the ground pick and a figure's cells.
#include "world/land_grid.h"

#include <GL/glu.h>

#include <cmath>
#include <cstring>

#include "figures/fa_proc_env.h"
#include "figures/fgr.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "render/field.h"
#include "shell/random.h"
#include "world/movement.h"

float CamObzorY = 45.0f;

int Land_CellAt(float x, float z) {
  const int c = Land_CellIndex(x, z);
  return Land_CellValid(c) ? c : -1;
}

void Land_CellCentre(int cell, float* x, float* z) {
  *x = (float)(cell % kLandSide) * kLandCellSize + kLandHalfCell;
  *z = (float)(cell / kLandSide) * kLandCellSize + kLandHalfCell;
}

int Land_CellFromPos(float x, float z, float radius, int, int retry) {
  float dx, dz;
  RandRingOffset(radius, &dx, &dz);
  int c = Land_CellAt(x + dx, z + dz);
  if (c >= 0 || !retry) return c;
  if (Rand() % 2) return Land_CellAt(x - dx, z + dz);
  return Land_CellAt(x + dx, z - dz);
}

void Land_InitCellFlags() {
  for (LandFloor* fl : {&Land.LandSurface, &Land.LandUnder}) {
    LandFloor_ForgetDecoration(fl);
    for (int c = 0; c < kLandCells; c++) {
      LandKle& k = fl->kle[c];
      bool v = Land_CellValid(c);
      k.tile = v ? 2 : 0;
      k.objCode = v ? 1 : 0;
      k.cursor = 0;
      k.flag = v ? 2 : 0;
    }
  }
}

static void CellQuadSet(LandDecal* q, int cell) {
  if ((unsigned)cell >= (unsigned)kLandCells) return;
  uint32_t v = (uint32_t)Land.LandSurface.kle[cell].vert;
  constexpr uint32_t kUp = Land_VertStep(0, 1), kUpRight = Land_VertStep(1, 1),
                     kRight = Land_VertStep(1, 0);
  const uint32_t ind[6] = {v, v + kUp, v + kUpRight, v, v + kUpRight, v + kRight};
  memcpy(q->ind, ind, sizeof ind);
  q->cell = cell;
  q->count = 6;
}

void Land_CellQuad(int cell) { CellQuadSet(&Land.LandDecals[1], cell); }
void Land_CellQuad2(int cell) { CellQuadSet(&Land.LandDecals[2], cell); }

int Land_SegTri(float* out, const float* p0, const float* p1, const float* a, const float* b,
                const float* c) {
  float u[3], w[3], n[3];
  for (int i = 0; i < 3; i++) u[i] = b[i] - a[i], w[i] = c[i] - a[i];
  n[0] = u[1] * w[2] - u[2] * w[1];
  n[1] = u[2] * w[0] - u[0] * w[2];
  n[2] = u[0] * w[1] - u[1] * w[0];
  float d0 = 0.0f, d1 = 0.0f;
  for (int i = 0; i < 3; i++) d0 += n[i] * (p0[i] - a[i]), d1 += n[i] * (p1[i] - a[i]);
  if (std::fabs(d0 - d1) < 0.00001f) return 0;  // parallel to the plane
  float t = d0 / (d0 - d1);
  if (!(t >= 0.0f && t <= 1.0f)) return 0;
  for (int i = 0; i < 3; i++) out[i] = p0[i] + t * (p1[i] - p0[i]);
  return 1;
}

// The cut of segment n..f with the horizontal plane y = h.
static int CutAtHeight(float* out, const float* n, const float* f, float h) {
  const float a[3] = {0.0f, h, 0.0f}, b[3] = {0.0f, h, kLandCellSize}, c[3] = {kLandCellSize, h, 0.0f};
  return Land_SegTri(out, n, f, a, b, c);
}

static int PickAnswer(float* out, int cell, const LandKle* cells) {
  Land_CellCentre(cell, &out[0], &out[2]);
  out[1] = cells[cell].height;
  return cell;
}

int Land_PickRay(float* out, int mx, int my, const double* view) {
  if (!view || !out) return 0;
  int vp[4];
  memcpy(vp, view + 32, sizeof vp);
  double n[3], f[3];
  if (!gluUnProject(mx, my, 0.0, view, view + 16, vp, &n[0], &n[1], &n[2])) return 0;
  if (!gluUnProject(mx, my, 1.0, view, view + 16, vp, &f[0], &f[1], &f[2])) return 0;
  const float N[3] = {(float)n[0], (float)n[1], (float)n[2]},
              F[3] = {(float)f[0], (float)f[1], (float)f[2]};
  const LandKle* cells = Land_Layer(visUnderGround);
  int cn = Land_CellAt(N[0], N[2]);
  if (cn >= 0 && cn == Land_CellAt(F[0], F[2])) return PickAnswer(out, cn, cells);
  float p0[3], p25[3];
  if (!CutAtHeight(p0, N, F, 0.0f) || !CutAtHeight(p25, N, F, 25.0f)) return 0;
  float d[3] = {p0[0] - p25[0], p0[1] - p25[1], p0[2] - p25[2]};
  float dist = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
  if (!std::isfinite(dist)) return 0;
  if (dist > 0.0f)
    for (float& v : d) v /= dist;
  // Only the part of the walk over the land square can meet a cell: a ray near the horizon is
  // clipped to it instead of walking its whole length.
  constexpr float kLow = -kLandCellSize, kHigh = kLandWorldSize + kLandCellSize;  // a cell's margin
  float t0 = -1.0f, t1 = dist;
  for (int ax : {0, 2}) {
    if (d[ax] == 0.0f) {
      if (p25[ax] < kLow || p25[ax] > kHigh) return 0;
      continue;
    }
    float a = (kLow - p25[ax]) / d[ax], b = (kHigh - p25[ax]) / d[ax];
    t0 = std::fmax(t0, std::fmin(a, b));
    t1 = std::fmin(t1, std::fmax(a, b));
  }
  if (t0 > t1) return 0;
  int prev = -1;
  auto test = [&](double t) {
    float px = (float)(p25[0] + d[0] * t), py = (float)(p25[1] + d[1] * t),
          pz = (float)(p25[2] + d[2] * t);
    int c = Land_CellAt(px, pz);
    if (c <= 0 || c == prev) return 0;
    prev = c;
    return cells[c].height >= py ? c : 0;
  };
  for (double i = std::floor((double)t0); i <= t1; i += 1.0)
    if (int c = test(i)) return PickAnswer(out, c, cells);
  // The walk ends on the ground plane itself, where flat land at height 0 is met (its cell may
  // have been looked at higher up already).
  if (t1 >= dist) {
    int c = Land_CellAt(p0[0], p0[2]);
    if (c > 0 && cells[c].height >= 0.0f) return PickAnswer(out, c, cells);
  }
  return 0;
}

void Fgr_NoteCell(Fgr* f) {
  if (!f) return;
  int c = Land_CellAt(f->priv_position_x, f->priv_position_z);
  if (c < 0) {
    f->KleX1 = 0;
    return;
  }
  if (f->GabarIsFat) {
    f->KleX1 = c;
    f->KleX2 = c + 1;
    return;
  }
  if (f->KleX1 != c) f->KleX2 = f->KleX1;
  f->KleX1 = c;
}

void Fgr_SetPosition(Fgr* f, float x, float y, float z) {
  if (!f) return;
  f->priv_position_x = x;
  f->priv_position_y = y;
  f->priv_position_z = z;
  Fgr_NoteCell(f);
}

void Fgr_SetPositionXZ(Fgr* f, float x, float z) {
  if (!f) return;
  f->priv_position_x = x;
  f->priv_position_z = z;
  Fgr_NoteCell(f);
}

static int FgrCell(const Fgr* f) { return Land_CellAt(f->priv_position_x, f->priv_position_z); }

int Fgr_TakeCell(Fgr* f) {
  if (!f) return 0;
  int c = FgrCell(f);
  if (c < 0) return 0;
  LandKle& k = Land_Layer(f->UnderGround)[c];
  if (k.occupant && !k.occupant->Status()) k.occupant = nullptr;
  if (!k.occupant) k.occupant = f;
  if (k.occupant == f) return 1;
  Fgr_StepAsideRandom(f, c);
  return 0;
}

void Fgr_LandCellFree(Fgr* f) {
  if (!f) return;
  int c = FgrCell(f);
  if (c < 0) return;
  LandKle& k = Land_Layer(f->UnderGround)[c];
  if (k.occupant == f) k.occupant = nullptr;
}

void Fgr_LandCellUnregister(Fgr* f) {
  if (!f) return;
  int c = FgrCell(f);
  if (c < 0) return;
  LandKle* cells = Land_Layer(f->UnderGround);
  for (int d : kLandNeighbours)
    if (Land_CellValid(c + d)) cells[c + d].occupant = nullptr;
  f->Sbros();
}

void Fgr_LandCellCountdown(Fgr* f) {
  if (!f) return;
  f->dXKlv -= 1;
  if (f->dXKlv == 0) Fgr_LandCellUnregister(f);
}

void Land_AttachHolder(int cell, Fgr* f) {
  if (!f || !Land_CellValid(cell) || f->dXKlvMax) return;
  LandKle& k = Land_Layer(f->UnderGround)[cell];
  if (k.objCode != 16) return;
  k.holder = f;
  if (!f->dXKlv) {
    f->dXKlv = cell;
    f->targPathKle = cell;
  } else {
    f->dXKlvMax = cell;
  }
}

// Procedure 11 of camera figures: the camera hangs behind the point it looks at.
void Proc_PlaceAtCursor(Fgr* f) {
  if (!f) return;
  f->priv_position_x = FieldRect.CamLookX;
  f->priv_position_z = FieldRect.CamLookZ + 200.0f;
  Fgr_NoteCell(f);
  f->laserX = FieldRect.CamLookX;
  f->laserZ = FieldRect.CamLookZ;
  f->kmra_Proj__ObzorY = CamObzorY;
}

void r_Proc_PlaceAtCursor_(Fgr* pf) { Proc_PlaceAtCursor(pf); }
