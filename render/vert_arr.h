// Client-side vertex arrays: the quad arrays that collect one large-list bucket (2D for the overlay
// lists, 3D for the scene) and are drawn with one call, the quad corner makers that read the
// camera-relative direction table, and the pointer cache of the scene's shared buffers.
#pragma once
#include <cstdint>

struct BatchEntry;
struct t_RendScene;

constexpr int kDecalVerts = 40801;  // vertices 0..40800

struct t_DecalVerts {
  int count;  // 0..40800
  int flat;   // non-zero while a 2D overlay list is drawn
  float pos2[kDecalVerts * 2];
  float pos3[kDecalVerts * 3];
  float col[kDecalVerts * 4];
  float tex[kDecalVerts * 2];
};
extern t_DecalVerts DecalVerts;

// Appends one quad (12 corner floats; colours 16 floats or null for white; texcoords 8 floats or
// null to keep what the slots hold). Answers the new count, or count + 3 unchanged when the quad
// would pass vertex 40800 or corners is null.
int VertArr_Add(t_DecalVerts* a, const float* corners, const float* colours, const float* texcoords);
// The colours of a quad by mode (1, 2, 3, 4, 8 fill out; 16 answers values itself); null, for white,
// when values is null or the mode is another.
const float* ColorArr_Fill(t_DecalVerts* a, float* out, int mode, const float* values);
// A camera-facing square of half diagonal size around (x, y, z), turned by the angle in degrees.
float* Quad_Rotate(t_DecalVerts* a, float* out, float x, float y, float z, float size, int angle);
// A band from (x, y, z) of the length along the angle: mode 1 upright, 0 flat, 2 flat and tapered.
float* Quad_Segment(t_DecalVerts* a, float* out, float x, float y, float z, float length,
                    float halfWidth, int angle, int mode, float taper);
// Index into the 361-entry direction tables of a whole-degree angle already offset; angles outside
// -360..720 wrap round the circle instead of reading past the table.
int Dir361_Wrap(int degrees);
int Gl_BindSceneArrays(const BatchEntry* e, int flat);
void Dir361_DebugDraw();

// The scene buffers' client arrays; force 0 skips a pointer equal to the cached one.
void Gl_ArrayPtrVertex(t_RendScene* s, const float* p, int force);
void Gl_ArrayPtrNormal(t_RendScene* s, const float* p, int force);
void Gl_ArrayPtrColour(t_RendScene* s, const uint8_t* p, int force);
void Gl_ArrayPtrTexCoord(t_RendScene* s, const float* p, int force);
void Gl_BindSceneBuffers(t_RendScene* s, int noColour);
void Gl_BindArrays4(t_RendScene* s, const float* pos, const float* nrm, const uint8_t* col,
                    const float* tex);
// Indexed triangles: the given arrays, or the scene's own buffers (with colours) without positions.
void Gl_DrawTris(t_RendScene* s, int n, const uint32_t* indices, const float* pos, const float* nrm,
                 const uint8_t* col, const float* tex);
