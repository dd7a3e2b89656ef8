// Font atlases of the asset kit: DejaVu glyphs through FreeType, laid out by Windows-1251 byte.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <map>

#include "kit.h"

static const FontSpec kFonts[] = {
    {1, "DejaVuSans.ttf", 12, 16, "font_sans12.tga"},
    {2, "DejaVuSans-Bold.ttf", 12, 16, "font_sansb12.tga"},
    {3, "DejaVuSansMono.ttf", 12, 16, "font_mono12.tga"},
    {4, "DejaVuSans.ttf", 10, 16, "font_sans10.tga"},
    {5, "DejaVuSans-Bold.ttf", 18, 32, "font_sansb18.tga"},
    {6, "DejaVuSans-Bold.ttf", 26, 32, "font_sansb26.tga"},
    {7, "DejaVuSerif.ttf", 12, 16, "font_serif12.tga"},
    {8, "DejaVuSerif-Bold.ttf", 18, 32, "font_serifb18.tga"},
    {9, "DejaVuSansMono-Bold.ttf", 12, 16, "font_monob12.tga"},
    {10, "DejaVuSans.ttf", 18, 32, "font_sans18.tga"},
    {11, "DejaVuSans-Oblique.ttf", 12, 16, "font_sansi12.tga"},
    {12, "DejaVuSansCondensed.ttf", 11, 16, "font_cond11.tga"},
};

uint32_t Cp1251ToUnicode(int b) {
  static const uint16_t kHigh[64] = {
      0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
      0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
      0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
      0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
      0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};
  if (b < 0x80) return (uint32_t)b;
  if (b < 0xC0) return kHigh[b - 0x80];
  return 0x0410 + (uint32_t)(b - 0xC0);
}

static FT_Library sLib;
static std::string sDir;
static std::map<std::string, FT_Face> sFaces;

bool Kit_FontOpen(const std::string& dejavuDir) {
  sDir = dejavuDir;
  return FT_Init_FreeType(&sLib) == 0;
}

void Kit_FontClose() {
  for (auto& f : sFaces) FT_Done_Face(f.second);
  sFaces.clear();
  FT_Done_FreeType(sLib);
}

static FT_Face Face(const char* file, int px) {
  auto it = sFaces.find(file);
  FT_Face face = nullptr;
  if (it == sFaces.end()) {
    std::string path = sDir + "/" + file;
    if (FT_New_Face(sLib, path.c_str(), 0, &face) != 0) {
      fprintf(stderr, "assetkit: cannot open %s\n", path.c_str());
      return nullptr;
    }
    sFaces[file] = face;
  } else {
    face = it->second;
  }
  FT_Set_Pixel_Sizes(face, 0, (FT_UInt)px);
  return face;
}

// Renders one glyph; its coverage is handed to put(x, y, coverage) in bitmap coordinates.
template <class Put>
static bool Render(FT_Face face, uint32_t cp, Put put) {
  if (FT_Load_Char(face, cp, FT_LOAD_RENDER) != 0) return false;
  const FT_Bitmap& bm = face->glyph->bitmap;
  for (unsigned y = 0; y < bm.rows; y++)
    for (unsigned x = 0; x < bm.width; x++) {
      uint8_t v = bm.buffer[y * bm.pitch + x];
      if (v) put((int)x, (int)y, v / 255.0f);
    }
  return true;
}

void StampGlyph(Canvas& c, const char* face, int px, uint32_t cp, float cx, float cy, Rgba col) {
  FT_Face f = Face(face, px);
  if (!f || FT_Load_Char(f, cp, FT_LOAD_RENDER) != 0) return;
  const FT_Bitmap& bm = f->glyph->bitmap;
  int x0 = (int)std::lround(cx - bm.width / 2.0f), y0 = (int)std::lround(cy - bm.rows / 2.0f);
  Render(f, cp, [&](int x, int y, float cov) { c.Blend(x0 + x, y0 + y, col, cov); });
}

// One atlas: cell i holds byte i; returns the advances.
static bool DrawAtlas(const FontSpec& s, Canvas& atlas, int adv[256]) {
  FT_Face f = Face(s.face, s.pixels);
  if (!f) return false;
  int asc = (int)((f->size->metrics.ascender + 63) >> 6);
  int desc = (int)((-f->size->metrics.descender + 63) >> 6);
  int baseline = (s.cell - (asc + desc)) / 2 + asc;
  for (int b = 0; b < 256; b++) {
    adv[b] = 0;
    int cx = (b % 16) * s.cell, cy = (b / 16) * s.cell;
    uint32_t cp = Cp1251ToUnicode(b);
    if (b == 0) continue;  // the block, drawn below with the width of a digit
    if (b < 32 || b == 127 || cp == 0) continue;
    if (FT_Load_Char(f, cp, FT_LOAD_RENDER) != 0) continue;
    int a = (int)((f->glyph->advance.x + 32) >> 6);
    adv[b] = a > s.cell ? s.cell : a;
    int left = f->glyph->bitmap_left < 0 ? 0 : f->glyph->bitmap_left;
    int top = baseline - f->glyph->bitmap_top;
    Render(f, cp, [&](int x, int y, float cov) {
      int px = left + x, py = top + y;
      if (px < 0 || py < 0 || px >= s.cell || py >= s.cell) return;
      atlas.At(cx + px, cy + py) = {1, 1, 1, cov};
    });
  }
  adv[0] = adv['0'];
  for (int y = 0; y < s.cell; y++)
    for (int x = 0; x < s.cell; x++) atlas.At(x, y) = {1, 1, 1, 1};
  return true;
}

bool Kit_WriteFonts(const std::string& outDir) {
  std::string txt;
  txt += "Bitmap fonts: 16 x 16 glyph atlases by Windows-1251 byte, drawn by the asset kit\n";
  txt += "=tex= font images\n";
  txt += std::to_string(sizeof(kFonts) / sizeof(kFonts[0])) + "\n";
  for (const FontSpec& s : kFonts) txt += std::string(s.image) + "\n";
  txt += "=klv= fonts\n";
  txt += std::to_string(sizeof(kFonts) / sizeof(kFonts[0])) + "\n";
  int index = 0;
  for (const FontSpec& s : kFonts) {
    index++;
    int side = s.cell * 16;
    Canvas atlas(side, side, {1, 1, 1, 0});
    int adv[256];
    if (!DrawAtlas(s, atlas, adv)) return false;
    if (!WriteTga(outDir + "/" + s.image, atlas, 32, true, true)) {
      fprintf(stderr, "assetkit: cannot write %s\n", s.image);
      return false;
    }
    char head[160];
    snprintf(head, sizeof(head), "=fnt= %d %s %d px\n%d\n0 256\n0 0 %d %d\n16 16\n0\n", s.number, s.face,
             s.pixels, index, side, side);
    txt += head;
    for (int r = 0; r < 16; r++) {
      for (int k = 0; k < 16; k++) txt += std::to_string(adv[r * 16 + k]) + (k < 15 ? " " : "\n");
    }
  }
  FILE* f = fopen((outDir + "/_tfonts.txt").c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(txt.data(), 1, txt.size(), f) == txt.size();
  return fclose(f) == 0 && ok;
}
