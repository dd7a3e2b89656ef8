// A view of the render scene: what its camera figure gave when the view was added each frame, the
// viewport and the two matrices the view left behind when it was last applied (all that projecting
// a world point to window pixels needs), its place in the sorted list and its buckets of the ten
// batch lists.
#pragma once

class Fgr;

constexpr int kViewLists = 10;  // the render scene's batch lists L1..L10

struct RendView {
  int statusMode;      // carried, not read by the renderer
  int priority;        // ascending sort key
  int mainScreen;      // applying the view copies it into PickView
  int overlay;         // may become the frame's main view, which draws the 2D overlay lists
  int toTex;           // on the main view: no additive overlay list
  int decal;           // no viewport or matrices of its own, only polygon offset
  int clear;           // applying the view clears colour and depth
  int viewport[4];     // x, y, width, height as handed to glViewport
  int scis[4];         // scissor x, y, w, h; used when w and h are both non-zero
  int camMode;         // 0 look-at perspective, -1 pixel ortho, 1.. flat ortho (2..6 turned)
  float flatW, flatH;  // extents of the flat modes
  float eye[3];
  float target[3];
  double fovY;    // clamped to 5..170 when applied
  double aspect;  // viewport w / h once a perspective view is applied
  double zNear, zFar;
  double modelview[16];  // read back from GL once the view's camera is set, column by column
  double projection[16];
  RendView* prev;
  RendView* next;
  Fgr* cam;
  int firstBucket[kViewLists];  // per list L1..L10: the view's first bucket, 0 = none yet
  int bucketCount[kViewLists];
};

// Window pixel of a world point through the view: 0 without a view (sx, sy untouched); else sx, sy
// = -1 and then, when the projection succeeds, the position truncated toward zero (y counted from
// the bottom of the window) and 1.
int Proj_ToScreen(float x, float y, float z, int* sx, int* sy, const RendView* view);
