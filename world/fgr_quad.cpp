// The scratch quad and its corner makers.
#include "world/fgr_quad.h"

#include <cmath>
#include <cstring>

#include "gm/fgr.h"
#include "render/scene.h"
#include "render/vert_arr.h"

t_FgrQuad FgrQuad;

void FgrQuad_TexFull() { FgrQuad_TexRange(0, 1, 0, 1); }

void FgrQuad_TexRange(float u0, float u1, float v0, float v1) {
  const float t[8] = {u0, v0, u1, v0, u1, v1, u0, v1};
  std::memcpy(FgrQuad.tex, t, sizeof t);
}

void FgrQuad_Colour(float r, float g, float b, float a) {
  for (int k = 0; k < 4; k++) {
    float* c = FgrQuad.col + 4 * k;
    c[0] = r, c[1] = g, c[2] = b, c[3] = a;
  }
}

void FgrQuad_FgrColour(const Fgr* f) { FgrQuad_Colour(f->fcr, f->fcg, f->fcb, f->fca); }

void FgrQuad_Dirs(float x, float y, float z, float size, int k0, int k1, int k2, int k3) {
  const int k[4] = {k0, k1, k2, k3};
  for (int i = 0; i < 4; i++) {
    const float* d = RendScene.Dir361View[Dir361_Wrap(k[i])];
    FgrQuad.pos[3 * i] = x + d[0] * size;
    FgrQuad.pos[3 * i + 1] = y + d[1] * size;
    FgrQuad.pos[3 * i + 2] = z + d[2] * size;
  }
}

void FgrQuad_Facing(float x, float y, float z, float size) {
  FgrQuad_Dirs(x, y, z, size, 225, 315, 45, 135);
}

void FgrQuad_Pixels(float x0, float y0, float x1, float y1) {
  const float p[12] = {x0, y0, 0, x1, y0, 0, x1, y1, 0, x0, y1, 0};
  std::memcpy(FgrQuad.pos, p, sizeof p);
}

void FgrQuad_Bar(float x, float y, float z, int k, float length, float halfWidth) {
  const float* d = RendScene.Dir361View[Dir361_Wrap(k)];
  const float* s = RendScene.Dir361View[Dir361_Wrap(k + 90)];
  const float m[3] = {x, y, z};
  for (int i = 0; i < 3; i++) {
    const float a = m[i] + d[i] * length, w = s[i] * halfWidth;
    FgrQuad.pos[i] = m[i] + w;
    FgrQuad.pos[3 + i] = m[i] - w;
    FgrQuad.pos[6 + i] = a - w;
    FgrQuad.pos[9 + i] = a + w;
  }
}

int FgrQuad_Add(int withColour, int withTex) {
  return VertArr_Add(&DecalVerts, FgrQuad.pos, withColour ? FgrQuad.col : nullptr,
                     withTex ? FgrQuad.tex : nullptr);
}

void FgrQuad_Ring(float x, float y, float z, float r, int count, int step, float first, float size) {
  for (int i = 0; i < count; i++) {
    float s, c;
    Deg_SinCos(Deg_Wrap((float)(i * step) + first), &s, &c);
    FgrQuad_Facing(x + r * s, y, z + r * c, size);
    FgrQuad_Add(1, 1);
  }
}

static void Corners4(const float (&c)[16]) { std::memcpy(FgrQuad.col, c, sizeof c); }

void FgrQuad_BarBack() {
  Corners4(
      {0.2f, 0.1f, 0.2f, 0.5f, 0.3f, 0.1f, 0.3f, 0.5f, 0.3f, 0.3f, 0.2f, 0.5f, 0.0f, 0.2f, 0.2f, 0.5f});
}

void FgrQuad_BarFront() {
  Corners4(
      {0.9f, 0.3f, 0.2f, 0.8f, 0.7f, 0.1f, 0.3f, 0.8f, 0.9f, 0.3f, 0.2f, 0.8f, 0.7f, 0.1f, 0.3f, 0.8f});
}

int Deg_Wrap(float deg) {
  if (!std::isfinite(deg)) return 0;
  double d = std::fmod(std::trunc((double)deg), 360.0);
  if (d < 0) d += 360.0;
  return (int)d;
}

void Deg_SinCos(int deg, float* s, float* c) {
  const double a = (double)Deg_Wrap((float)deg) * M_PI / 180.0;
  *s = (float)std::sin(a);
  *c = (float)std::cos(a);
}

void Fgr_SpinRot(Fgr* f, float step) {
  if (!f || !(step <= 360.0f)) return;
  float r = f->test_rot1 + step;
  if (r > 360.0f) {
    f->test_rot1 = r - 360.0f;
  } else {
    f->test_rot1 = r < 0 ? r + 360.0f : r;
  }
}
