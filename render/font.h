// Bitmap fonts: up to twelve fonts over up to twelve texture images, one display list per glyph,
// text drawn in the current colour or one colour-code letter per character.
#pragma once
#include <cstdint>
#include <istream>
#include <string>

constexpr int kFontMax = 12;

struct FontGlyph {
  int32_t advance;  // pixels the pen moves
  int32_t height;   // pixels
};

struct Font {
  uint32_t listBase;  // first display list; 0 = none
  int32_t firstChar;
  int32_t count;
  FontGlyph glyphs[256];
  int32_t textureIndex;  // 1..12 into FontSetRec::tex
  int32_t reserved1, reserved2;
  int32_t imageWidth, imageHeight;
  int32_t cellsPerRow, cellsPerColumn;
  // The lists are named but not yet compiled: a loaded font compiles them at its first print, so a
  // start pays only for the fonts its screens show.
  int32_t listsPending;
};

struct FontSetRec {
  uint32_t tex[kFontMax + 1];  // 0 unused
  Font fonts[kFontMax + 1];    // 0 unused
  float FontSavedColor[4];     // the GL colour as the last print began
};

extern FontSetRec FontSet;

// The fonts of folder dir as its font list (kFontList) describes them.
constexpr char kFontList[] = "_tfonts.txt";
int FontSet_Load(FontSetRec* set, const char* dir);
int FontSet_LoadTxt(FontSetRec* set, const char* dir);
void FontSet_Free(FontSetRec* set);
void Font_FreeLists(Font* font);
int Font_LoadImage(FontSetRec* set, int index, const char* fileName);
int Font_CreateTex(FontSetRec* set, int index, const uint8_t* pixels, int width, int height, int rgba);
// Reads the fields of one "=fnt=" entry without touching GL: 1 when the entry is usable (sizes
// positive, grid not empty, first glyph inside the table; the count is cut to the table).
int Font_ParseEntry(Font* font, std::istream& in);
int Font_ReadEntry(Font* font, std::istream& in);
int Font_Init(Font* font, int textureIndex, int imageWidth, int imageHeight);
void Font_BuildLists(Font* font);

void Font_Print(FontSetRec* set, const char* text, int font, float x, float y, int left, int bottom,
                int width, int height, const char* codes, int skipFront, int skipBack);
void Font_PrintS(FontSetRec* set, const std::string& text, int font, float x, float y, int left,
                 int bottom, int width, int height, const std::string& codes, int skipFront,
                 int skipBack);
// The usual print: the game's font set in the whole window, with the text's colour codes (one
// letter a character) or the current colour, skipping characters at either end when asked.
void Font_PrintWin(const char* text, int font, float x, float y, const char* codes = nullptr,
                   int skipFront = 0, int skipBack = 0);
void Font_PrintChar(FontSetRec* set, int code, int font, float x, float y, int left, int bottom,
                    int width, int height);
void Font_SetColorCode(int code);
int Font_TextWidth(const FontSetRec* set, int font, const char* text, int start, int count);
int Font_FitChars(const FontSetRec* set, int font, const char* text, int width);
// For drawing clipped at a right edge: how many leading characters of text[0..len) (a zero byte
// ends it) begin left of limit pixels from the pen's start; all of them when the font has a
// negative advance. Font_TextWidth of the first count characters that stops adding once the width
// exceeds limit: exact up to limit, above it otherwise. Font_PrintS of the characters that begin
// left of x + maxWidth. All three cost what lies left of the edge, not the length of the text.
int Font_CharsBefore(const FontSetRec* set, int font, const char* text, int len, int limit);
int Font_TextWidthUpTo(const FontSetRec* set, int font, const char* text, int len, int count, int limit);
void Font_PrintClipped(FontSetRec* set, const std::string& text, int font, float x, float y, int left,
                       int bottom, int width, int height, const std::string& codes, int maxWidth);
int Font_SkipLine(std::istream& in);
// A copy of the line without the blanks and tabs at either end ("" for an all-blank line).
std::string Font_TrimLine(const std::string& line);

// The text printer the generated key re-binding prompt calls: the text in the current colour.
struct FontPrinter {
  void frz(const std::string& text, int font, int x, int y, int left, int bottom, int width, int height);
};
extern FontPrinter print1;
