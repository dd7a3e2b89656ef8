// Image codec: TGA decoder, BMP writer, row flips.
#include "render/image.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "render/error_box.h"
#include "shell/file_save.h"

// No shipped or captured image comes near this; it keeps a forged header from asking for
// gigabytes before the input length check can tell.
static const int kImgMaxSide = 16384;

static void FlipRowsBytewise(uint8_t* p, size_t row, int height) {
  for (int i = 0; i < height / 2; i++) {
    uint8_t* a = p + (size_t)i * row;
    uint8_t* b = p + (size_t)(height - 1 - i) * row;
    for (size_t k = 0; k < row; k++) {
      uint8_t t = a[k];
      a[k] = b[k];
      b[k] = t;
    }
  }
}

uint8_t* ImgFlipCopy(uint8_t* pixels, int width, int height, int bits) {
  if (!pixels) return nullptr;
  if (height <= 1 || width < 0) return pixels;
  if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return pixels;
  size_t row = (size_t)width * (size_t)(bits / 8);
  uint8_t* out = (uint8_t*)malloc(row * (size_t)height);
  if (!out) {
    // No room for a copy: flip in place, the caller still gets its rows reversed.
    FlipRowsBytewise(pixels, row, height);
    return pixels;
  }
  for (int i = 0; i < height; i++)
    memcpy(out + (size_t)i * row, pixels + (size_t)(height - 1 - i) * row, row);
  free(pixels);
  return out;
}

void ImgFlipRows(uint8_t* pixels, int width, int height, int bytesPerPixel) {
  if (!pixels || height <= 1 || width < 0 || bytesPerPixel < 1 || bytesPerPixel > 4) return;
  size_t row = (size_t)width * (size_t)bytesPerPixel;
  uint8_t* tmp = (uint8_t*)malloc(row ? row : 1);
  if (!tmp) {
    FlipRowsBytewise(pixels, row, height);
    return;
  }
  for (int i = 0; i < height / 2; i++) {
    uint8_t* a = pixels + (size_t)i * row;
    uint8_t* b = pixels + (size_t)(height - 1 - i) * row;
    memcpy(tmp, a, row);
    memcpy(a, b, row);
    memcpy(b, tmp, row);
  }
  free(tmp);
}

namespace {

// The image types the decoder reads.
constexpr int kTgaRaw = 2;   // uncompressed true colour
constexpr int kTgaRle = 10;  // run-length true colour
constexpr size_t kTgaHeaderBytes = 18;
constexpr uint8_t kTgaTopFirst = 0x20;  // descriptor bit: the file's first row is the top one

// What the decoder takes from the header.
struct TgaHeader {
  int type;
  int depth;  // bits a pixel: 24 or 32
  int bpp;    // bytes a pixel
  int w, h;
  bool topFirst;
  size_t pos;  // where the pixel data begins: after the header and the ID field
};

// The header's type, colour map and depth; a refusal says why in a box.
bool TgaReadHeader(const uint8_t* data, size_t len, TgaHeader* hd) {
  if (!data || len < kTgaHeaderBytes) {
    Rend_ErrorBox("TGA data ends inside its header", "Error");
    return false;
  }
  hd->type = data[2];
  if (hd->type != kTgaRaw && hd->type != kTgaRle) {
    Rend_ErrorBox("Only TGA (Uncompr. RGB) or (RLE RGB) image types", "Error");
    return false;
  }
  hd->depth = data[16];
  if (data[1] != 0 || (hd->depth != 24 && hd->depth != 32)) {
    Rend_ErrorBox("Only TGA (24) or (32) bit pixel", "Error");
    return false;
  }
  hd->bpp = hd->depth / 8;
  hd->w = data[12] | (data[13] << 8);
  hd->h = data[14] | (data[15] << 8);
  hd->topFirst = (data[17] & kTgaTopFirst) != 0;
  hd->pos = kTgaHeaderBytes + (size_t)data[0];
  return true;
}

// The size limits, and an input long enough for the pixels it claims: the fewest bytes that could
// describe them are raw rows, or one run packet of 1 + bpp bytes for every 128 pixels.
bool TgaSizeFits(const TgaHeader& hd, size_t len) {
  const size_t npix = (size_t)hd.w * (size_t)hd.h;
  const size_t avail = len > hd.pos ? len - hd.pos : 0;
  const size_t need = hd.type == kTgaRaw ? npix * hd.bpp : ((npix + 127) / 128) * (1 + hd.bpp);
  if (hd.w <= 0 || hd.h <= 0 || hd.w > kImgMaxSide || hd.h > kImgMaxSide) {
    Rend_ErrorBox("TGA image of zero or too large size", "Error");
    return false;
  }
  if (npix * hd.bpp > kImgMaxDecodedBytes) {
    Rend_ErrorBox("TGA image decodes to more than 64 MiB", "Error");
    return false;
  }
  if (avail < need) {
    Rend_ErrorBox("TGA data ends before its last pixel", "Error");
    return false;
  }
  return true;
}

// The pixels' way into the buffer. They arrive row by row in file order; the buffer is bottom row
// first. A packet may run on into the next row.
struct TgaRows {
  uint8_t* out;
  int w, h, bpp;
  bool topFirst;
  int fileRow;  // the file's row being written; h once the image is complete
  int colLeft;  // pixels the row still takes
  uint8_t* d;   // where the next pixel goes
};

// The next row of the file: the one above or below in the buffer, as the descriptor says.
void TgaRows_Next(TgaRows* r) {
  const size_t rowBytes = (size_t)r->w * r->bpp;
  if (++r->fileRow < r->h)
    r->d = r->out + (size_t)(r->topFirst ? r->h - 1 - r->fileRow : r->fileRow) * rowBytes;
  r->colLeft = r->w;
}

// Ready for the file's first row.
TgaRows TgaRows_Start(uint8_t* out, const TgaHeader& hd) {
  TgaRows r = {out, hd.w, hd.h, hd.bpp, hd.topFirst, -1, 0, nullptr};
  TgaRows_Next(&r);
  return r;
}

// The four row writers: k pixels stored B, G, R (, A) written out R, G, B (, A), from as many
// stored pixels (raw) or from one (a run, made once).
void TgaRaw32(uint8_t* d, const uint8_t* src, size_t k) {
  for (size_t i = 0; i < k; i++, src += 4) {
    d[4 * i] = src[2], d[4 * i + 1] = src[1], d[4 * i + 2] = src[0], d[4 * i + 3] = src[3];
  }
}

void TgaRun32(uint8_t* d, const uint8_t* src, size_t k) {
  const uint8_t px[4] = {src[2], src[1], src[0], src[3]};
  uint32_t v;
  memcpy(&v, px, 4);
  for (size_t i = 0; i < k; i++) memcpy(d + 4 * i, &v, 4);
}

void TgaRaw24(uint8_t* d, const uint8_t* src, size_t k) {
  for (size_t i = 0; i < k; i++)
    d[3 * i] = src[3 * i + 2], d[3 * i + 1] = src[3 * i + 1], d[3 * i + 2] = src[3 * i];
}

void TgaRun24(uint8_t* d, const uint8_t* src, size_t k) {
  const uint8_t r = src[2], g = src[1], b = src[0];
  for (size_t i = 0; i < k; i++) d[3 * i] = r, d[3 * i + 1] = g, d[3 * i + 2] = b;
}

// n pixels into the rows, from n stored pixels at src when raw, from the one at src for a run;
// each stretch of a row in one pass.
void TgaRows_Put(TgaRows* r, const uint8_t* src, size_t n, bool raw) {
  while (n > 0 && r->fileRow < r->h) {
    const size_t k = n < (size_t)r->colLeft ? n : (size_t)r->colLeft;
    if (r->bpp == 4) (raw ? TgaRaw32 : TgaRun32)(r->d, src, k);
    else (raw ? TgaRaw24 : TgaRun24)(r->d, src, k);
    if (raw) src += k * r->bpp;
    r->d += k * r->bpp;
    n -= k;
    r->colLeft -= (int)k;
    if (r->colLeft == 0) TgaRows_Next(r);
  }
}

// The packets of a type 10 image until its last row is complete; false when the data ends first.
bool TgaUnpackRle(TgaRows* r, const uint8_t* p, const uint8_t* end) {
  while (r->fileRow < r->h) {
    if (p >= end) return false;
    const int head = *p++;
    const size_t count = (size_t)(head & 0x7F) + 1;
    if (head & 0x80) {
      if ((size_t)(end - p) < (size_t)r->bpp) return false;
      TgaRows_Put(r, p, count, false);
      p += r->bpp;
    } else {
      // Only the pixels the image still takes must be there; a packet cut short before them
      // leaves the image unfinished.
      const size_t left = (size_t)(r->h - r->fileRow - 1) * r->w + (size_t)r->colLeft;
      const size_t used = count < left ? count : left;
      if ((size_t)(end - p) < used * r->bpp) return false;
      TgaRows_Put(r, p, used, true);
      p += used * r->bpp;
    }
  }
  return true;
}

}  // namespace

uint8_t* TargaDecode(const uint8_t* data, size_t len, int* width, int* height, int* bits) {
  TgaHeader hd;
  if (!TgaReadHeader(data, len, &hd)) return nullptr;
  if (bits) *bits = hd.depth;
  if (width) *width = hd.w;
  if (height) *height = hd.h;
  if (!TgaSizeFits(hd, len)) return nullptr;
  uint8_t* out = (uint8_t*)malloc((size_t)hd.w * (size_t)hd.h * hd.bpp);
  if (!out) {
    Rend_ErrorBox("TargaDecode can't allocate memory", "Error");
    return nullptr;
  }
  TgaRows rows = TgaRows_Start(out, hd);
  if (hd.type == kTgaRaw) {
    TgaRows_Put(&rows, data + hd.pos, (size_t)hd.w * (size_t)hd.h, true);
  } else if (!TgaUnpackRle(&rows, data + hd.pos, data + len)) {
    free(out);
    Rend_ErrorBox("TGA data ends before its last pixel", "Error");
    return nullptr;
  }
  return out;
}

static void Put16(uint8_t* p, unsigned v) {
  p[0] = v & 0xFF;
  p[1] = (v >> 8) & 0xFF;
}
static void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; i++) p[i] = (v >> (8 * i)) & 0xFF;
}

void SaveBmp24_FailBox(const char* name, const char* why) {
  char text[600];
  snprintf(text, sizeof text, "Save BMP24 image: %s (%s)", name ? name : "", why ? why : "");
  Rend_ErrorBox(text, "Error");
}

int SaveBmp24(const char* path, int width, int height, const uint8_t* pixels, int rowsReversed,
              int swapRedBlue, const char* shownName) {
  if (!path || !pixels || width <= 0 || height <= 0 || width > 65535 || height > 65535) {
    Rend_ErrorBox("Save BMP24 image", "Error");
    return 0;
  }
  size_t rowSize = ((size_t)width * 3 + 3) & ~(size_t)3;
  size_t imageSize = rowSize * (size_t)height;
  uint8_t fileHdr[14] = {'B', 'M'};
  Put32(fileHdr + 2, (uint32_t)(54 + imageSize));
  Put32(fileHdr + 10, 54);
  uint8_t infoHdr[40] = {};
  Put32(infoHdr + 0, 40);
  Put32(infoHdr + 4, (uint32_t)width);
  Put32(infoHdr + 8, (uint32_t)height);
  Put16(infoHdr + 12, 1);
  Put16(infoHdr + 14, 24);
  Put32(infoHdr + 20, (uint32_t)imageSize);
  Put32(infoHdr + 24, 2952);
  Put32(infoHdr + 28, 2952);

  // The file is made whole in memory and written in one go, through a scratch file that takes
  // the name only once complete.
  uint8_t* block = (uint8_t*)calloc(54 + imageSize, 1);
  if (!block) {
    Rend_ErrorBox("Save BMP24 (allocating temporary memory)", "Error");
    return 0;
  }
  memcpy(block, fileHdr, 14);
  memcpy(block + 14, infoHdr, 40);
  size_t src = (size_t)width * 3;
  for (int r = 0; r < height; r++) {
    const uint8_t* s = pixels + (size_t)(rowsReversed ? height - 1 - r : r) * src;
    uint8_t* d = block + 54 + (size_t)r * rowSize;
    if (!swapRedBlue) {
      memcpy(d, s, src);
    } else {
      for (int x = 0; x < width; x++) {
        d[3 * x] = s[3 * x + 2];
        d[3 * x + 1] = s[3 * x + 1];
        d[3 * x + 2] = s[3 * x];
      }
    }
  }
  int ok = FileWriteWhole(path, block, 54 + imageSize);
  free(block);
  if (!ok) {
    // The name as it is shown, and where its links led.
    const FileSaveFail& fail = FileSave_Failure();
    const size_t n = strlen(path);
    const std::string led = fail.name.compare(0, n, path) == 0 ? fail.name.substr(n) : std::string();
    SaveBmp24_FailBox((std::string(shownName ? shownName : path) + led).c_str(), fail.why.c_str());
    return 0;
  }
  return 1;
}
