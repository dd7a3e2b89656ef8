// The scratch quad of the figures' render procedures: each procedure fills the texture
// coordinates, colours and corners of one quad here and appends it to the quad arrays of the
// bucket being drawn before the next quad (or the next procedure) overwrites it. The corner
// makers read the camera-relative direction table of the view being drawn.
#pragma once

class Fgr;

struct t_FgrQuad {
  float tex[8];   // (u, v) of the four corners
  float col[16];  // (r, g, b, a) of the four corners
  float pos[12];  // (x, y, z) of the four corners; 2D lists keep x and y
};
extern t_FgrQuad FgrQuad;

void FgrQuad_TexFull();                                         // (0,0), (1,0), (1,1), (0,1)
void FgrQuad_TexRange(float u0, float u1, float v0, float v1);  // the same order over a part
void FgrQuad_Colour(float r, float g, float b, float a);        // all four corners
void FgrQuad_FgrColour(const Fgr* f);                           // fcr, fcg, fcb, fca
// Corners P + D(k) * size for the four whole-degree angles (D = the view's direction table).
void FgrQuad_Dirs(float x, float y, float z, float size, int k0, int k1, int k2, int k3);
// The camera-facing square of half diagonal size: angles 225, 315, 45, 135.
void FgrQuad_Facing(float x, float y, float z, float size);
// A window-pixel rectangle at depth 0: (x0, y0), (x1, y0), (x1, y1), (x0, y1).
void FgrQuad_Pixels(float x0, float y0, float x1, float y1);
// A flat bar from M along D(k) of that length, half width along D(k + 90): corners M + W, M - W,
// A - W, A + W with A = M + D(k) * length and W = D(k + 90) * halfWidth.
void FgrQuad_Bar(float x, float y, float z, int k, float length, float halfWidth);
// A ring of count dots `step` degrees apart from angle `first` (any angle), radius r around (x, y, z):
// each dot a camera-facing square of half diagonal size with the quad's colours and texture cell.
void FgrQuad_Ring(float x, float y, float z, float r, int count, int step, float first, float size);
// Appends the quad with its colours (or white) and texture coordinates (or none); answers the new
// vertex count (unchanged when the arrays are full).
int FgrQuad_Add(int withColour, int withTex);

// The two four-corner colour sets of bars: back (dark, half alpha) and front (red).
void FgrQuad_BarBack();
void FgrQuad_BarFront();

// Whole degrees of any angle into 0..359 (a non-finite angle gives 0), and its sine and cosine: the
// rings turn by angles that no table bound holds.
int Deg_Wrap(float deg);
void Deg_SinCos(int deg, float* s, float* c);
// test_rot1 += step with one wrap into 0..360 (steps above 360 are ignored).
void Fgr_SpinRot(Fgr* f, float step);
