// Rectangles and cell grids, including the grid's edge rules that the land grid's callers rely on.
#include <gtest/gtest.h>

#include <climits>

#include "shell/rect.h"

TEST(Rect, CornersOverlapAndContainment) {
  int x, y, w, h;
  Rect_FromCorners(5, 9, 1, 2, &x, &y, &w, &h);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 2);
  EXPECT_EQ(w, 4);
  EXPECT_EQ(h, 7);
  EXPECT_EQ(Rect_Overlap(0, 0, 10, 10, 10, 0, 10, 10), 1);  // touching
  EXPECT_EQ(Rect_Overlap(0, 0, 10, 10, 10.5f, 0, 10, 10), 0);
  EXPECT_EQ(Rect_Overlap(0, 0, 10, 10, 2, 12, 1, 1), 0);
  EXPECT_EQ(Rect_Overlap(0, 0, 10, 10, 2, 2, 1, 1), 1);
  EXPECT_EQ(Rect_Encloses(0, 0, 10, 10, 0, 0, 10, 10), 0);
  EXPECT_EQ(Rect_Encloses(0, 0, 10, 10, 1, 1, 8, 8), 1);
  EXPECT_EQ(Rect_Encloses(0, 0, 10, 10, 1, 1, 9, 8), 0);
  EXPECT_EQ(Rect_ContainsPt(15, 27, 5, 7, 10, 20), 1);  // the far corner
  EXPECT_EQ(Rect_ContainsPt(16, 27, 5, 7, 10, 20), 0);
  EXPECT_EQ(Rect_ContainsPt(5, 7, 5, 7, 10, 20), 1);
  EXPECT_EQ(Rect_ContainsPtF(1.5f, 0, 0, 0, 1.5f, 1), 1);
  EXPECT_EQ(Rect_ContainsPtF(1.6f, 0, 0, 0, 1.5f, 1), 0);
  EXPECT_EQ(Rect_ContainsPtF(0.5f, -0.1f, 0, 0, 1.5f, 1), 0);
}

TEST(Grid, CellIndexOfTheLandGrid) {
  struct Case {
    int x, y, expect;
  };
  const Case cases[] = {{15, 25, 513},    {10, 10, 257},   {0, 5, -1},          {5, 0, -1},
                        {2561, 5, -1},    {2560, 5, 256},  {5, 2560, 65536},    {5, 2561, -1},
                        {1, 1, 0},        {9, 9, 0},       {2559, 2559, 65535}, {-5, 5, -1},
                        {INT_MIN, 5, -1}, {INT_MAX, 5, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(Grid_CellIndex(c.x, c.y, 0, 0, 10, 10, 256, 256), c.expect) << c.x << "," << c.y;
  EXPECT_EQ(Grid_CellIndex(15, 25, 0, 0, 0, 10, 256, 256), -1);
  EXPECT_EQ(Grid_CellIndex(15, 25, 0, 0, 10, 0, 256, 256), -1);
  EXPECT_EQ(Grid_CellIndex(115, 125, 100, 100, 10, 10, 4, 4), 9);
}

TEST(Grid, CellOriginsFlippedAndShifted) {
  int x, y;
  Grid_CellOrigin(&x, &y, 5, 100, 200, 10, 20, 4, 3, 0);
  EXPECT_EQ(x, 110);
  EXPECT_EQ(y, 220);
  Grid_CellOrigin(&x, &y, 5, 100, 200, 10, 20, 4, 3, 1);
  EXPECT_EQ(x, 110);
  EXPECT_EQ(y, 220);
  Grid_CellOrigin(&x, &y, 1, 100, 200, 10, 20, 4, 3, 1);
  EXPECT_EQ(x, 110);
  EXPECT_EQ(y, 240);
  Grid_CellOriginHex(&x, &y, 5, 100, 200, 10, 20, 4, 3, 0);
  EXPECT_EQ(x, 105);
  Grid_CellOriginHex(&x, &y, 5, 100, 200, 5, 20, 4, 3, 0);
  EXPECT_EQ(x, 102);
  Grid_CellOriginHex(&x, &y, 1, 100, 200, 10, 20, 4, 3, 0);
  EXPECT_EQ(x, 110);
  Grid_CellOriginHex(&x, &y, 4, -100, 0, 5, 20, 4, 3, 0);
  EXPECT_EQ(x, -102);                                     // -102.5 truncates toward zero
  Grid_CellOrigin(&x, &y, 5, 100, 200, 10, 20, 0, 3, 0);  // no columns: no division
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, 200);

  float fx, fy;
  Grid_CellOriginF(&fx, &fy, 6, 0.5f, 1.0f, 2.5f, 3.0f, 4, 3, 1);
  EXPECT_FLOAT_EQ(fx, 5.5f);
  EXPECT_FLOAT_EQ(fy, 4.0f);

  int ax, ay, bx, by;
  Grid_CellRect(0, 5, &ax, &ay, &bx, &by, 100, 200, 10, 20, 4, 3, 1);
  EXPECT_EQ(ax, 105);
  EXPECT_EQ(ay, 250);  // row 0 flips to the top row, plus half a cell
  EXPECT_EQ(bx, 110);  // 105 shifted, plus 5
  EXPECT_EQ(by, 230);
}
