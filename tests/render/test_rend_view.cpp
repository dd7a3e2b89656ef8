// Projection of a world point to window pixels through a view's stored camera.
#include <gtest/gtest.h>

#include "render/rend_view.h"

TEST(RendView, ProjectsThroughTheViewsMatricesAndViewport) {
  int sx = 5, sy = 6;
  EXPECT_EQ(Proj_ToScreen(0, 0, 0, &sx, &sy, nullptr), 0);  // no view: the outputs stay
  EXPECT_EQ(sx, 5);
  EXPECT_EQ(sy, 6);

  RendView v = {};
  for (int i = 0; i < 16; i += 5) v.modelview[i] = v.projection[i] = 1.0;
  v.viewport[2] = 800;
  v.viewport[3] = 600;
  EXPECT_EQ(Proj_ToScreen(0.5f, -0.5f, 0, &sx, &sy, &v), 1);
  EXPECT_EQ(sx, 600);
  EXPECT_EQ(sy, 150);  // OpenGL's window y, from the bottom
  const int part[4] = {100, 50, 200, 100};
  for (int i = 0; i < 4; i++) v.viewport[i] = part[i];
  EXPECT_EQ(Proj_ToScreen(-0.25f, 0.3f, 0, &sx, &sy, &v), 1);
  EXPECT_EQ(sx, 175);  // 100 + 200 * 0.375
  EXPECT_EQ(sy, 115);  // 50 + 100 * 0.65, truncated toward zero

  for (double& p : v.projection) p = 0;  // a projection that cannot succeed
  EXPECT_EQ(Proj_ToScreen(1, 1, 1, &sx, &sy, &v), 0);
  EXPECT_EQ(sx, -1);
  EXPECT_EQ(sy, -1);
}
