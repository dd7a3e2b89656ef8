// Asset kit: a small RGBA canvas, the TGA writer, the procedural art and the font atlases.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Rgba {
  float r, g, b, a;
};

// Pixels top row first, channels 0..1.
struct Canvas {
  int w = 0, h = 0;
  std::vector<Rgba> px;
  Canvas(int w_, int h_, Rgba fill = {0, 0, 0, 0}) : w(w_), h(h_), px((size_t)w_ * h_, fill) {}
  Rgba& At(int x, int y) { return px[(size_t)y * w + x]; }
  // Source-over blend of colour c at coverage cov.
  void Blend(int x, int y, Rgba c, float cov);
};

// Fixed-seed generator, the same numbers on every run and machine.
struct KitRand {
  uint32_t s;
  explicit KitRand(uint32_t seed) : s(seed) {}
  uint32_t Next() { return s = s * 1664525u + 1013904223u; }
  float Unit() { return (Next() >> 8) * (1.0f / 16777216.0f); }
};

// Writes type 2 (rle false) or type 10 (rle true), 24 or 32 bits; false when the file fails.
bool WriteTga(const std::string& path, const Canvas& c, int bits, bool rle, bool topOrigin);

// Drawing, all anti-aliased by coverage.
void FillRect(Canvas& c, float x0, float y0, float x1, float y1, Rgba col);
void Disc(Canvas& c, float cx, float cy, float r, Rgba col);
void Ring(Canvas& c, float cx, float cy, float r, float width, Rgba col);
void Segment(Canvas& c, float x0, float y0, float x1, float y1, float width, Rgba col);
void Polygon(Canvas& c, const std::vector<float>& xy, Rgba col);
void Glow(Canvas& c, float cx, float cy, float r, Rgba col);  // soft radial falloff
void VGradient(Canvas& c, Rgba top, Rgba bottom);
void Bevel(Canvas& c, int border, float light, float dark);
float Noise(float x, float y, uint32_t seed, int period);  // smooth value noise 0..1
// Three octaves of noise between base and other, `cells` noise cells across: seamless tiles.
void NoiseTint(Canvas& c, Rgba base, Rgba other, int cells, uint32_t seed, float rough);

// Fonts: FreeType over the DejaVu files. One glyph of Unicode code point cp stamped centred.
bool Kit_FontOpen(const std::string& dejavuDir);
void Kit_FontClose();
void StampGlyph(Canvas& c, const char* face, int px, uint32_t cp, float cx, float cy, Rgba col);

struct FontSpec {
  int number;
  const char* face;   // DejaVu file name
  int pixels;         // FreeType pixel size
  int cell;           // cell side; the atlas is 16 cells square
  const char* image;  // atlas file name
};
// Draws the atlases and writes _tfonts.txt; false on any failure.
bool Kit_WriteFonts(const std::string& outDir);
// Draws every start-up texture and writes pix_start.txt.
bool Kit_WriteTextures(const std::string& outDir);
// Unicode code point of Windows-1251 byte b (0 for the one unassigned byte).
uint32_t Cp1251ToUnicode(int b);
