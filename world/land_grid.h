// The land grid: cells from world points, the cell flags of a new world, the two highlighted cells,
// the ground under the cursor, and the way a figure records, takes, holds and leaves its cells.
// Every call checks a cell's validity before it reads or writes one: no index outside 0..65535 is
// ever used, and positions that are off the field or not finite name no cell.
#pragma once
#include <cmath>
#include <cstdint>

#include "figures/land.h"

class Fgr;

// A highlighted cell: two triangles of the surface mesh around its low-corner vertex (count 6 once
// set), held in the land decal records that the two decal figures draw: Land.LandDecals[1] the
// route target of a unit, Land.LandDecals[2] a ground order or point order.
// The ground point the camera looks at is the field's view centre, FieldRect.CamLookX and CamLookZ
// (render/field.h).
extern float CamObzorY;  // the camera's vertical field of view in degrees

// The valid cell under a world point, or -1 (also for points off the field and non-finite ones).
int Land_CellAt(float x, float z);
// The cells along a straight line over the land, as the line of fire and a path's straight leg
// test them: a point advances from (x, z) toward (tx, tz) by steps of 5 world units (it stays when
// the two coincide), at most 1024 steps; visit(cell) runs with the point's valid cell, or -1,
// whenever that differs from the cell of the step before (always after the first step), and ends
// the walk by answering true. Answers whether it was ended so.
constexpr float kLineWalkStep = 5.0f;
constexpr int kLineWalkSteps = 1024;
template <class Visit>
bool Land_LineWalk(float x, float z, float tx, float tz, Visit visit) {
  float dx = tx - x, dz = tz - z;
  const float d = std::sqrt(dx * dx + dz * dz);
  if (d > 0.0f) dx = dx / d * kLineWalkStep, dz = dz / d * kLineWalkStep;
  int prev = 0;
  for (int i = 1; i <= kLineWalkSteps; i++) {
    x += dx, z += dz;
    const int c = Land_CellAt(x, z);
    if (i > 1 && c == prev) continue;
    prev = c;
    if (visit(c)) return true;
  }
  return false;
}
// The centre of a cell in world units (its low corner plus half a cell).
void Land_CellCentre(int cell, float* x, float* z);
// The valid cell at a random point on the ring of radius around (x, z), or -1; with retry, an
// invalid first point is tried once more mirrored on one axis. The fourth argument has no effect.
int Land_CellFromPos(float x, float z, float radius, int ignored, int retry);
void Land_InitCellFlags();  // every valid cell of both floors 2, 1, 0, 2; every border cell 0, 0, 0, 0
void Land_CellQuad(int cell);  // indexes of 65536 or more (a negative one) leave it as it was
void Land_CellQuad2(int cell);
// The ground cell under window point (mx, my) on the shown floor, with out = its centre at its
// height; 0 when the ray meets no land between heights 0 and 25 (or for a null view). view: 16
// doubles modelview, 16 doubles projection, then the viewport as 4 ints.
int Land_PickRay(float* out, int mx, int my, const double* view);
// 1 and out = the point where segment p0..p1 meets the plane of triangle a, b, c; else 0.
int Land_SegTri(float* out, const float* p0, const float* p1, const float* a, const float* b,
                const float* c);

// The cell a figure stands in (KleX1, 0 off the valid cells) and the one it stood in before.
void Fgr_NoteCell(Fgr* f);
// Procedure 11 of camera figures: x at the looked-at point, z 200 behind it, the point as the laser
// target and the field of view as the projection's.
void Proc_PlaceAtCursor(Fgr* f);
// Every position change of a figure goes through these; the W forms are the same calls.
void Fgr_SetPosition(Fgr* f, float x, float y, float z);
void Fgr_SetPositionXZ(Fgr* f, float x, float z);
inline void Fgr_SetPositionW(Fgr* f, float x, float y, float z) { Fgr_SetPosition(f, x, y, z); }
inline void Fgr_SetPositionXZW(Fgr* f, float x, float z) { Fgr_SetPositionXZ(f, x, z); }
// The figure becomes the occupant of its cell; a cell another live figure occupies makes it step
// aside. Answers 1 when it took the cell.
int Fgr_TakeCell(Fgr* f);
void Fgr_LandCellFree(Fgr* f);        // its cell forgets it as occupant
void Fgr_LandCellUnregister(Fgr* f);  // the eight cells around it forget their occupant; reset
void Fgr_LandCellCountdown(Fgr* f);   // a land cell figure (kind 19) activated by number counts down
// The cell (object code 16) becomes held by the figure: the first such cell is its dXKlv and
// targPathKle, a second its dXKlvMax; a figure holding two takes no more.
void Land_AttachHolder(int cell, Fgr* f);
