// A view of the render scene, as far as projecting a world point to window pixels needs it: the
// viewport and the two matrices the view left behind when it was last applied. The render scene
// that fills and applies views adds its camera, list and batch words to this record.
#pragma once

struct RendView {
  int viewport[4];        // x, y, width, height as handed to glViewport
  double modelview[16];   // read back from GL once the view's camera is set, column by column
  double projection[16];
};

// Window pixel of a world point through the view: 0 without a view (sx, sy untouched); else sx, sy
// = -1 and then, when the projection succeeds, the position truncated toward zero (y counted from
// the bottom of the window) and 1.
int Proj_ToScreen(float x, float y, float z, int* sx, int* sy, const RendView* view);
