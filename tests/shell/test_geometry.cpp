// Frustum planes of a known camera and the tests against them, headings, contact tests, projection
// to pixels and the small pieces of state beside them.
#include <gtest/gtest.h>

#include <cmath>

#include "shell/geometry.h"

namespace {

// A GL-order camera at the origin looking down -z: 90 degrees both ways, near 1, far 100.
void Perspective90(float p[16]) {
  for (int i = 0; i < 16; ++i) p[i] = 0;
  const float n = 1, f = 100;
  p[0] = 1;
  p[5] = 1;
  p[10] = -(f + n) / (f - n);
  p[11] = -1;
  p[14] = -2 * f * n / (f - n);
}

void Identity(float m[16]) {
  for (int i = 0; i < 16; ++i) m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

struct Camera {
  float planes[kFrustumFloats];
  explicit Camera(float eyeX = 0) {
    float p[16], m[16];
    Perspective90(p);
    Identity(m);
    m[12] = -eyeX;  // the world moves left when the eye moves right
    Frustum_FromMatrices(p, m, planes);
  }
};

}  // namespace

TEST(Frustum, PlanesOfAKnownCameraAreNormalisedInOrder) {
  Camera cam;
  const float* pl = cam.planes;
  const float h = std::sqrt(0.5f);
  // right, left, bottom, top, far, near
  const float expect[6][4] = {{-h, 0, -h, 0}, {h, 0, -h, 0},  {0, h, -h, 0},
                              {0, -h, -h, 0}, {0, 0, 1, 100}, {0, 0, -1, -1}};
  for (int n = 0; n < 6; ++n)
    for (int k = 0; k < 4; ++k)
      EXPECT_NEAR(pl[4 * n + k], expect[n][k], 1e-3f) << "plane " << n << " value " << k;
}

TEST(Frustum, PointsAndBoxes) {
  Camera cam;
  const float* pl = cam.planes;
  EXPECT_EQ(Frustum_PointIn(pl, 0, 0, -50), 1);
  EXPECT_EQ(Frustum_PointIn(pl, 0, 0, -101), 0);
  EXPECT_EQ(Frustum_PointIn(pl, 60, 0, -50), 0);
  EXPECT_EQ(Frustum_PointIn(pl, 0, 49, -50), 1);
  EXPECT_EQ(Frustum_PointIn(pl, 0, 0, 10), 0);  // behind the eye

  EXPECT_EQ(Frustum_BoxIn(pl, 80, 0, -50, 5), 0);
  EXPECT_EQ(Frustum_BoxIn(pl, 52, 0, -50, 5), 1);
  EXPECT_EQ(Frustum_AabbIn(pl, 50, -1, -51, 60, 1, -49), 1);
  EXPECT_EQ(Frustum_AabbIn(pl, 56, -1, -51, 60, 1, -49), 0);
  // Outside the frustum, but not wholly behind any single plane: still reported as visible.
  // Past the far plane where the frustum is wide enough, short of it where it is not.
  EXPECT_EQ(Frustum_PointIn(pl, 110, 0, -102), 0);
  EXPECT_EQ(Frustum_AabbIn(pl, 100, -1, -110, 120, 1, -95), 1);

  float x = 0, y = 0, z = -200, hx = 2, hy = 2, hz = 99.5f;
  BoxRef box{&x, &y, &z, &hx, &hy, &hz};
  EXPECT_EQ(Frustum_BoxInRef(pl, box), 0);  // reaches only to z = -100.5
  hz = 101;
  EXPECT_EQ(Frustum_BoxInRef(pl, box), 1);
}

TEST(Frustum, PointsOnAPlaneAreOutside) {
  // With identity matrices the frustum is the cube -1..1, and its planes are exact.
  float p[16], m[16], pl[kFrustumFloats];
  Identity(p);
  Identity(m);
  Frustum_FromMatrices(p, m, pl);
  EXPECT_EQ(pl[20], 0.0f);
  EXPECT_EQ(pl[22], 1.0f);
  EXPECT_EQ(pl[23], 1.0f);
  EXPECT_EQ(Frustum_PointIn(pl, 0, 0, 0), 1);
  EXPECT_EQ(Frustum_PointIn(pl, 0, 0, -1), 0);  // on the near plane
  EXPECT_EQ(Frustum_PointIn(pl, 1, 0, 0), 0);
  EXPECT_EQ(Frustum_BoxIn(pl, 0, 0, -1, 0), 0);     // a point-sized cube on the near plane
  EXPECT_EQ(Frustum_BoxIn(pl, 0, 0, -1, 0.5f), 1);  // straddles it
  EXPECT_EQ(Frustum_BoxIn(pl, 0, 0, -2, 1), 0);     // touches it from behind
  EXPECT_EQ(Frustum_SegCrosses(pl, {0, 0, -1}, {0, 0, -3}), 0);
  EXPECT_EQ(Frustum_SegCrosses(pl, {0, 0, -0.5f}, {0, 0, -3}), 1);
}

TEST(Frustum, MovedCameraAndSegments) {
  Camera cam(10);
  const float* pl = cam.planes;
  EXPECT_EQ(Frustum_PointIn(pl, 55, 0, -50), 1);
  EXPECT_EQ(Frustum_PointIn(pl, -45, 0, -50), 0);
  EXPECT_EQ(Frustum_SegCrosses(pl, {10, 0, -50}, {10, 0, -150}), 1);  // through the far plane
  EXPECT_EQ(Frustum_SegCrosses(pl, {10, 0, -50}, {10, 0, -60}), 0);
  EXPECT_EQ(Frustum_SegCrosses(pl, {10, 0, -50}, {10, 0, -1}), 0);  // one end on the near plane
}

TEST(Geometry, HeadingsByQuadrant) {
  EXPECT_NEAR(Angle_OfVec2(1, 1, 0), 45, 1e-3f);
  EXPECT_NEAR(Angle_OfVec2(1, -1, 0), 135, 1e-3f);
  EXPECT_NEAR(Angle_OfVec2(-1, -1, 0), 225, 1e-3f);
  EXPECT_NEAR(Angle_OfVec2(-1, 1, 0), 315, 1e-3f);
  EXPECT_EQ(Angle_OfVec2(0.00005f, 3, 0), 0.0f);
  EXPECT_EQ(Angle_OfVec2(0.00005f, -3, 0), 180.0f);
  EXPECT_EQ(Angle_OfVec2(0, 0, 0), 270.0f);
  EXPECT_EQ(Angle_OfVec2(2, 0, 1), 1.5705f);
  EXPECT_EQ(Angle_OfVec2(-2, 0, 1), 4.7115f);
  EXPECT_NEAR(Angle_OfVec2(-1, 1, 1), 2 * 3.141f - 0.785398f, 1e-5f);
  EXPECT_NEAR(Angle_OfVec2(1, -1, 1), 3.141f - 0.785398f, 1e-5f);
}

TEST(Geometry, ContactNeedsOverlapNotTouch) {
  EXPECT_EQ(Circles_Touch(0, 0, 1, 2, 0, 1), 0);
  EXPECT_EQ(Circles_Touch(0, 0, 1, 2, 0, 1.5f), 1);
  EXPECT_EQ(Spheres_Touch(0, 0, 0, 1, 0, 2, 0, 1), 0);
  EXPECT_EQ(Spheres_Touch(0, 0, 0, 1, 0, 1, 1, 1), 1);
  EXPECT_EQ(Circles_TouchV({0, 0}, 1, {3, 4}, 4), 0);
  EXPECT_EQ(Circles_TouchV({0, 0}, 1.5f, {3, 4}, 4), 1);
  EXPECT_EQ(Spheres_TouchV({0, 0, 0}, 3, {2, 3, 6}, 4), 0);
  EXPECT_EQ(Spheres_TouchV({0, 0, 0}, 3.5f, {2, 3, 6}, 4), 1);
}

TEST(Geometry, ProjectionToPixels) {
  double model[16], proj[16];
  for (int i = 0; i < 16; ++i) model[i] = proj[i] = (i % 5 == 0) ? 1.0 : 0.0;
  const int viewport[4] = {0, 0, 800, 600};
  int sx = 5, sy = 6;
  EXPECT_EQ(Proj_ToScreenM(0, 0, 0, &sx, &sy, nullptr, proj, viewport), 0);
  EXPECT_EQ(sx, 5);
  EXPECT_EQ(sy, 6);
  EXPECT_EQ(Proj_ToScreenM(0.5f, -0.5f, 0, &sx, &sy, model, proj, viewport), 1);
  EXPECT_EQ(sx, 600);
  EXPECT_EQ(sy, 150);  // counted from the bottom
  EXPECT_EQ(Proj_ToScreenM(0.3333f, 0, 0, &sx, &sy, model, proj, viewport), 1);
  EXPECT_EQ(sx, 533);  // 533.32 truncated
  double flat[16] = {};
  EXPECT_EQ(Proj_ToScreenM(1, 1, 1, &sx, &sy, model, flat, viewport), 0);
  EXPECT_EQ(sx, -1);
  EXPECT_EQ(sy, -1);
  // A perspective camera looking down -z (w = -z): points before it project, behind it not.
  proj[15] = 0, proj[11] = -1;
  EXPECT_EQ(Proj_ToScreenM(0.5f, 0, -2, &sx, &sy, model, proj, viewport), 1);
  EXPECT_EQ(sx, 500);  // x / w = 0.25
  EXPECT_EQ(Proj_ToScreenM(0.5f, 0, 2, &sx, &sy, model, proj, viewport), 0);
  EXPECT_EQ(sx, -1);
  EXPECT_EQ(Proj_ToScreenM(0.5f, 0, 0, &sx, &sy, model, proj, viewport), 0);
}

TEST(Geometry, FigureNumbersCountUpAndRaise) {
  int first = NextId();
  EXPECT_GE(first, 1);
  EXPECT_EQ(NextId(), first + 1);
  NextId_Raise(first + 50);
  EXPECT_EQ(NextId(), first + 50);  // the highest loaded number is handed out again
  NextId_Raise(3);
  EXPECT_EQ(NextId(), first + 51);
}

TEST(Geometry, DragSlotIsSetOnlyWhole) {
  Fgr* a = reinterpret_cast<Fgr*>(0x10);
  Fgr* b = reinterpret_cast<Fgr*>(0x20);
  int widget = 0, other = 0;
  EXPECT_EQ(Slot3_Clear(), 0);
  EXPECT_EQ(Slot3_IsSet(), 0);
  Slot3_Set(a, b, &widget);
  EXPECT_EQ(Slot3_IsSet(), 1);
  Slot3_Set(b, nullptr, &other);  // refused: the earlier slot stays
  EXPECT_EQ(Geo.DragSlot.fgr, a);
  EXPECT_EQ(Geo.DragSlot.widget, &widget);
  Slot3_Clear();
  EXPECT_EQ(Slot3_IsSet(), 0);
  EXPECT_EQ(Geo.DragSlot.item, nullptr);
}

TEST(Geometry, TechnologyEntries) {
  TechEntry side[10];
  for (auto& t : side)
    for (int& w : t.w) w = -7;
  TechEntry_Set(&side[2], 40, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10);
  EXPECT_EQ(side[2].w[0], 1);
  EXPECT_EQ(side[2].w[1], 40);
  EXPECT_EQ(side[2].w[2], -7);  // word 2 is left alone
  for (int i = 3; i < 13; ++i) EXPECT_EQ(side[2].w[i], i - 2);
  TechEntry_SetDefault(side);
  EXPECT_EQ(side[6].w[0], 1);
  EXPECT_EQ(side[6].w[1], 5000);
  EXPECT_EQ(side[6].w[2], -7);
  EXPECT_EQ(side[6].w[3], 9);
  for (int i = 4; i < 13; ++i) EXPECT_EQ(side[6].w[i], 0);
  EXPECT_EQ(side[5].w[0], -7);
  EXPECT_EQ(side[7].w[0], -7);
}
