// The texture table, its start-up list loader and the upload rules of every texture.
#include "render/texture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "platform/platform.h"
#include "render/error_box.h"
#include "render/image.h"
#include "shell/bytebuf.h"
#include "shell/file_save.h"
#include "shell/files.h"
#include "shell/log.h"
#include "shell/text.h"

TexTableRec TexTable = {1, {}, {}};

// Whole files read into memory are capped so a wrong name cannot pull in a huge file.
static const long kTexMaxFile = 256L << 20;
// A raw image's head: its width, height and bytes a pixel, three little-endian words.
static const size_t kRawHeader = 12;

void Tex_Bind(TexTableRec* table, int n) {
  if (!table || n < 0 || n >= kTexSlots) return;
  Tex_On(&table->slots[n]);
}

void Tex_On(TexSlot* slot) {
  if (!slot || slot->glName == 0) return;
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, slot->glName);
}

void Tex_Off() { glDisable(GL_TEXTURE_2D); }

void Tex_Delete(TexSlot* slot) {
  if (!slot) return;
  if (slot->glName) glDeleteTextures(1, &slot->glName);
  slot->glName = 0;
  slot->mipmapped = 0;
  slot->changes++;
}

void Tex_FreePixels(TexSlot* slot) {
  if (!slot) return;
  free(slot->pixels);
  slot->pixels = nullptr;
  slot->bits = 0;
}

uint8_t* Tex_Alloc(TexSlot* slot, int width, int height, int bits) {
  if (!slot) return nullptr;
  Tex_FreePixels(slot);
  Tex_Delete(slot);
  if (width <= 0 || height <= 0) return nullptr;
  int bpp = bits == 32 ? 4 : 3;
  slot->pixels = (uint8_t*)malloc((size_t)width * height * bpp);
  if (!slot->pixels) return nullptr;
  slot->width = width;
  slot->height = height;
  slot->bits = bpp * 8;
  return slot->pixels;
}

void Tex_Pixel(const TexSlot* slot, int x, int y, uint8_t* r, uint8_t* g, uint8_t* b, uint8_t* a) {
  if (!slot || !slot->pixels || x < 0 || y < 0 || x >= slot->width || y >= slot->height) return;
  int bpp = slot->bits / 8;
  if (bpp < 1 || bpp > 4) return;
  const uint8_t* p = slot->pixels + ((size_t)(slot->height - 1 - y) * slot->width + (size_t)x) * bpp;
  uint8_t R, G, B, A = 0;
  if (bpp >= 3) {
    R = p[0], G = p[1], B = p[2];
    if (bpp == 4) A = p[3];
  } else {
    R = G = B = p[0];
    if (bpp == 2) A = p[1];
  }
  if (r) *r = R;
  if (g) *g = G;
  if (b) *b = B;
  if (a) *a = A;
}

int Tex_NoMipmaps(const TexSlot* slot) { return slot && !slot->mipmapped ? 1 : 0; }

int Img_DrawPixels(const TexSlot* slot, int x, int y, int bgr) {
  if (!slot || !slot->pixels) return -1;
  if (slot->bits != 24 && slot->bits != 32) return 0;
  GLenum fmt = slot->bits == 32 ? (bgr == 1 ? GL_BGRA : GL_RGBA) : (bgr == 1 ? GL_BGR : GL_RGB);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glRasterPos2i(x, y);
  glDrawPixels(slot->width, slot->height, fmt, GL_UNSIGNED_BYTE, slot->pixels);
  return 1;
}

void Tex_ParamLinear() {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

static int Mipmaps2D(TexSlot* slot, GLenum fmt) {
  if (!slot || !slot->pixels) return 0;
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  return gluBuild2DMipmaps(GL_TEXTURE_2D, fmt, slot->width, slot->height, fmt, GL_UNSIGNED_BYTE,
                           slot->pixels) == 0
             ? 1
             : 0;
}
int Tex_Mipmaps2DRgb(TexSlot* slot) { return Mipmaps2D(slot, GL_RGB); }
int Tex_Mipmaps2DRgba(TexSlot* slot) { return Mipmaps2D(slot, GL_RGBA); }

// Uploads the same block at firstLevel and every smaller level; *width and *height come in as
// the size of the level above and leave as 1 x 1.
static void Image2D(const uint8_t* pixels, int* width, int* height, int firstLevel, GLenum fmt) {
  if (!pixels || !width || !height || firstLevel < 1) return;
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  for (int level = firstLevel;; level++) {
    *width = *width > 1 ? *width / 2 : 1;
    *height = *height > 1 ? *height / 2 : 1;
    glTexImage2D(GL_TEXTURE_2D, level, fmt, *width, *height, 0, fmt, GL_UNSIGNED_BYTE, pixels);
    if (*width == 1 && *height == 1) break;
  }
}
void Tex_Image2DRgb(TexSlot*, const uint8_t* pixels, int* width, int* height, int firstLevel) {
  Image2D(pixels, width, height, firstLevel, GL_RGB);
}
void Tex_Image2DRgba(TexSlot*, const uint8_t* pixels, int* width, int* height, int firstLevel) {
  Image2D(pixels, width, height, firstLevel, GL_RGBA);
}

uint8_t* Tex_LoadTga(TexSlot* slot, int level, int* width, int* height, int* bits) {
  if (level < 1 || TexTable.TexCurName.size() < 5) return nullptr;
  std::string name =
      TexTable.TexCurName.substr(0, TexTable.TexCurName.size() - 4) + std::to_string(level) + ".tga";
  ByteBuf block;
  if (!FileReadWhole(&block, name, kTexMaxFile, 0)) return nullptr;
  return TargaDecode(block.data, block.size, width, height, bits);
}

static int UploadMips(TexSlot* slot, int mode, GLenum fmt) {
  if (mode < 4 || mode > 7) return Mipmaps2D(slot, fmt);
  int bound = 1 << mode;  // 16, 32, 64, 128
  if (slot->width < bound || slot->height < bound) return 0;
  if (!Mipmaps2D(slot, fmt)) return 0;
  int bits = fmt == GL_RGBA ? 32 : 24;
  for (int k = 1; k <= mode - 1; k++) {
    int w = 0, h = 0, b = 0;
    uint8_t* level = Tex_LoadTga(slot, k, &w, &h, &b);
    if (!level) continue;
    int lw = slot->width >> k, lh = slot->height >> k;
    if (lw < 1) lw = 1;
    if (lh < 1) lh = 1;
    // A level file of another size or depth would make GL read past its block.
    if (w != lw || h != lh || b != bits) {
      LogInfo("\nlevel file %d of %s is %dx%dx%d, needs %dx%dx%d: not used", k,
              TexTable.TexCurName.c_str(), w, h, b, lw, lh, bits);
      free(level);
      continue;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (k == mode - 1) {
      int pw = slot->width >> (k - 1), ph = slot->height >> (k - 1);
      Image2D(level, &pw, &ph, k, fmt);
    } else {
      glTexImage2D(GL_TEXTURE_2D, k, fmt, lw, lh, 0, fmt, GL_UNSIGNED_BYTE, level);
    }
    free(level);
  }
  return 1;
}
int Tex_UploadRgbMips(TexSlot* slot, int mode) { return UploadMips(slot, mode, GL_RGB); }
int Tex_UploadRgbaMips(TexSlot* slot, int mode) { return UploadMips(slot, mode, GL_RGBA); }

int Tex_Create(TexSlot* slot, int mipMode, int freePixels) {
  if (!slot || !slot->pixels) return 0;
  if (slot->bits != 8 && slot->bits != 16 && slot->bits != 24 && slot->bits != 32) return 0;
  if (slot->width <= 0 || slot->height <= 0) return 0;
  Tex_Delete(slot);
  glGenTextures(1, &slot->glName);
  glBindTexture(GL_TEXTURE_2D, slot->glName);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  GLenum fmt = GL_RGB;
  if (slot->bits == 32) fmt = GL_RGBA;
  if (slot->bits == 16) fmt = GL_LUMINANCE_ALPHA, mipMode = 0;
  if (slot->bits == 8) fmt = GL_LUMINANCE, mipMode = 0;
  slot->mipmapped = 0;
  if (mipMode > 0) {
    Tex_ParamLinear();
    if (slot->bits == 32)
      slot->mipmapped = mipMode == 1 ? Tex_Mipmaps2DRgba(slot) : Tex_UploadRgbaMips(slot, mipMode);
    else slot->mipmapped = mipMode == 1 ? Tex_Mipmaps2DRgb(slot) : Tex_UploadRgbMips(slot, mipMode);
  }
  if (!slot->mipmapped) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, fmt, slot->width, slot->height, 0, fmt, GL_UNSIGNED_BYTE, slot->pixels);
  slot->changes++;
  if (freePixels) Tex_FreePixels(slot);
  return 1;
}

int Tex_FromMem(TexTableRec* table, int n, uint8_t* pixels, int width, int height, int formatCode,
                int mipMode) {
  if (!table || n < 0 || n >= kTexSlots || !pixels || formatCode < 1 || formatCode > 4) return 0;
  if (width <= 0 || height <= 0) return 0;
  TexSlot* s = &table->slots[n];
  Tex_FreePixels(s);
  s->pixels = pixels;
  s->width = width;
  s->height = height;
  s->bits = formatCode * 8;
  Tex_Create(s, mipMode, 0);
  s->pixels = nullptr;  // the caller keeps its buffer
  s->bits = 0;
  return s->glName ? 1 : 0;
}

static int ReadI32(FILE* f, int32_t* v) {
  uint8_t b[4];
  if (fread(b, 1, 4, f) != 4) return 0;
  *v = (int32_t)((uint32_t)b[0] | ((uint32_t)b[1] << 8) | ((uint32_t)b[2] << 16) |
                 ((uint32_t)b[3] << 24));
  return 1;
}

int Tex_LoadFile(TexSlot* slot, const char* fileName) {
  if (!slot || !fileName) return 0;
  FILE* f = FileOpenRead(fileName);
  if (!f) return 0;
  Tex_FreePixels(slot);
  size_t len = strlen(fileName);
  if (len > 4 && fileName[len - 4] == '.') {
    fclose(f);
    ByteBuf block;
    if (!FileReadWhole(&block, fileName, kTexMaxFile, 0)) return 0;
    int w = 0, h = 0, b = 0;
    uint8_t* px = TargaDecode(block.data, block.size, &w, &h, &b);
    if (!px) return 0;
    slot->pixels = px;
    slot->width = w;
    slot->height = h;
    slot->bits = b;
    return 1;
  }
  // Raw image: the stored sizes are checked against the file before anything is allocated.
  int32_t w, h, n;
  long fileLen = -1;
  if (fseek(f, 0, SEEK_END) == 0) fileLen = ftell(f);
  if (fseek(f, 0, SEEK_SET) != 0 || !ReadI32(f, &w) || !ReadI32(f, &h) || !ReadI32(f, &n) || n < 1 ||
      n > 4 || w <= 0 || h <= 0 || w > 16384 || h > 16384 ||
      (long long)w * h * n > (long long)fileLen - (long long)kRawHeader) {
    LogInfo("\nraw image %s: bad header or short file", fileName);
    fclose(f);
    return 0;
  }
  if ((size_t)w * h * n > kImgMaxDecodedBytes) {
    LogInfo("\nraw image %s: decodes to more than 64 MiB", fileName);
    fclose(f);
    return 0;
  }
  size_t bytes = (size_t)w * h * n;
  uint8_t* px = (uint8_t*)malloc(bytes);
  if (!px) {
    fclose(f);
    return 0;
  }
  if (fread(px, 1, bytes, f) != bytes) {
    LogInfo("\nraw image %s: read failed", fileName);
    free(px);
    fclose(f);
    return 0;
  }
  fclose(f);
  slot->pixels = px;
  slot->width = w;
  slot->height = h;
  slot->bits = n * 8;
  return 1;
}

int Tex_LoadNamed(TexTableRec* table, int n, const char* fileName, int mipMode) {
  if (!table || n < 0 || n >= kTexSlots) return 0;
  TexSlot* s = &table->slots[n];
  if (!Tex_LoadFile(s, fileName)) return 0;
  Tex_Create(s, mipMode, 1);
  return s->glName ? 1 : 0;
}

void Img_WriteRaw(const char* fileName, uint8_t* pixels, int width, int height, int bytesPerPixel,
                  int flip) {
  if (!fileName || !pixels || bytesPerPixel < 1 || bytesPerPixel > 4 || width < 0 || height < 0) return;
  // The file is made whole in memory, its rows already in the order written, and replaces the old
  // one only once complete; the caller's pixels are flipped only when the file was written.
  const size_t row = (size_t)width * bytesPerPixel, bytes = row * height;
  uint8_t* block = (uint8_t*)malloc(kRawHeader + bytes);
  if (!block) {
    LogInfo("\nraw image %s: no memory for %zu bytes", fileName, kRawHeader + bytes);
    return;
  }
  const int32_t hdr[3] = {width, height, bytesPerPixel};
  for (int i = 0; i < 3; i++)
    for (int k = 0; k < 4; k++) block[4 * i + k] = ((uint32_t)hdr[i] >> (8 * k)) & 0xFF;
  for (int r = 0; r < height; r++)
    memcpy(block + kRawHeader + r * row, pixels + (size_t)(flip ? height - 1 - r : r) * row, row);
  const int ok = FileWriteWhole(fileName, block, kRawHeader + bytes);
  free(block);
  if (!ok) LogInfo("\nraw image %s: not written", fileName);
  else if (flip) ImgFlipRows(pixels, width, height, bytesPerPixel);
}

// Reads the first integer of a line and skips the rest of it; blank lines before it pass.
static bool ReadLineInt(std::istream& in, int* v) {
  if (!ReadIntClamped(in, v)) return false;
  SkipLine(in);
  return true;
}

int Tex_LoadPack(TexTableRec* table, const char* listName) {
  if (!table || !listName) return 0;
  std::ifstream in;
  if (!FileOpenIn(in, listName, std::ios::binary)) return 0;
  auto fail = [&]() {
    LogInfo("\ntexture list %s: entry %s failed", listName, TexTable.TexCurName.c_str());
    Rend_ErrorBox(TexTable.TexCurName.c_str(), "Err", MB_ICONINFORMATION);
    return 0;
  };
  std::string line;
  int count = 0;
  if (!TextGetLine(in, line) || !ReadLineInt(in, &count)) return fail();
  if (count > kTexSlots) count = kTexSlots;
  int last = 0;
  for (int i = 0; i < count; i++) {
    int n;
    if (!TextGetLine(in, line) || !TextGetLine(in, line) || !ReadLineInt(in, &n)) return fail();
    n = n < 0 ? 0 : n > kTexSlots - 1 ? kTexSlots - 1 : n;
    last = n;
    TexSlot* s = &table->slots[n];
    if (s->glName) return fail();
    if (!TextGetLine(in, line)) return fail();
    TexTable.TexCurName = TextTrimS(line);
    if (!Tex_LoadFile(s, TexTable.TexCurName.c_str())) return fail();
    int mip;
    if (!ReadLineInt(in, &mip)) {
      Tex_FreePixels(s);
      return fail();
    }
    Tex_Create(s, mip, 1);
    if (!s->glName) return fail();
  }
  table->count = last + 1;
  return 1;
}

void TexTable_Free(TexTableRec* table) {
  if (!table) return;
  for (TexSlot& s : table->slots) {
    Tex_FreePixels(&s);
    Tex_Delete(&s);
  }
  table->count = 1;
}

float* TexCoord_AtlasCell(const void*, float* out, int col, int ncols, int row, int nrows, int mirror) {
  if (!out || ncols < 1 || nrows < 1) return nullptr;
  static const float kFrac[9] = {0, 1.0f, 0.5f, 0.3333f, 0.25f, 0.2f, 0.1666f, 0.1428f, 0.125f};
  float cw = ncols <= 8 ? kFrac[ncols] : 1.0f / ncols;
  float ch = nrows <= 8 ? kFrac[nrows] : 1.0f / nrows;
  float u0 = (col - 1) * cw, v0 = (row - 1) * ch;
  float u1 = u0 + cw, v1 = v0 + ch;
  if (mirror) {
    float t = u0;
    u0 = u1;
    u1 = t;
  }
  const float uv[8] = {u0, v0, u1, v0, u1, v1, u0, v1};
  memcpy(out, uv, sizeof(uv));
  return out;
}
