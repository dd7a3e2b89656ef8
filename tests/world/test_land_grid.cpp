// The land grid: cells of world points, a figure's cells, and the ground pick under the cursor
// through hand-made camera matrices.
#include <cmath>
#include <cstring>
#include <limits>

#include "world_fixture.h"

namespace {

// A view block as the scene keeps it: modelview, projection (column by column), viewport.
struct ViewBlock {
  double m[16], p[16];
  int vp[4];
};
static_assert(sizeof(ViewBlock) == 32 * sizeof(double) + 4 * sizeof(int), "packed as the pick reads it");

ViewBlock Camera(double ex, double ey, double ez, double tx, double ty, double tz, double ux, double uy,
                 double uz, double farPlane = 420.0) {
  ViewBlock v{};
  double f[3] = {tx - ex, ty - ey, tz - ez}, up[3] = {ux, uy, uz};
  auto norm = [](double* a) {
    double l = std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
    for (int i = 0; i < 3; i++) a[i] /= l;
  };
  auto cross = [](const double* a, const double* b, double* o) {
    o[0] = a[1] * b[2] - a[2] * b[1], o[1] = a[2] * b[0] - a[0] * b[2], o[2] = a[0] * b[1] - a[1] * b[0];
  };
  norm(f);
  double s[3], u[3];
  cross(f, up, s);
  norm(s);
  cross(s, f, u);
  const double e[3] = {ex, ey, ez};
  for (int i = 0; i < 3; i++) {
    v.m[4 * i + 0] = s[i], v.m[4 * i + 1] = u[i], v.m[4 * i + 2] = -f[i];
  }
  v.m[12] = -(s[0] * e[0] + s[1] * e[1] + s[2] * e[2]);
  v.m[13] = -(u[0] * e[0] + u[1] * e[1] + u[2] * e[2]);
  v.m[14] = f[0] * e[0] + f[1] * e[1] + f[2] * e[2];
  v.m[15] = 1.0;
  const double n = 1.0, fa = farPlane, c = 1.0 / std::tan(45.0 * M_PI / 360.0);
  v.p[0] = c / (800.0 / 600.0), v.p[5] = c, v.p[10] = (fa + n) / (n - fa), v.p[11] = -1.0;
  v.p[14] = 2.0 * fa * n / (n - fa);
  v.vp[0] = 0, v.vp[1] = 0, v.vp[2] = 800, v.vp[3] = 600;
  return v;
}

int Pick(const ViewBlock& v, float* out, int mx = 400, int my = 300) {
  return Land_PickRay(out, mx, my, reinterpret_cast<const double*>(&v));
}

}  // namespace

class LandGrid : public WorldTest {};

TEST_F(LandGrid, CellsOfPointsAndOfFigures) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  // The cell number whatever its validity, then the valid cell. A point on the field's far edge
  // names column 0 of the next row; one beyond it, or a number past the last cell, names none.
  // clang-format off
  struct {
    float x, z;
    int index, cell;
  } const kPoints[] = {
      {5, 5, 0, -1},         {15, 15, 257, 257},       {2545, 15, 510, 510},   {2555, 15, 511, -1},
      {15, 2545, 65025, 65025}, {15, 2555, 65281, -1}, {-0.5f, 15, -1, -1},    {nan, 15, -1, -1},
      {1e30f, 15, -1, -1},   {15, -1e30f, -1, -1},     {15, 25, 513, 513},     {10, 10, 257, 257},
      {0, 5, -1, -1},        {5, 0, -1, -1},           {2561, 5, -1, -1},      {2560, 5, 256, -1},
      {2560.5f, 15, -1, -1}, {5, 2560, -1, -1},        {19.99f, 19.99f, 257, 257}};
  // clang-format on
  for (auto& p : kPoints) {
    EXPECT_EQ(Land_CellIndex(p.x, p.z), p.index) << p.x << "," << p.z;
    EXPECT_EQ(Land_CellAt(p.x, p.z), p.cell) << p.x << "," << p.z;
  }

  Fgr* f = Make(fgrUnitPeh);
  Fgr_SetPosition(f, 445.0f, 0.0f, 15.0f);  // column 44, row 1
  EXPECT_EQ(f->KleX1, 300);
  Fgr_SetPositionXZ(f, 455.0f, 15.0f);
  EXPECT_EQ(f->KleX1, 301);
  EXPECT_EQ(f->KleX2, 300);
  Fgr_SetPositionXZ(f, -50.0f, 15.0f);
  EXPECT_EQ(f->KleX1, 0) << "off the valid cells";
  EXPECT_EQ(f->KleX2, 300);
  f->GabarIsFat = 1;
  Fgr_SetPositionXZ(f, 445.0f, 15.0f);
  EXPECT_EQ(f->KleX1, 300);
  EXPECT_EQ(f->KleX2, 301);

  // A cell another live figure stands in makes a figure step aside to a valid neighbour.
  Fgr* g = MakeUnit(2, 300);
  EXPECT_EQ(Fgr_TakeCell(f), 1);
  EXPECT_EQ(Land.LandSurface.kle[300].occupant, f);
  EXPECT_EQ(Fgr_TakeCell(g), 0);
  EXPECT_EQ(g->GoAwayMove, 1);
  EXPECT_TRUE(Land_CellValid(g->targPathKle));
  EXPECT_EQ(std::abs(g->targPathKle % 256 - 44) <= 1 && std::abs(g->targPathKle / 256 - 1) <= 1, true);

  Land_CellQuad(300);
  ASSERT_EQ(Land.LandDecals[1].count, 6);
  Land_CellQuad(-1);
  EXPECT_EQ(Land.LandDecals[1].count, 6) << "-1 leaves the highlight as it was";
  EXPECT_EQ(Land.LandDecals[1].cell, 300);
  Land_CellQuad(65536);
  EXPECT_EQ(Land.LandDecals[1].count, 6);
  EXPECT_EQ(Land.LandDecals[1].cell, 300);
}

TEST_F(LandGrid, TheGroundUnderTheCursor) {
  float out[3];
  // Straight down over the centre of cell (100, 100): both ends of the ray lie in it.
  ViewBlock down = Camera(1005, 300, 1005, 1005, 0, 1005, 0, 0, -1);
  EXPECT_EQ(Pick(down, out), 100 * 256 + 100);
  EXPECT_FLOAT_EQ(out[0], 1005.0f);
  EXPECT_FLOAT_EQ(out[2], 1005.0f);
  // At a slant, as the start camera looks: flat land at height 0 is met where the ray reaches it.
  ViewBlock slant = Camera(1000, 200, 1200, 1000, 0, 1000, 0, 1, 0);
  EXPECT_EQ(Pick(slant, out), 100 * 256 + 100);
  EXPECT_FLOAT_EQ(out[0], 1005.0f);
  EXPECT_FLOAT_EQ(out[1], 0.0f);
  EXPECT_FLOAT_EQ(out[2], 1005.0f);
  // A raised cell on the way stops the walk: cell (100, 101) at height 20 is met at its first point.
  Land.LandSurface.kle[101 * 256 + 100].height = 20.0f;
  EXPECT_EQ(Pick(slant, out), 101 * 256 + 100);
  EXPECT_FLOAT_EQ(out[1], 20.0f);
  // On the floor below that cell is flat.
  visUnderGround = 1;
  EXPECT_EQ(Pick(slant, out), 100 * 256 + 100);
  visUnderGround = 0;
  // The sky, a ray that meets the ground only far beyond the land, and no view: nothing.
  ViewBlock sky = Camera(1000, 50, 1000, 1000, 100, 0, 0, 1, 0);
  EXPECT_EQ(Pick(sky, out), 0);
  ViewBlock horizon = Camera(1280, 25.5, 2550, 1280, 0, 2550 - 1.0e6, 0, 1, 0, 2.0e6);
  EXPECT_EQ(Pick(horizon, out), 0);
  EXPECT_EQ(Land_PickRay(out, 400, 300, nullptr), 0);
}
