// Geometry tests and the view frustum. The frustum is worked out from two matrices by a pure function
// so that it can be checked without a GL context; the GL reader only fetches the matrices.
#include "shell/geometry.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <climits>
#include <cmath>

t_Geo Geo;

namespace {

float Dist(const float* pl, float x, float y, float z) {
  return pl[0] * x + pl[1] * y + pl[2] * z + pl[3];
}

// 0 when, for some plane, none of the eight corners lies inside it.
int CornersIn(const float planes[], float x1, float y1, float z1, float x2, float y2, float z2) {
  const float xs[2] = {x1, x2}, ys[2] = {y1, y2}, zs[2] = {z1, z2};
  for (int p = 0; p < 6; ++p) {
    const float* pl = planes + 4 * p;
    bool anyIn = false;
    for (int c = 0; c < 8 && !anyIn; ++c)
      anyIn = Dist(pl, xs[c & 1], ys[(c >> 1) & 1], zs[c >> 2]) > 0.0f;
    if (!anyIn) return 0;
  }
  return 1;
}

}  // namespace

void Plane_Normalize(float planes[], int i) {
  float* pl = planes + 4 * i;
  float len = static_cast<float>(std::sqrt(pl[0] * pl[0] + pl[1] * pl[1] + pl[2] * pl[2]));
  for (int k = 0; k < 4; ++k) pl[k] /= len;
}

void Frustum_FromMatrices(const float p[16], const float m[16], float planes[kFrustumFloats]) {
  float clip[16];
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      clip[4 * i + j] =
          m[4 * i] * p[j] + m[4 * i + 1] * p[4 + j] + m[4 * i + 2] * p[8 + j] + m[4 * i + 3] * p[12 + j];
  // Plane = column 3 plus or minus column k of clip.
  static const int kCol[6] = {0, 0, 1, 1, 2, 2};
  static const float kSign[6] = {-1, 1, 1, -1, -1, 1};
  for (int n = 0; n < 6; ++n) {
    for (int r = 0; r < 4; ++r) planes[4 * n + r] = clip[4 * r + 3] + kSign[n] * clip[4 * r + kCol[n]];
    Plane_Normalize(planes, n);
  }
}

void Frustum_Extract(float planes[kFrustumFloats]) {
  float p[16], m[16];
  glGetFloatv(GL_PROJECTION_MATRIX, p);
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  Frustum_FromMatrices(p, m, planes);
}

int Frustum_PointIn(const float planes[], float x, float y, float z) {
  for (int p = 0; p < 6; ++p)
    if (Dist(planes + 4 * p, x, y, z) <= 0.0f) return 0;
  return 1;
}

int Frustum_BoxIn(const float planes[], float x, float y, float z, float size) {
  return CornersIn(planes, x - size, y - size, z - size, x + size, y + size, z + size);
}

int Frustum_BoxInRef(const float planes[], const BoxRef& b) {
  return CornersIn(planes, *b.x - *b.hx, *b.y - *b.hy, *b.z - *b.hz, *b.x + *b.hx, *b.y + *b.hy,
                   *b.z + *b.hz);
}

int Frustum_AabbIn(const float planes[], float x1, float y1, float z1, float x2, float y2, float z2) {
  return CornersIn(planes, x1, y1, z1, x2, y2, z2);
}

int Frustum_SegCrosses(const float planes[], const Vec3& p, const Vec3& q) {
  for (int n = 0; n < 6; ++n) {
    const float* pl = planes + 4 * n;
    if (Dist(pl, p.x, p.y, p.z) * Dist(pl, q.x, q.y, q.z) < 0.0f) return 1;
  }
  return 0;
}

float Angle_OfVec2(float a, float b, int radians) {
  const float eps = 0.0001f;
  if (std::fabs(b) < eps) {
    if (a > 0.0f) return radians ? 1.5705f : 90.0f;
    return radians ? 4.7115f : 270.0f;
  }
  if (std::fabs(a) < eps) {
    if (b > 0.0f) return 0.0f;
    return radians ? 3.141f : 180.0f;
  }
  float t = static_cast<float>(std::atan(a / b));
  if (!radians) t *= 57.2958f;
  if (b < 0.0f) return t + (radians ? 3.141f : 180.0f);
  if (a < 0.0f) return t + (radians ? 2.0f * 3.141f : 360.0f);
  return t;
}

int Circles_Touch(float x1, float y1, float r1, float x2, float y2, float r2) {
  float dx = x1 - x2, dy = y1 - y2;
  return std::sqrt(dx * dx + dy * dy) < r1 + r2 ? 1 : 0;
}

int Spheres_Touch(float x1, float y1, float z1, float r1, float x2, float y2, float z2, float r2) {
  float dx = x1 - x2, dy = y1 - y2, dz = z1 - z2;
  return std::sqrt(dx * dx + dy * dy + dz * dz) < r1 + r2 ? 1 : 0;
}

int Circles_TouchV(const Vec2& a, float r1, const Vec2& b, float r2) {
  return Vec2Len(Vec2Sub(a, b)) < r1 + r2 ? 1 : 0;
}

int Spheres_TouchV(const Vec3& a, float r1, const Vec3& b, float r2) {
  Vec3 d;
  Vec3Sub(d, a, b);
  return Vec3Len(d) < r1 + r2 ? 1 : 0;
}

int Proj_ToScreenM(float x, float y, float z, int* sx, int* sy, const double* model, const double* proj,
                   const int* viewport) {
  if (!model || !proj || !viewport) return 0;
  *sx = -1;
  *sy = -1;
  // A point on or behind the camera's plane (clip w not above 0) has no place on the screen: the
  // perspective divide would mirror it onto the window.
  double eye[4];
  for (int r = 0; r < 4; r++)
    eye[r] = model[r] * x + model[4 + r] * y + model[8 + r] * z + model[12 + r];
  if (!(proj[3] * eye[0] + proj[7] * eye[1] + proj[11] * eye[2] + proj[15] * eye[3] > 0)) return 0;
  GLdouble wx, wy, wz;
  if (gluProject(x, y, z, model, proj, viewport, &wx, &wy, &wz) != GL_TRUE) return 0;
  if (!std::isfinite(wx) || !std::isfinite(wy) || std::fabs(wx) > 2e9 || std::fabs(wy) > 2e9) return 0;
  *sx = static_cast<int>(wx);
  *sy = static_cast<int>(wy);
  return 1;
}

// A stage may carry any number a figure was given (NextId_Raise takes the largest): at the end of
// the range the count starts again at 1 instead of overflowing.
int NextId() {
  int n = Geo.NextIdCounter;
  Geo.NextIdCounter = n < INT_MAX ? n + 1 : 1;
  return n;
}

void NextId_Raise(int n) {
  if (n > Geo.NextIdCounter) Geo.NextIdCounter = n;
}

void Slot3_Set(Fgr* fgr, Fgr* item, void* widget) {
  if (!fgr || !item || !widget) return;
  Geo.DragSlot = {fgr, item, widget};
}

int Slot3_IsSet() { return Geo.DragSlot.fgr && Geo.DragSlot.item && Geo.DragSlot.widget ? 1 : 0; }

int Slot3_Clear() {
  Geo.DragSlot = {nullptr, nullptr, nullptr};
  return 0;
}

void TechEntry_Set(TechEntry* r, int value1, int req1, int req2, int req3, int req4, int req5, int off1,
                   int off2, int off3, int off4, int off5) {
  r->w[0] = 1;
  r->w[1] = value1;
  const int rest[10] = {req1, req2, req3, req4, req5, off1, off2, off3, off4, off5};
  for (int i = 0; i < 10; ++i) r->w[3 + i] = rest[i];
}

void TechEntry_SetDefault(TechEntry* tech0) {
  TechEntry_Set(&tech0[6], 5000, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}
