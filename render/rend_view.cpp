// Projection through a view's stored camera.
#include "render/rend_view.h"

#include "shell/geometry.h"

int Proj_ToScreen(float x, float y, float z, int* sx, int* sy, const RendView* view) {
  if (!view) return 0;
  return Proj_ToScreenM(x, y, z, sx, sy, view->modelview, view->projection, view->viewport);
}
