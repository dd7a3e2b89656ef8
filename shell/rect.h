// Axis-aligned rectangles given as corner (x, y) and size (w, h), and grids of cells numbered row by
// row from 0 (cell k in column k mod cols, row k div cols). The land grid is origin (0, 0), cells of
// 10 by 10 and 256 by 256 cells; its second axis is the world z.
#pragma once

void Rect_FromCorners(int x1, int y1, int x2, int y2, int* x, int* y, int* w, int* h);
// Overlap by centres: touching edges count.
int Rect_Overlap(float x1, float y1, float w1, float h1, float x2, float y2, float w2, float h2);
// The second rectangle lies strictly inside the first.
int Rect_Encloses(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);
// All four edges belong to the rectangle.
int Rect_ContainsPtF(float px, float py, float x, float y, float w, float h);
int Rect_ContainsPt(int px, int py, int x, int y, int w, int h);

// Corner of cell k; with flip, row 0 is at the top. A grid without columns gives the origin.
void Grid_CellOriginF(float* ox, float* oy, int k, float x0, float y0, float cw, float ch, int cols,
                      int rows, int flip);
void Grid_CellOrigin(int* ox, int* oy, int k, int x0, int y0, int cw, int ch, int cols, int rows,
                     int flip);
// As Grid_CellOrigin, with odd rows shifted left by half a cell.
void Grid_CellOriginHex(int* ox, int* oy, int k, int x0, int y0, int cw, int ch, int cols, int rows,
                        int flip);
void Grid_CellRect(int k1, int k2, int* ax, int* ay, int* bx, int* by, int x0, int y0, int cw, int ch,
                   int cols, int rows, int centre);
// Number of the cell under the point, or -1 outside or for cells smaller than 1. The near edges of
// the grid belong to no cell; a point on a far edge gives a number the caller must reject.
int Grid_CellIndex(int x, int y, int x0, int y0, int cw, int ch, int cols, int rows);
