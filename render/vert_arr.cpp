// The quad arrays, the quad corner makers and the scene buffers' client-array cache.
#include "render/vert_arr.h"

#include <GL/gl.h>

#include <cstring>

#include "render/batch.h"
#include "render/scene.h"
#include "render/texture.h"

t_DecalVerts DecalVerts;

int VertArr_Add(t_DecalVerts* a, const float* corners, const float* colours, const float* texcoords) {
  int n = a->count;
  if (n + 3 > kDecalVerts - 1 || !corners) return n + 3;
  for (int k = 0; k < 4; k++) {
    const float* c = corners + 3 * k;
    if (a->flat) {
      a->pos2[2 * (n + k)] = c[0];
      a->pos2[2 * (n + k) + 1] = c[1];
    } else {
      std::memcpy(&a->pos3[3 * (n + k)], c, 3 * sizeof(float));
    }
  }
  if (colours) {
    std::memcpy(&a->col[4 * n], colours, 16 * sizeof(float));
  } else {
    for (int i = 0; i < 16; i++) a->col[4 * n + i] = 1.0f;
  }
  if (texcoords) std::memcpy(&a->tex[2 * n], texcoords, 8 * sizeof(float));
  a->count = n + 4;
  return a->count;
}

const float* ColorArr_Fill(t_DecalVerts*, float* out, int mode, const float* p) {
  if (!p) return nullptr;
  if (mode == 16) return p;
  if (!out) return nullptr;
  for (int k = 0; k < 4; k++) {
    float* v = out + 4 * k;
    switch (mode) {
      case 1: v[0] = v[1] = v[2] = v[3] = p[0]; break;
      case 2: v[0] = v[1] = v[2] = p[0], v[3] = p[1]; break;
      case 3: v[0] = p[0], v[1] = p[1], v[2] = p[2], v[3] = 1.0f; break;
      case 4: v[0] = p[0], v[1] = p[1], v[2] = p[2], v[3] = p[3]; break;
      case 8: v[0] = v[1] = v[2] = p[2 * k], v[3] = p[2 * k + 1]; break;
      default: return nullptr;
    }
  }
  return out;
}

int Dir361_Wrap(int d) {
  if (d > 360) d -= 360;
  else if (d < 0) d += 360;
  if (d < 0 || d > 360) d = ((d % 360) + 360) % 360;
  return d;
}

float* Quad_Rotate(t_DecalVerts*, float* out, float x, float y, float z, float size, int angle) {
  if (!out) return nullptr;
  static const int kCorner[4] = {225, 315, 45, 135};
  for (int k = 0; k < 4; k++) {
    const float* d = RendScene.Dir361View[Dir361_Wrap(angle + kCorner[k])];
    out[3 * k] = x + size * d[0];
    out[3 * k + 1] = y + size * d[1];
    out[3 * k + 2] = z + size * d[2];
  }
  return out;
}

float* Quad_Segment(t_DecalVerts*, float* out, float x, float y, float z, float length, float halfWidth,
                    int angle, int mode, float taper) {
  if (!out) return nullptr;
  const float* d = RendScene.Dir361View[Dir361_Wrap(angle)];
  float p[3] = {x, y, z};
  float e[3] = {x + length * d[0], y + length * d[1], z + length * d[2]};
  if (mode == 1) {
    float c[12] = {p[0], p[1] + halfWidth, p[2], p[0], p[1] - halfWidth, p[2],
                   e[0], e[1] - halfWidth, e[2], e[0], e[1] + halfWidth, e[2]};
    std::memcpy(out, c, sizeof c);
  } else if (mode == 0 || mode == 2) {
    const float* s = RendScene.Dir361View[Dir361_Wrap(angle + 90)];
    float t = mode == 2 ? taper : 1.0f;
    for (int i = 0; i < 3; i++) {
      float n = halfWidth * s[i];
      out[i] = p[i] + n;
      out[3 + i] = p[i] - n;
      out[6 + i] = e[i] - n * t;
      out[9 + i] = e[i] + n * t;
    }
  }
  return out;
}

int Gl_BindSceneArrays(const BatchEntry* e, int flat) {
  glVertexPointer(flat ? 2 : 3, GL_FLOAT, 0, flat ? DecalVerts.pos2 : DecalVerts.pos3);
  glEnableClientState(GL_VERTEX_ARRAY);
  glColorPointer(4, GL_FLOAT, 0, DecalVerts.col);
  glEnableClientState(GL_COLOR_ARRAY);
  if (e && e->tex >= 1) {
    Tex_Bind(&TexTable, e->tex);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexCoordPointer(2, GL_FLOAT, 0, DecalVerts.tex);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  } else {
    Tex_Off();
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  }
  return 1;
}

void Dir361_DebugDraw() {
  glBegin(GL_LINES);
  for (int i = 0; i < kDir361; i++) {
    glColor3f(i / 360.0f, 0.5f, 0.2f);
    glVertex3f(0, 0, 0);
    glVertex3fv(RendScene.Dir361View[i]);
  }
  glEnd();
  glBegin(GL_QUADS);
  static const int kCorner[4] = {225, 315, 45, 135};
  for (int k : kCorner) glVertex3fv(RendScene.Dir361View[k]);
  glEnd();
}

// One member of the pointer cache: slot 0 vertex, 1 normal, 2 colour, 3 texture coordinate.
static bool CacheHit(t_RendScene* s, int slot, const void* p, GLenum array, int force) {
  if (!force && s->arrPtr[slot] == p) {
    glEnableClientState(array);
    return true;
  }
  s->arrPtr[slot] = p;
  return false;
}

void Gl_ArrayPtrVertex(t_RendScene* s, const float* p, int force) {
  if (!p) return glDisableClientState(GL_VERTEX_ARRAY);
  if (CacheHit(s, 0, p, GL_VERTEX_ARRAY, force)) return;
  glVertexPointer(3, GL_FLOAT, 0, p);
  glEnableClientState(GL_VERTEX_ARRAY);
}

void Gl_ArrayPtrNormal(t_RendScene* s, const float* p, int force) {
  if (!p) return glDisableClientState(GL_NORMAL_ARRAY);
  if (CacheHit(s, 1, p, GL_NORMAL_ARRAY, force)) return;
  glNormalPointer(GL_FLOAT, 0, p);
  glEnableClientState(GL_NORMAL_ARRAY);
}

void Gl_ArrayPtrColour(t_RendScene* s, const uint8_t* p, int force) {
  if (!p) {
    glDisableClientState(GL_COLOR_ARRAY);
    glEnable(GL_COLOR_MATERIAL);
    return;
  }
  if (CacheHit(s, 2, p, GL_COLOR_ARRAY, force)) return;
  glColorPointer(4, GL_UNSIGNED_BYTE, 0, p);
  glEnableClientState(GL_COLOR_ARRAY);
}

void Gl_ArrayPtrTexCoord(t_RendScene* s, const float* p, int force) {
  if (!p) return glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  if (CacheHit(s, 3, p, GL_TEXTURE_COORD_ARRAY, force)) return;
  glTexCoordPointer(2, GL_FLOAT, 0, p);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}

void Gl_BindSceneBuffers(t_RendScene* s, int noColour) {
  Gl_BindArrays4(s, s->pos, s->nrm, noColour ? nullptr : s->col, s->tex);
}

void Gl_BindArrays4(t_RendScene* s, const float* pos, const float* nrm, const uint8_t* col,
                    const float* tex) {
  Gl_ArrayPtrVertex(s, pos, 0);
  Gl_ArrayPtrNormal(s, nrm, 0);
  Gl_ArrayPtrColour(s, col, 0);
  Gl_ArrayPtrTexCoord(s, tex, 0);
}

void Gl_DrawTris(t_RendScene* s, int n, const uint32_t* indices, const float* pos, const float* nrm,
                 const uint8_t* col, const float* tex) {
  if (n < 3 || !indices) return;
  if (pos) Gl_BindArrays4(s, pos, nrm, col, tex);
  else Gl_BindSceneBuffers(s, 0);
  glDrawElements(GL_TRIANGLES, n, GL_UNSIGNED_INT, indices);
}
