// The fixed-function GL layer: 2D mode, blend presets, 2D quads and frames, fog, circle tables.
#include "render/gl2d.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "gm/org_base.h"
#include "platform/platform.h"
#include "render/font.h"
#include "render/texture.h"
#include "shell/window_state.h"

t_Gl2D Gl2D;

int Gl2D_Begin(double left, double right, double bottom, double top) {
  if (Gl2D.Gl2D_Flag > 0) return 0;
  Gl2D.Gl2D_Flag = 1;
  glDisable(GL_DEPTH_TEST);
  glDepthMask(GL_FALSE);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluOrtho2D(left, right, bottom, top);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  return 1;
}

void Gl2D_End() {
  if (Gl2D.Gl2D_Flag <= 0) return;
  glEnable(GL_DEPTH_TEST);
  glDepthMask(GL_TRUE);
  Gl2D.Gl2D_Flag = 0;
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

void Gl_BlendMode(int n) {
  if (n <= 0) {
    glDisable(GL_BLEND);
    return;
  }
  static const GLenum kDst[8] = {GL_ZERO,      GL_ONE,
                                 GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR,
                                 GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA,
                                 GL_DST_ALPHA, GL_ONE_MINUS_DST_ALPHA};
  GLenum src = GL_SRC_ALPHA, dst = GL_ZERO;
  if (n >= 1 && n <= 8) src = GL_ZERO, dst = kDst[n - 1];
  else if (n == 12) src = GL_ONE, dst = GL_ONE_MINUS_SRC_COLOR;
  else if (n >= 17 && n <= 24) src = GL_DST_COLOR, dst = kDst[n - 17];
  else if (n >= 25 && n <= 32) src = GL_ONE_MINUS_DST_COLOR, dst = kDst[n - 25];
  else if (n == kBlendAdd) dst = GL_ONE;
  else if (n == kBlendAlpha) dst = GL_ONE_MINUS_SRC_ALPHA;
  else if (n == 39) dst = GL_DST_ALPHA;
  else if (n == 40) dst = GL_ONE_MINUS_DST_ALPHA;
  glEnable(GL_BLEND);
  glBlendFunc(src, dst);
}

void Gl_MaterialWhite() {
  // Alpha 1: the colour material replaces ambient and diffuse while it is on anyway.
  static const float kBlack[4] = {0, 0, 0, 1}, kWhite[4] = {1, 1, 1, 1};
  glMaterialfv(GL_FRONT, GL_AMBIENT, kBlack);
  glMaterialfv(GL_FRONT, GL_DIFFUSE, kWhite);
  glMaterialfv(GL_FRONT, GL_SPECULAR, kBlack);
  glMaterialfv(GL_FRONT, GL_EMISSION, kBlack);
  glMaterialf(GL_FRONT, GL_SHININESS, 0);
}

void Gl_ColorMaterial4ub(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
  if (a == 0) {
    glDisable(GL_COLOR_MATERIAL);
    return;
  }
  glEnable(GL_COLOR_MATERIAL);
  Gl_MaterialWhite();
  glColor4ub(r, g, b, a);
}

void Gl_ColorMaterial4f(float a, float r, float g, float b) {
  if (!(a > 0.00001f)) {
    glDisable(GL_COLOR_MATERIAL);
    return;
  }
  glEnable(GL_COLOR_MATERIAL);
  Gl_MaterialWhite();
  glColor4f(r, g, b, a);
}

void Gl_ColorArgb(uint32_t argb) {
  glColor4ub((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, (argb >> 24) & 0xFF);
}

// One textured quad; colours (four RGBA, corner order) or null for the current colour.
// The current colour is given with every corner too: a draw that takes no colour of its own reads
// the current one as a constant of the fragment stage, and Mesa's software renderer keeps a fresh
// copy of its whole fragment state (tens of KB) for each draw after that constant changed, until
// the frame is drawn. Corner colours make it an input instead; the pixels and the current colour
// and texture coordinate the quad leaves behind are the same.
static void Quad2D(const float* xy, const float* st, const float* rgba, int fill) {
  float current[4];
  if (!rgba) glGetFloatv(GL_CURRENT_COLOR, current);
  glLoadIdentity();
  glPolygonMode(GL_FRONT, fill ? GL_FILL : GL_LINE);
  glBegin(GL_QUADS);
  for (int i = 0; i < 4; i++) {
    glColor4fv(rgba ? rgba + 4 * i : current);
    glTexCoord2f(st[2 * i], st[2 * i + 1]);
    glVertex2f(xy[2 * i], xy[2 * i + 1]);
  }
  glEnd();
  glPolygonMode(GL_FRONT, GL_FILL);
}

static void Rect2D(float x, float y, float w, float h, int fill, float t0, float t1, const float* rgba) {
  if (Gl2D.Gl2D_Flag != 1) return;
  const float xy[8] = {x, y, x + w, y, x + w, y + h, x, y + h};
  const float st[8] = {0, t0, 1, t0, 1, t1, 0, t1};
  Quad2D(xy, st, rgba, fill);
}

void Gl2D_TexRect(float x, float y, float w, float h, int fill, float t0, float t1) {
  Rect2D(x, y, w, h, fill, t0, t1, nullptr);
}

void Gl2D_TexRectLTRB(float x1, float y1, float x2, float y2, int fill) {
  Gl2D_TexRect(x1, y2, x2 - x1, std::fabs(y1 - y2), fill, 0, 1);
}

void Gl2D_TexRectLTRBSorted(float x1, float y1, float x2, float y2, int fill) {
  Gl2D_TexRect(x1, y1 < y2 ? y1 : y2, x2 - x1, std::fabs(y1 - y2), fill, 0, 1);
}

void Gl2D_TexRectCorners(float x1, float y1, float x2, float y2, float t0, float t1) {
  Gl2D_TexRect(x1, y2, x2 - x1, std::fabs(y1 - y2), 1, t0, t1);
}

void Gl2D_TexQuad4(float p0x, float p0y, float p1x, float p1y, float p2x, float p2y, float p3x,
                   float p3y, int fill) {
  if (Gl2D.Gl2D_Flag != 1) return;
  const float xy[8] = {p3x, p3y, p2x, p2y, p1x, p1y, p0x, p0y};
  const float st[8] = {0, 0, 1, 0, 1, 1, 0, 1};
  Quad2D(xy, st, nullptr, fill);
}

// Corner order of Rect2D: bottom-left, bottom-right, top-right, top-left.
static void Grad(float r, float g, float b, float a0, float a1, float a2, float a3, float x, float y,
                 float w, float h, int fill) {
  const float c[16] = {r, g, b, a0, r, g, b, a1, r, g, b, a2, r, g, b, a3};
  Rect2D(x, y, w, h, fill, 0, 1, c);
}

void Gl2D_GradRectGreyV(float g, float aTop, float aBottom, float x, float y, float w, float h,
                        int fill) {
  Grad(g, g, g, aBottom, aBottom, aTop, aTop, x, y, w, h, fill);
}
void Gl2D_GradRectGreyH(float g, float aLeft, float aRight, float x, float y, float w, float h,
                        int fill) {
  Grad(g, g, g, aLeft, aRight, aRight, aLeft, x, y, w, h, fill);
}
void Gl2D_GradRectV(float r, float g, float b, float aTop, float aBottom, float x, float y, float w,
                    float h, int fill) {
  Grad(r, g, b, aBottom, aBottom, aTop, aTop, x, y, w, h, fill);
}
void Gl2D_GradRectH(float r, float g, float b, float aLeft, float aRight, float x, float y, float w,
                    float h, int fill) {
  Grad(r, g, b, aLeft, aRight, aRight, aLeft, x, y, w, h, fill);
}

// Untextured, unblended drawing in one ARGB colour.
static void FlatColour(uint32_t argb) {
  Gl_ColorArgb(argb);
  Gl_BlendMode(kBlendOff);
  Tex_Off();
}

void Gl2D_FillRectArgb(float x, float y, float w, float h, uint32_t argb) {
  FlatColour(argb);
  Gl2D_TexRect(x, y, w, h, 1, 0, 1);
}

void Gl2D_FillRectLTRB(float x1, float y1, float x2, float y2, uint32_t argb) {
  FlatColour(argb);
  Gl2D_TexRectLTRB(x1, y1, x2, y2, 1);
}

// An outline is a front face drawn as lines: a rectangle with one negative size (dragged up or
// left) would turn its back and be filled or culled, so the outlines always wind one way.
void Gl2D_OutlineRectArgb(float x, float y, float w, float h, uint32_t argb) {
  if (w < 0) x += w, w = -w;
  if (h < 0) y += h, h = -h;
  FlatColour(argb);
  Gl2D_TexRect(x, y, w, h, 0, 0, 1);
}

void Gl2D_OutlineRectLTRB(float x1, float y1, float x2, float y2, uint32_t argb) {
  Gl2D_OutlineRectArgb(x1, y1, x2 - x1, y2 - y1, argb);
}

void Gui_HoverFrame(const int* rect) {
  if (!rect) return;
  Gl_BlendMode(kBlendAdd);
  Tex_Off();
  glColor4f(1, 1, 1, 0.1f);
  Gl2D_TexRect((float)rect[0], (float)rect[1], (float)rect[2], (float)rect[3], 1, 0, 1);
  Gl_BlendMode(kBlendOff);
  glColor4f(1, 1, 0, 1);
  Gl2D_TexRect((float)rect[0], (float)rect[1], (float)rect[2], (float)rect[3], 0, 0, 1);
}

void Gl2D_VBar3(int y0, int ymid, int y1, int x, uint8_t er, uint8_t eg, uint8_t eb, uint8_t mr,
                uint8_t mg, uint8_t mb) {
  glBegin(GL_LINES);
  glColor3ub(er, eg, eb);
  glVertex2i(x, y0);
  glColor3ub(mr, mg, mb);
  glVertex2i(x, ymid);
  glVertex2i(x, ymid);
  glColor3ub(er, eg, eb);
  glVertex2i(x, y1);
  glEnd();
}

void Gl2D_HBar3(int x0, int xmid, int x1, int y, uint8_t er, uint8_t eg, uint8_t eb, uint8_t mr,
                uint8_t mg, uint8_t mb) {
  glBegin(GL_LINES);
  glColor3ub(er, eg, eb);
  glVertex2i(x0, y);
  glColor3ub(mr, mg, mb);
  glVertex2i(xmid, y);
  glVertex2i(xmid, y);
  glColor3ub(er, eg, eb);
  glVertex2i(x1, y);
  glEnd();
}

void Gl2D_Frame3D(const float* colours, int x, int y, int w, int h, int border, int grow, uint8_t er,
                  uint8_t eg, uint8_t eb, uint8_t mr, uint8_t mg, uint8_t mb) {
  const float* c = colours ? colours : Gl2D.Gl_FrameColors;
  if (grow) {
    x -= border;
    y -= border;
    w += 2 * border;
    h += 2 * border;
  }
  int midY = (int)((int)(h * 0.5) + y), top = y + h;
  int midX = (int)((int)(w * 0.5) + x), right = x + w;
  // Right strip: alpha A at its inner (left) edge, B at its outer edge.
  Gl2D_GradRectH(c[0], c[1], c[2], c[3], c[4], (float)(right - border), (float)y, (float)border,
                 (float)h, 1);
  Gl2D_VBar3(y, midY, top, right, er, eg, eb, mr, mg, mb);
  Gl2D_VBar3(y, midY, top, right - border, er, eg, eb, mr, mg, mb);
  Gl2D_GradRectH(c[5], c[6], c[7], c[8], c[9], (float)x, (float)y, (float)border, (float)h, 1);
  Gl2D_VBar3(y, midY, top, x, er, eg, eb, mr, mg, mb);
  Gl2D_VBar3(y, midY, top, x + border, er, eg, eb, mr, mg, mb);
  Gl2D_GradRectV(c[10], c[11], c[12], c[13], c[14], (float)x, (float)(top - border), (float)w,
                 (float)border, 1);
  Gl2D_HBar3(x, midX, right, top, er, eg, eb, mr, mg, mb);
  Gl2D_HBar3(x, midX, right, top - border, er, eg, eb, mr, mg, mb);
  Gl2D_GradRectV(c[15], c[16], c[17], c[18], c[19], (float)x, (float)y, (float)w, (float)border, 1);
  Gl2D_HBar3(x, midX, right, y, er, eg, eb, mr, mg, mb);
  Gl2D_HBar3(x, midX, right, y + border, er, eg, eb, mr, mg, mb);
}

void Gl2D_Line(float x1, float y1, float x2, float y2) {
  glBegin(GL_LINES);
  glVertex2f(x1, y1);
  glVertex2f(x2, y2);
  glEnd();
}

void Gl2D_LineRGB2(float x1, float y1, float x2, float y2, float r1, float g1, float b1, float r2,
                   float g2, float b2) {
  glBegin(GL_LINES);
  glColor3f(r1, g1, b1);
  glVertex2f(x1, y1);
  glColor3f(r2, g2, b2);
  glVertex2f(x2, y2);
  glEnd();
}

void Gl2D_Cross(int x, int y, int left, int right, int up, int down) {
  glBegin(GL_LINES);
  glVertex2i(x - left, y);
  glVertex2i(x + right, y);
  glVertex2i(x, y + up);
  glVertex2i(x, y - down);
  glEnd();
}

void Gl2D_Ellipse(float x1, float y1, float x2, float y2, uint32_t argb, int small) {
  float hw = (x2 - x1) * 0.5f, hh = (y2 - y1) * 0.5f;
  float cx = x1 + hw, cy = y1 + hh;
  const float* pts = small ? Gl2D.Circle32 : Gl2D.Circle64;
  int n = small ? 32 : 64;
  FlatColour(argb);
  glBegin(GL_LINES);
  for (int i = 1; i <= n; i++) {
    glVertex2f(cx + pts[2 * (i - 1)] * hw, cy + pts[2 * (i - 1) + 1] * hh);
    glVertex2f(cx + pts[2 * i] * hw, cy + pts[2 * i + 1] * hh);
  }
  glEnd();
}

void Gl_WireBox(float cx, float cy, float cz, float hx, float hy, float hz) {
  float x0 = cx - hx, x1 = cx + hx, y0 = cy - hy, y1 = cy + hy, z0 = cz - hz, z1 = cz + hz;
  glBegin(GL_QUADS);
  // front (z1)
  glVertex3f(x0, y0, z1), glVertex3f(x1, y0, z1), glVertex3f(x1, y1, z1), glVertex3f(x0, y1, z1);
  // back (z0)
  glVertex3f(x1, y0, z0), glVertex3f(x0, y0, z0), glVertex3f(x0, y1, z0), glVertex3f(x1, y1, z0);
  // left (x0)
  glVertex3f(x0, y0, z0), glVertex3f(x0, y0, z1), glVertex3f(x0, y1, z1), glVertex3f(x0, y1, z0);
  // right (x1)
  glVertex3f(x1, y0, z1), glVertex3f(x1, y0, z0), glVertex3f(x1, y1, z0), glVertex3f(x1, y1, z1);
  // top (y1)
  glVertex3f(x0, y1, z1), glVertex3f(x1, y1, z1), glVertex3f(x1, y1, z0), glVertex3f(x0, y1, z0);
  // bottom (y0)
  glVertex3f(x0, y0, z0), glVertex3f(x1, y0, z0), glVertex3f(x1, y0, z1), glVertex3f(x0, y0, z1);
  glEnd();
}

void Gl_WireCube(float cx, float cy, float cz, float h) { Gl_WireBox(cx, cy, cz, h, h, h); }

void Gl_Perspective45(int w, int h) {
  glViewport(0, 0, w, h);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45, h > 0 ? (double)w / h : 1.0, 1, 100);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void Gl_TexGenOff() {
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_TEXTURE_GEN_S);
  glDisable(GL_TEXTURE_GEN_T);
}

void Gl_TexGenObjectLinear(const float* planeS, const float* planeT) {
  glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
  glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
  glTexGenfv(GL_S, GL_OBJECT_PLANE, planeS);
  glTexGenfv(GL_T, GL_OBJECT_PLANE, planeT);
  glEnable(GL_TEXTURE_GEN_S);
  glEnable(GL_TEXTURE_GEN_T);
}

void Gl_Fog(int mode, float r, float g, float b, float a, float start, float end) {
  if (mode != 1 && mode != 2) {
    glDisable(GL_FOG);
    return;
  }
  Gl2D.Gl_FogColor[0] = r, Gl2D.Gl_FogColor[1] = g, Gl2D.Gl_FogColor[2] = b, Gl2D.Gl_FogColor[3] = a;
  glFogfv(GL_FOG_COLOR, Gl2D.Gl_FogColor);
  if (mode == 1) {
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogf(GL_FOG_START, start);
    glFogf(GL_FOG_END, end);
  } else {
    glFogi(GL_FOG_MODE, GL_EXP2);
    glFogf(GL_FOG_DENSITY, 0.005f);
  }
  glEnable(GL_FOG);
}

void Gl_FogOff() { glDisable(GL_FOG); }

void Gl_FogOfFloor(int floor) {
  if (floor == 1) Gl_Fog(1, o3::FogR, o3::FogG, o3::FogB, 0.5f, 350, 450);
  else Gl_Fog(1, o3::SkyFogR, o3::SkyFogG, o3::SkyFogB, 0.5f, 350, 450);
}

void Int4_Set(int32_t* dst, int32_t a, int32_t b, int32_t c, int32_t d) {
  dst[0] = a, dst[1] = b, dst[2] = c, dst[3] = d;
}
void Int8_Set(int32_t* dst, int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f, int32_t g,
              int32_t h) {
  Int4_Set(dst, a, b, c, d);
  Int4_Set(dst + 4, e, f, g, h);
}
void Int16_Set(int32_t* dst, int32_t v0, int32_t v1, int32_t v2, int32_t v3, int32_t v4, int32_t v5,
               int32_t v6, int32_t v7, int32_t v8, int32_t v9, int32_t v10, int32_t v11, int32_t v12,
               int32_t v13, int32_t v14, int32_t v15) {
  Int8_Set(dst, v0, v1, v2, v3, v4, v5, v6, v7);
  Int8_Set(dst + 8, v8, v9, v10, v11, v12, v13, v14, v15);
}
int32_t* Rgba4_Set(int32_t* dst, int32_t r, int32_t g, int32_t b, int32_t a) {
  for (int i = 0; i < 4; i++) Int4_Set(dst + 4 * i, r, g, b, a);
  return dst;
}

void CirclePoints_Make(float* out, int n, float radius, int dir) {
  if (!out || n < 3) return;
  float step = 360.0f / n;
  for (int i = 0; i < n; i++) {
    float a = dir == 1 ? i * step : -i * step;
    if (a < 0) a += 360;
    if (a > 360) a -= 360;
    out[2 * i] = std::sin(0.01745f * a) * radius;
    out[2 * i + 1] = std::cos(0.01745f * a) * radius;
  }
}

void CircleTables_Init() {
  CirclePoints_Make(Gl2D.Circle64, 64, 1.0f, 0);
  Gl2D.Circle64[128] = Gl2D.Circle64[0], Gl2D.Circle64[129] = Gl2D.Circle64[1];
  CirclePoints_Make(Gl2D.Circle32, 32, 1.0f, 0);
  Gl2D.Circle32[64] = Gl2D.Circle32[0], Gl2D.Circle32[65] = Gl2D.Circle32[1];
}

void Anim3_Init() {
  TimeMsTimer_Init(&Gl2D.Anim3[0], 0.5f, 0, 1.0f, 0.005f, kTimerPingPong, 10);
  TimeMsTimer_Init(&Gl2D.Anim3[1], 0.5f, 0, 1.0f, 0.03f, kTimerPingPong, 10);
  TimeMsTimer_Init(&Gl2D.Anim3[2], 5.0f, 7.0f, 9.0f, 0.03f, kTimerPingPong, 10);
}

void Anim3_Reset() {
  for (TimeMsTimer& t : Gl2D.Anim3) TimeMsTimer_Upd(&t, 0);
}

int PauseScreen_Draw() {
  Gl2D_Begin(0, Win.WinWidth, 0, Win.WinHeight);
  Gl_BlendMode(kBlendAlpha);
  Gl_ColorMaterial4f(0.7f, 0, 0.2f, 0.4f);
  Tex_Off();
  Gl2D_TexRect(0, 0, (float)Win.WinWidth, (float)Win.WinHeight, 1, 0, 1);
  Gl2D_End();
  Font_PrintWin("PAUSE", 6, 50, 150, "aqpcg");
  return Plat_SwapBuffers();
}
