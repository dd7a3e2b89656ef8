// Rectangles and cell grids: stateless integer and float tests.
#include "shell/rect.h"

#include <cmath>
#include <cstdint>

void Rect_FromCorners(int x1, int y1, int x2, int y2, int* x, int* y, int* w, int* h) {
  int lx = x1 < x2 ? x1 : x2, hx = x1 < x2 ? x2 : x1;
  int ly = y1 < y2 ? y1 : y2, hy = y1 < y2 ? y2 : y1;
  *x = lx;
  *y = ly;
  *w = hx - lx;
  *h = hy - ly;
}

int Rect_Overlap(float x1, float y1, float w1, float h1, float x2, float y2, float w2, float h2) {
  float cx1 = x1 + w1 * 0.5f, cy1 = y1 + h1 * 0.5f;
  float cx2 = x2 + w2 * 0.5f, cy2 = y2 + h2 * 0.5f;
  if (std::fabs(cx1 - cx2) > (w1 + w2) * 0.5f) return 0;
  if (std::fabs(cy1 - cy2) > (h1 + h2) * 0.5f) return 0;
  return 1;
}

int Rect_Encloses(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
  return x1 < x2 && x1 + w1 > x2 + w2 && y1 < y2 && y1 + h1 > y2 + h2 ? 1 : 0;
}

int Rect_ContainsPtF(float px, float py, float x, float y, float w, float h) {
  return x <= px && px <= x + w && y <= py && py <= y + h ? 1 : 0;
}

int Rect_ContainsPt(int px, int py, int x, int y, int w, int h) {
  return x <= px && px <= x + w && y <= py && py <= y + h ? 1 : 0;
}

void Grid_CellOriginF(float* ox, float* oy, int k, float x0, float y0, float cw, float ch, int cols,
                      int rows, int flip) {
  if (cols < 1) {
    *ox = x0;
    *oy = y0;
    return;
  }
  int r = flip ? rows - 1 - k / cols : k / cols;
  *ox = static_cast<float>(k % cols) * cw + x0;
  *oy = static_cast<float>(r) * ch + y0;
}

void Grid_CellOrigin(int* ox, int* oy, int k, int x0, int y0, int cw, int ch, int cols, int rows,
                     int flip) {
  if (cols < 1) {
    *ox = x0;
    *oy = y0;
    return;
  }
  int r = flip ? rows - 1 - k / cols : k / cols;
  *ox = (k % cols) * cw + x0;
  *oy = r * ch + y0;
}

void Grid_CellOriginHex(int* ox, int* oy, int k, int x0, int y0, int cw, int ch, int cols, int rows,
                        int flip) {
  Grid_CellOrigin(ox, oy, k, x0, y0, cw, ch, cols, rows, flip);
  if (cols >= 1 && k % (2 * cols) > cols - 1)
    *ox = static_cast<int>(static_cast<float>(*ox) - static_cast<float>(cw) * 0.5f);
}

void Grid_CellRect(int k1, int k2, int* ax, int* ay, int* bx, int* by, int x0, int y0, int cw, int ch,
                   int cols, int rows, int centre) {
  Grid_CellOriginHex(ax, ay, k1, x0, y0, cw, ch, cols, rows, 1);
  Grid_CellOriginHex(bx, by, k2, x0, y0, cw, ch, cols, rows, 1);
  if (centre) {
    *ax += cw / 2;
    *bx += cw / 2;
    *ay += ch / 2;
    *by += ch / 2;
  }
}

int Grid_CellIndex(int x, int y, int x0, int y0, int cw, int ch, int cols, int rows) {
  if (cw < 1 || ch < 1) return -1;
  // 64-bit sums: a point far outside must not wrap into the grid.
  int64_t dx = static_cast<int64_t>(x) - x0;
  int64_t dy = static_cast<int64_t>(y) - y0;
  if (dx < 1 || dy < 1) return -1;
  if (x > static_cast<int64_t>(x0) + static_cast<int64_t>(cols) * cw) return -1;
  if (y > static_cast<int64_t>(y0) + static_cast<int64_t>(rows) * ch) return -1;
  int64_t k = (dy / ch) * cols + dx / cw;
  return k > INT32_MAX ? -1 : static_cast<int>(k);
}
