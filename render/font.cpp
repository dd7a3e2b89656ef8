// Bitmap fonts: the description loader, glyph display lists, coloured printing and measuring.
#include "render/font.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "render/image.h"
#include "shell/bytebuf.h"
#include "shell/files.h"
#include "shell/log.h"
#include "shell/text.h"
#include "shell/window_state.h"

FontSetRec FontSet;

// Font images are small; a wrong name must not pull in a huge file.
static const long kFontMaxFile = 64L << 20;
// The widest text a measure answers, in pixels (far beyond any window).
static const int kFontWidthMax = 1 << 24;

// The font being printed: the highlight codes draw its glyph 0.
static const Font* sPrintFont;

int Font_SkipLine(std::istream& in) { return SkipLine(in); }
std::string Font_TrimLine(const std::string& line) { return TextTrimS(line); }

// Reads lines until one, trimmed, is longer than four characters and begins with marker.
static bool FindMarker(std::istream& in, const char* marker) {
  std::string line;
  for (int i = 0; i < 9999 && TextGetLine(in, line); i++) {
    std::string t = Font_TrimLine(line);
    if (t.size() > 4 && t.compare(0, 5, marker) == 0) return true;
  }
  return false;
}

void Font_FreeLists(Font* font) {
  if (!font) return;
  if (font->listBase) glDeleteLists(font->listBase, font->count);
  font->listBase = 0;
  font->count = 0;
  font->listsPending = 0;
}

void FontSet_Free(FontSetRec* set) {
  if (!set) return;
  for (Font& f : set->fonts) Font_FreeLists(&f);
  for (uint32_t& t : set->tex) {
    if (t) glDeleteTextures(1, &t);
    t = 0;
  }
}

// The alpha bytes of an RGBA image whose every colour is white, or null. A glyph atlas is such an
// image: its glyphs are all coverage. Kept as an alpha texture it takes a quarter of the memory and
// samples the same under the modulate texture environment, the only one the program uses: the
// fragment keeps the current colour and takes the texel's alpha, as it does with white texels.
static uint8_t* WhiteAlpha(const uint8_t* rgba, size_t pixels) {
  uint8_t* alpha = (uint8_t*)malloc(pixels);
  if (!alpha) return nullptr;
  uint8_t white = 0xFF;  // every pixel's colour bytes and-ed: 0xFF only when all are white
  for (size_t i = 0; i < pixels; i++) {
    white &= rgba[4 * i] & rgba[4 * i + 1] & rgba[4 * i + 2];
    alpha[i] = rgba[4 * i + 3];
  }
  if (white == 0xFF) return alpha;
  free(alpha);
  return nullptr;
}

int Font_CreateTex(FontSetRec* set, int index, const uint8_t* pixels, int width, int height, int rgba) {
  if (!set || index < 1 || index > kFontMax || !pixels || width <= 0 || height <= 0) return 0;
  if (set->tex[index]) glDeleteTextures(1, &set->tex[index]);
  set->tex[index] = 0;
  glGenTextures(1, &set->tex[index]);
  if (!set->tex[index]) return 0;
  glBindTexture(GL_TEXTURE_2D, set->tex[index]);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  uint8_t* alpha = rgba ? WhiteAlpha(pixels, (size_t)width * height) : nullptr;
  if (alpha) {
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, width, height, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha);
    free(alpha);
    return 1;
  }
  GLenum fmt = rgba ? GL_RGBA : GL_RGB;
  glTexImage2D(GL_TEXTURE_2D, 0, fmt, width, height, 0, fmt, GL_UNSIGNED_BYTE, pixels);
  return 1;
}

int Font_LoadImage(FontSetRec* set, int index, const char* fileName) {
  if (!set || index < 1 || index > kFontMax || !fileName) return 0;
  ByteBuf block;
  if (!FileReadWhole(&block, fileName, kFontMaxFile, 0)) return 0;
  int w = 0, h = 0, bits = 0;
  uint8_t* px = TargaDecode(block.data, block.size, &w, &h, &bits);
  if (!px) return 0;
  int ok = Font_CreateTex(set, index, px, w, h, bits == 32);
  free(px);
  return ok;
}

// The quad is compiled from client arrays, not between glBegin and glEnd: a list made that way
// leaves the current texture coordinate alone when it runs, where a glBegin list sets it to its last
// corner's. Mesa's software renderer stores a fresh copy of its fragment state (tens of KB) for every
// draw after a current value changed, so a line of text would cost that copy per glyph and keep it
// until the frame is drawn.
void Font_BuildLists(Font* font) {
  if (!font || font->count <= 0 || !font->listBase) return;
  font->listsPending = 0;
  float cw = (float)font->imageWidth / font->cellsPerRow;
  float ch = (float)font->imageHeight / font->cellsPerColumn;
  float iw = (float)font->imageWidth, ih = (float)font->imageHeight;
  float corner[8], texCoord[8];
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(2, GL_FLOAT, 0, corner);
  glTexCoordPointer(2, GL_FLOAT, 0, texCoord);
  for (int i = 0; i < font->count; i++) {
    const FontGlyph& g = font->glyphs[font->firstChar + i];
    int col = i % font->cellsPerRow, row = i / font->cellsPerRow;
    float s0 = col * cw / iw, s1 = s0 + g.advance / iw;
    float t0 = 1.0f - (row + 1) * ch / ih, t1 = 1.0f - row * ch / ih;
    const float w = (float)g.advance, h = (float)g.height;
    const float c[8] = {0, 0, w, 0, w, h, 0, h};
    const float t[8] = {s0, t0, s1, t0, s1, t1, s0, t1};
    memcpy(corner, c, sizeof corner);
    memcpy(texCoord, t, sizeof texCoord);
    glNewList(font->listBase + i, GL_COMPILE);
    glDrawArrays(GL_QUADS, 0, 4);
    if (i >= 4) glTranslatef(w, 0, 0);
    glEndList();
  }
  glPopClientAttrib();
}

int Font_ParseEntry(Font* font, std::istream& in) {
  int tex, first, count, r1, r2, iw, ih, cpr, cpc, flag;
  if (!ReadIntClamped(in, &tex) || !Font_SkipLine(in)) return 0;
  if (!ReadIntClamped(in, &first) || !ReadIntClamped(in, &count) || !Font_SkipLine(in)) return 0;
  if (!ReadIntClamped(in, &r1) || !ReadIntClamped(in, &r2) || !ReadIntClamped(in, &iw) ||
      !ReadIntClamped(in, &ih) || !Font_SkipLine(in))
    return 0;
  if (!ReadIntClamped(in, &cpr) || !ReadIntClamped(in, &cpc) || !Font_SkipLine(in)) return 0;
  if (cpr <= 0 || cpc <= 0 || iw <= 0 || ih <= 0 || first < 0 || first > 255 || count < 1) {
    LogInfo("\nfont entry refused: first %d count %d image %dx%d grid %dx%d", first, count, iw, ih, cpr,
            cpc);
    return 0;
  }
  // The glyph table holds 256 codes; a longer range is cut to it.
  if (first + count > 256) count = 256 - first;
  if (!ReadIntClamped(in, &flag) || !Font_SkipLine(in)) return 0;
  FontGlyph glyphs[256] = {};
  int height = ih / cpc;
  if (flag) {
    int adv;
    if (!ReadIntClamped(in, &adv) || !Font_SkipLine(in)) return 0;
    for (int c = first; c < first + count; c++) glyphs[c] = {adv, height};
  } else {
    for (int c = first; c < first + count; c++) {
      int adv;
      if (!ReadIntClamped(in, &adv)) return 0;
      glyphs[c] = {adv, height};
    }
    Font_SkipLine(in);
  }
  font->textureIndex = tex;
  font->firstChar = first;
  font->count = count;
  font->reserved1 = r1;
  font->reserved2 = r2;
  font->imageWidth = iw;
  font->imageHeight = ih;
  font->cellsPerRow = cpr;
  font->cellsPerColumn = cpc;
  memcpy(font->glyphs, glyphs, sizeof(glyphs));
  return 1;
}

int Font_ReadEntry(Font* font, std::istream& in) {
  if (!font) return 0;
  Font_FreeLists(font);
  if (!Font_ParseEntry(font, in)) {
    font->count = 0;
    return 0;
  }
  font->listBase = glGenLists(font->count);
  if (!font->listBase) return 0;
  font->listsPending = 1;
  return 1;
}

int Font_Init(Font* font, int textureIndex, int imageWidth, int imageHeight) {
  if (!font) return 0;
  Font_FreeLists(font);
  font->firstChar = 0;
  font->count = 256;
  font->textureIndex = textureIndex;
  font->imageWidth = imageWidth;
  font->imageHeight = imageHeight;
  font->reserved1 = font->reserved2 = 0;
  font->cellsPerRow = font->cellsPerColumn = 16;
  for (FontGlyph& g : font->glyphs) g.height = imageHeight / 16;
  font->listBase = glGenLists(256);
  if (!font->listBase) {
    font->count = 0;
    return 0;
  }
  Font_BuildLists(font);
  return 1;
}

int FontSet_LoadTxt(FontSetRec* set, const char* dir) {
  if (!set || !dir) return 0;
  std::string base(dir);
  std::ifstream in;
  if (!FileOpenIn(in, base + "/" + kFontList, std::ios::binary)) return 0;
  if (!FindMarker(in, "=tex=")) return 0;
  int n;
  if (!ReadIntClamped(in, &n) || !Font_SkipLine(in)) return 0;
  if (n > kFontMax) n = kFontMax;
  for (int i = 1; i <= n; i++) {
    std::string line;
    if (!TextGetLine(in, line)) break;
    std::string name = base + "/" + Font_TrimLine(line);
    if (!Font_LoadImage(set, i, name.c_str())) LogInfo("\nfont image %s not loaded", name.c_str());
  }
  if (!FindMarker(in, "=klv=")) {
    FontSet_Free(set);
    return 0;
  }
  int m;
  if (!ReadIntClamped(in, &m) || !Font_SkipLine(in)) {
    FontSet_Free(set);
    return 0;
  }
  if (m > kFontMax) m = kFontMax;
  for (int i = 1; i <= m; i++) {
    if (!FindMarker(in, "=fnt=")) {
      FontSet_Free(set);
      return 0;
    }
    if (!Font_ReadEntry(&set->fonts[i], in)) {
      LogInfo("\nfont %d of %s/%s not usable", i, dir, kFontList);
      Font_FreeLists(&set->fonts[i]);
      // A number that did not parse leaves the stream failed; the rest of the file is lost.
      if (!in) in.clear();
    }
  }
  return 1;
}

int FontSet_Load(FontSetRec* set, const char* dir) { return FontSet_LoadTxt(set, dir); }

// Calls the glyph of code c, or nothing when the font has no glyph for it.
static void CallGlyph(const Font* f, int c) {
  if (c < f->firstChar || c >= f->firstChar + f->count) return;
  glCallList(f->listBase + (c - f->firstChar));
}

void Font_SetColorCode(int code) {
  static const struct {
    char code;
    uint8_t r, g, b;
  } kCodes[] = {{'a', 255, 255, 255}, {'b', 0, 0, 255},     {'c', 0, 255, 255},   {'d', 0, 180, 255},
                {'e', 0, 127, 127},   {'f', 0, 190, 127},   {'g', 0, 255, 0},     {'o', 255, 120, 32},
                {'p', 255, 0, 255},   {'q', 255, 255, 0},   {'r', 255, 0, 0},     {'s', 210, 210, 220},
                {'t', 190, 190, 190}, {'u', 160, 160, 160}, {'v', 127, 127, 127}, {'y', 32, 32, 32}};
  code &= 0xFF;
  const float* s = FontSet.FontSavedColor;
  if (code == 1) {
    glColor4f(s[0], s[1], s[2], 0.5f);
    return;
  }
  if (code == ' ') {
    glColor4f(s[0], s[1], s[2], s[3]);
    return;
  }
  if (code == 'w' || code == 'x') {
    if (sPrintFont) {
      if (code == 'w') glColor4f(0.8f, 0.8f, 0.8f, 0.2f);
      else glColor4f(0.5f, 0.5f, 0.5f, 0.5f);
      CallGlyph(sPrintFont, 0);
    }
    uint8_t v = code == 'w' ? 48 : 63;
    glColor4ub(v, v, v, 255);
    return;
  }
  for (const auto& c : kCodes) {
    if (c.code == code) {
      glColor4ub(c.r, c.g, c.b, 255);
      return;
    }
  }
  glColor4ub(0, 0, 0, 255);
}

static void PrintBytes(FontSetRec* set, const char* text, size_t len, int font, float x, float y,
                       int left, int bottom, int width, int height, const char* codes, size_t codesLen,
                       int skipFront, int skipBack) {
  if (!set || !text || font < 1 || font > kFontMax || len == 0) return;
  const Font* f = &set->fonts[font];
  if (f->textureIndex < 1 || f->textureIndex > kFontMax || !f->listBase) return;
  uint32_t tex = set->tex[f->textureIndex];
  if (!tex) return;
  if (f->listsPending) Font_BuildLists(&set->fonts[font]);
  if (skipFront < 0 || (size_t)skipFront >= len) skipFront = 0;
  if (skipBack < 0 || (size_t)skipBack >= len) skipBack = 0;
  if ((size_t)(skipFront + skipBack) >= len) return;

  glGetFloatv(GL_CURRENT_COLOR, FontSet.FontSavedColor);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, tex);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_DEPTH_TEST);
  glDepthMask(GL_FALSE);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  int16_t right = (int16_t)(left + width), top = (int16_t)(bottom + height);
  glOrtho(left, right, bottom, top, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(x, y, 0);

  sPrintFont = f;
  const uint8_t* t = (const uint8_t*)text;
  size_t from = (size_t)skipFront, to = len - (size_t)skipBack;
  if (codes && codesLen == len) {
    for (size_t i = from; i < to; i++) {
      Font_SetColorCode((uint8_t)codes[i]);
      CallGlyph(f, t[i]);
    }
  } else if (f->firstChar == 0 && f->count == 256) {
    glListBase(f->listBase);
    glCallLists((GLsizei)(to - from), GL_UNSIGNED_BYTE, t + from);
    glListBase(0);
  } else {
    for (size_t i = from; i < to; i++) CallGlyph(f, t[i]);
  }
  sPrintFont = nullptr;

  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
}

void Font_Print(FontSetRec* set, const char* text, int font, float x, float y, int left, int bottom,
                int width, int height, const char* codes, int skipFront, int skipBack) {
  if (!text) return;
  PrintBytes(set, text, strlen(text), font, x, y, left, bottom, width, height, codes,
             codes ? strlen(codes) : 0, skipFront, skipBack);
}

void Font_PrintS(FontSetRec* set, const std::string& text, int font, float x, float y, int left,
                 int bottom, int width, int height, const std::string& codes, int skipFront,
                 int skipBack) {
  PrintBytes(set, text.c_str(), strlen(text.c_str()), font, x, y, left, bottom, width, height,
             codes.empty() ? nullptr : codes.c_str(), strlen(codes.c_str()), skipFront, skipBack);
}

void Font_PrintWin(const char* text, int font, float x, float y, const char* codes, int skipFront,
                   int skipBack) {
  Font_Print(&FontSet, text, font, x, y, 0, 0, Win.WinWidth, Win.WinHeight, codes, skipFront, skipBack);
}

void Font_PrintChar(FontSetRec* set, int code, int font, float x, float y, int left, int bottom,
                    int width, int height) {
  if (code < 1 || code > 255 || font < 1 || font > kFontMax) return;
  char s[2] = {(char)code, 0};
  PrintBytes(set, s, 1, font, x, y, left, bottom, width, height, nullptr, 0, 0, 0);
}

// Whether every advance is zero or more: only then does a measure that passed an edge stay past it.
static bool PenOnlyForward(const Font* f) {
  for (const FontGlyph& g : f->glyphs)
    if (g.advance < 0) return false;
  return true;
}

// The advances of the first n bytes of text, up to a NUL when stopAtNul, stopping once past limit
// where the pen only moves forward. An advance from the font file may be up to a million pixels: the
// sum is taken wide and held to a width a caller can still add window positions to.
static int AdvanceSum(const Font* f, const char* text, int n, int64_t limit, bool stopAtNul) {
  const bool forward = limit < INT64_MAX && PenOnlyForward(f);
  int64_t sum = 0;
  for (int i = 0; i < n && !(stopAtNul && !text[i]); i++) {
    sum += f->glyphs[(uint8_t)text[i]].advance;
    if (forward && sum > limit) break;
  }
  return (int)std::clamp<int64_t>(sum, -kFontWidthMax, kFontWidthMax);
}

int Font_TextWidth(const FontSetRec* set, int font, const char* text, int start, int count) {
  if (!set || !text || font < 1 || font > kFontMax || start < 0 || count == 0) return 0;
  int len = (int)strlen(text);
  if (start >= len) return 0;
  int end = count < 0 || count > len - start ? len : start + count;
  return AdvanceSum(&set->fonts[font], text + start, end - start, INT64_MAX, false);
}

int Font_FitChars(const FontSetRec* set, int font, const char* text, int width) {
  if (!set || !text || font < 1 || font > kFontMax || !text[0]) return 0;
  const Font* f = &set->fonts[font];
  int64_t sum = 0;
  int i = 0;
  for (; text[i]; i++) {
    sum += f->glyphs[(uint8_t)text[i]].advance;
    if (sum > width) return i;
  }
  return i;
}

int Font_CharsBefore(const FontSetRec* set, int font, const char* text, int len, int limit) {
  if (!set || !text || font < 1 || font > kFontMax || len <= 0) return 0;
  const Font* f = &set->fonts[font];
  const bool forward = PenOnlyForward(f);
  int64_t pen = 0;  // wide, as every measure's sum
  int i = 0;
  for (; i < len && text[i]; i++) {
    if (forward && pen >= limit) break;
    // The pen moves as the glyph's display list moves it: lists 0..3 and codes without a glyph stay.
    const int list = (uint8_t)text[i] - f->firstChar;
    if (list >= 4 && list < f->count) pen += f->glyphs[(uint8_t)text[i]].advance;
  }
  return i;
}

int Font_TextWidthUpTo(const FontSetRec* set, int font, const char* text, int len, int count,
                       int limit) {
  if (!set || !text || font < 1 || font > kFontMax || count <= 0) return 0;
  return AdvanceSum(&set->fonts[font], text, count < len ? count : len, limit, true);
}

void Font_PrintClipped(FontSetRec* set, const std::string& text, int font, float x, float y, int left,
                       int bottom, int width, int height, const std::string& codes, int maxWidth) {
  const int len = (int)text.size();
  int n = Font_CharsBefore(set, font, text.c_str(), len, maxWidth);
  // One glyph at least, so that the print leaves the GL state as an unclipped one does.
  if (n == 0 && len > 0 && text[0]) n = 1;
  // Coloured as the unclipped print colours: when both strings are as long up to their first NUL.
  const bool coded = !codes.empty() && strlen(codes.c_str()) == strlen(text.c_str());
  PrintBytes(set, text.c_str(), (size_t)n, font, x, y, left, bottom, width, height,
             coded ? codes.c_str() : nullptr, coded ? (size_t)n : 0, 0, 0);
}

FontPrinter print1;

void FontPrinter::frz(const std::string& text, int font, int x, int y, int left, int bottom, int width,
                      int height) {
  Font_PrintS(&FontSet, text, font, (float)x, (float)y, left, bottom, width, height, std::string(), 0,
              0);
}
