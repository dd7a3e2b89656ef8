// Drawing primitives of the asset kit: anti-aliased shapes, glows, gradients and noise.
#include <algorithm>
#include <cmath>

#include "kit.h"

static float Clamp01(float v) { return v < 0 ? 0 : v > 1 ? 1 : v; }

void Canvas::Blend(int x, int y, Rgba c, float cov) {
  if (x < 0 || y < 0 || x >= w || y >= h) return;
  float a = Clamp01(c.a * cov);
  if (a <= 0) return;
  Rgba& d = At(x, y);
  float outA = a + d.a * (1 - a);
  if (outA <= 0) return;
  d.r = (c.r * a + d.r * d.a * (1 - a)) / outA;
  d.g = (c.g * a + d.g * d.a * (1 - a)) / outA;
  d.b = (c.b * a + d.b * d.a * (1 - a)) / outA;
  d.a = outA;
}

// Runs f(px, py) -> signed distance (negative inside) over the canvas; coverage from distance.
template <class F>
static void Shade(Canvas& c, Rgba col, F dist) {
  for (int y = 0; y < c.h; y++)
    for (int x = 0; x < c.w; x++) {
      float d = dist(x + 0.5f, y + 0.5f);
      float cov = Clamp01(0.5f - d);
      if (cov > 0) c.Blend(x, y, col, cov);
    }
}

void FillRect(Canvas& c, float x0, float y0, float x1, float y1, Rgba col) {
  Shade(c, col, [&](float x, float y) {
    float dx = std::max(x0 - x, x - x1), dy = std::max(y0 - y, y - y1);
    return std::max(dx, dy);
  });
}

void Disc(Canvas& c, float cx, float cy, float r, Rgba col) {
  Shade(c, col, [&](float x, float y) { return std::hypot(x - cx, y - cy) - r; });
}

void Ring(Canvas& c, float cx, float cy, float r, float width, Rgba col) {
  Shade(c, col, [&](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - width / 2; });
}

void Segment(Canvas& c, float x0, float y0, float x1, float y1, float width, Rgba col) {
  float vx = x1 - x0, vy = y1 - y0, len2 = vx * vx + vy * vy;
  Shade(c, col, [&](float x, float y) {
    float t = len2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / len2 : 0;
    t = Clamp01(t);
    return std::hypot(x - (x0 + t * vx), y - (y0 + t * vy)) - width / 2;
  });
}

void Polygon(Canvas& c, const std::vector<float>& xy, Rgba col) {
  size_t n = xy.size() / 2;
  auto inside = [&](float x, float y) {
    bool in = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
      float xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
    }
    return in;
  };
  for (int y = 0; y < c.h; y++)
    for (int x = 0; x < c.w; x++) {
      int hits = 0;
      for (int sy = 0; sy < 4; sy++)
        for (int sx = 0; sx < 4; sx++) hits += inside(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4);
      if (hits) c.Blend(x, y, col, hits / 16.0f);
    }
}

void Glow(Canvas& c, float cx, float cy, float r, Rgba col) {
  for (int y = 0; y < c.h; y++)
    for (int x = 0; x < c.w; x++) {
      float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / r;
      if (d >= 1) continue;
      float k = (1 - d) * (1 - d);
      c.Blend(x, y, col, k);
    }
}

void VGradient(Canvas& c, Rgba top, Rgba bottom) {
  for (int y = 0; y < c.h; y++) {
    float t = c.h > 1 ? (float)y / (c.h - 1) : 0;
    Rgba v = {top.r + (bottom.r - top.r) * t, top.g + (bottom.g - top.g) * t,
              top.b + (bottom.b - top.b) * t, top.a + (bottom.a - top.a) * t};
    for (int x = 0; x < c.w; x++) c.At(x, y) = v;
  }
}

void Bevel(Canvas& c, int border, float light, float dark) {
  for (int y = 0; y < c.h; y++)
    for (int x = 0; x < c.w; x++) {
      int e = std::min(std::min(x, y), std::min(c.w - 1 - x, c.h - 1 - y));
      if (e >= border) continue;
      bool lit = x < c.w - 1 - y && (x <= y ? x < border : y < border);
      lit = (std::min(x, y) == e) && lit;
      float k = (float)(border - e) / border;
      Rgba& p = c.At(x, y);
      float m = lit ? 1 + light * k : 1 - dark * k;
      p.r = Clamp01(p.r * m), p.g = Clamp01(p.g * m), p.b = Clamp01(p.b * m);
    }
}

static float Hash(int x, int y, uint32_t seed) {
  uint32_t h = (uint32_t)x * 374761393u + (uint32_t)y * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / 16777215.0f;
}

float Noise(float x, float y, uint32_t seed, int period) {
  int xi = (int)std::floor(x), yi = (int)std::floor(y);
  float fx = x - xi, fy = y - yi;
  fx = fx * fx * (3 - 2 * fx);
  fy = fy * fy * (3 - 2 * fy);
  // Periodic, so a tile that spans whole periods wraps without a seam.
  auto W = [&](int a) { return ((a % period) + period) % period; };
  auto H = [&](int a, int b) { return Hash(W(a), W(b), seed); };
  float a = H(xi, yi), b = H(xi + 1, yi), c = H(xi, yi + 1), d = H(xi + 1, yi + 1);
  return a + (b - a) * fx + (c - a) * fy + (a - b - c + d) * fx * fy;
}

void NoiseTint(Canvas& c, Rgba base, Rgba other, int cells, uint32_t seed, float rough) {
  for (int y = 0; y < c.h; y++)
    for (int x = 0; x < c.w; x++) {
      float u = (float)x * cells / c.w, v = (float)y * cells / c.h;
      float n = 0.6f * Noise(u, v, seed, cells) + 0.3f * Noise(2 * u, 2 * v, seed + 1, 2 * cells) +
                0.1f * Noise(4 * u, 4 * v, seed + 2, 4 * cells);
      n = Clamp01(0.5f + (n - 0.5f) * rough);
      c.At(x, y) = {base.r + (other.r - base.r) * n, base.g + (other.g - base.g) * n,
                    base.b + (other.b - base.b) * n, base.a + (other.a - base.a) * n};
    }
}
