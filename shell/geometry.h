// Geometry queries shared by the subsystems: view-frustum planes and the tests against them, ground
// headings, circle and sphere contact, projection to window pixels; plus three small pieces of state
// kept beside them: the figure number counter, the drag slot and the technology-entry setter.
#pragma once

#include "shell/maths.h"

class Fgr;

// A frustum is 6 planes of 4 floats (a, b, c, d), in the order right, left, bottom, top, far, near.
// A point is inside a plane when a x + b y + c z + d > 0; after extraction (a, b, c) has length 1.
constexpr int kFrustumFloats = 24;

void Plane_Normalize(float planes[], int i);
// The planes of projection p and modelview m, both in OpenGL's column-by-column order.
void Frustum_FromMatrices(const float p[16], const float m[16], float planes[kFrustumFloats]);
// The same for the current GL projection and modelview matrices (needs a current context).
void Frustum_Extract(float planes[kFrustumFloats]);
int Frustum_PointIn(const float planes[], float x, float y, float z);
// The box tests answer 0 only when the whole box lies behind one plane.
int Frustum_BoxIn(const float planes[], float x, float y, float z, float size);
struct BoxRef {
  float *x, *y, *z;     // centre
  float *hx, *hy, *hz;  // half-extents
};
int Frustum_BoxInRef(const float planes[], const BoxRef& box);
int Frustum_AabbIn(const float planes[], float x1, float y1, float z1, float x2, float y2, float z2);
int Frustum_SegCrosses(const float planes[], const Vec3& p, const Vec3& q);

// Heading of the ground vector (a across, b along): 0 along +b growing toward +a; degrees 0..360, or
// radians when radians is non-zero (with the fixed constants 1.5705, 3.141, 4.7115).
float Angle_OfVec2(float a, float b, int radians);
int Circles_Touch(float x1, float y1, float r1, float x2, float y2, float r2);
int Spheres_Touch(float x1, float y1, float z1, float r1, float x2, float y2, float z2, float r2);
int Circles_TouchV(const Vec2& a, float r1, const Vec2& b, float r2);
int Spheres_TouchV(const Vec3& a, float r1, const Vec3& b, float r2);

// Window pixel of a world point through a view's stored matrices (16 doubles each, OpenGL order) and
// viewport. 0 without matrices (sx, sy untouched); else sx, sy = -1 and then, when the projection
// succeeds (the point lies before the camera), the window position truncated toward zero (y counted
// from the bottom) and 1. The form that takes a view of the render scene is Proj_ToScreen
// (render/rend_view.h).
int Proj_ToScreenM(float x, float y, float z, int* sx, int* sy, const double* model, const double* proj,
                   const int* viewport);

// Running figure numbers: the first call gives 1; after INT_MAX the next is 1 again.
int NextId();
void NextId_Raise(int n);

// The item being dragged between item-slot widgets: set only as a whole.
struct Slot3 {
  Fgr* fgr;  // the figure holding the item
  Fgr* item;
  void* widget;  // the slot widget it was picked up from
};

// The state kept beside the queries: the drag slot and the running figure number.
struct t_Geo {
  Slot3 DragSlot = {nullptr, nullptr, nullptr};
  int NextIdCounter = 1;  // the number NextId hands out next
};
extern t_Geo Geo;
void Slot3_Set(Fgr* fgr, Fgr* item, void* widget);
int Slot3_IsSet();
int Slot3_Clear();

// A technology entry of a side record.
struct TechEntry {
  int w[13];  // 0 state, 1-2 values, 3-7 required technologies, 8-12 technologies it switches off
};
void TechEntry_Set(TechEntry* r, int value1, int req1, int req2, int req3, int req4, int req5, int off1,
                   int off2, int off3, int off4, int off5);
void TechEntry_SetDefault(TechEntry* tech0);
