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

uint8_t* TargaDecode(const uint8_t* data, size_t len, int* width, int* height, int* bits) {
  if (!data || len < 18) {
    Rend_ErrorBox("TGA data ends inside its header", "Error");
    return nullptr;
  }
  int type = data[2];
  if (type != 2 && type != 10) {
    Rend_ErrorBox("Only TGA (Uncompr. RGB) or (RLE RGB) image types", "Error");
    return nullptr;
  }
  int depth = data[16];
  if (data[1] != 0 || (depth != 24 && depth != 32)) {
    Rend_ErrorBox("Only TGA (24) or (32) bit pixel", "Error");
    return nullptr;
  }
  int w = data[12] | (data[13] << 8);
  int h = data[14] | (data[15] << 8);
  bool topFirst = (data[17] & 0x20) != 0;
  if (bits) *bits = depth;
  if (width) *width = w;
  if (height) *height = h;

  int bpp = depth / 8;
  size_t pos = 18 + (size_t)data[0];
  size_t npix = (size_t)w * (size_t)h;
  size_t avail = len > pos ? len - pos : 0;
  // The fewest input bytes that could describe npix pixels: raw rows, or one run packet of
  // 1 + bpp bytes for every 128 pixels.
  size_t need = type == 2 ? npix * bpp : ((npix + 127) / 128) * (1 + bpp);
  if (w <= 0 || h <= 0 || w > kImgMaxSide || h > kImgMaxSide) {
    Rend_ErrorBox("TGA image of zero or too large size", "Error");
    return nullptr;
  }
  if (npix * bpp > kImgMaxDecodedBytes) {
    Rend_ErrorBox("TGA image decodes to more than 64 MiB", "Error");
    return nullptr;
  }
  if (avail < need) {
    Rend_ErrorBox("TGA data ends before its last pixel", "Error");
    return nullptr;
  }
  uint8_t* out = (uint8_t*)malloc(npix * bpp);
  if (!out) {
    Rend_ErrorBox("TargaDecode can't allocate memory", "Error");
    return nullptr;
  }

  // Pixels arrive row by row in file order; the buffer is bottom row first. A packet may run on
  // into the next row. Each stretch of a row is written in one pass: a run's pixel is made once.
  const size_t rowBytes = (size_t)w * bpp;
  int fileRow = 0, colLeft = w;
  uint8_t* d = out + (size_t)(topFirst ? h - 1 : 0) * rowBytes;
  auto rowDone = [&]() {
    if (++fileRow < h) d = out + (size_t)(topFirst ? h - 1 - fileRow : fileRow) * rowBytes;
    colLeft = w;
  };
  // n pixels from src, which advances by bpp a pixel when step is set (a raw packet) and stays on
  // one pixel otherwise (a run).
  auto put = [&](const uint8_t* src, size_t n, bool step) {
    while (n > 0 && fileRow < h) {
      const size_t k = n < (size_t)colLeft ? n : (size_t)colLeft;
      if (bpp == 4) {
        if (step) {
          for (size_t i = 0; i < k; i++, src += 4) {
            d[4 * i] = src[2], d[4 * i + 1] = src[1], d[4 * i + 2] = src[0], d[4 * i + 3] = src[3];
          }
        } else {
          const uint8_t px[4] = {src[2], src[1], src[0], src[3]};
          uint32_t v;
          memcpy(&v, px, 4);
          for (size_t i = 0; i < k; i++) memcpy(d + 4 * i, &v, 4);
        }
      } else {
        const uint8_t r = src[2], g = src[1], b = src[0];
        for (size_t i = 0; i < k; i++) {
          if (step) d[3 * i] = src[3 * i + 2], d[3 * i + 1] = src[3 * i + 1], d[3 * i + 2] = src[3 * i];
          else d[3 * i] = r, d[3 * i + 1] = g, d[3 * i + 2] = b;
        }
        if (step) src += 3 * k;
      }
      d += k * bpp;
      n -= k;
      colLeft -= (int)k;
      if (colLeft == 0) rowDone();
    }
  };

  const uint8_t* p = data + pos;
  const uint8_t* end = data + len;
  if (type == 2) {
    put(p, npix, true);
  } else {
    while (fileRow < h) {
      if (p >= end) break;
      int head = *p++;
      size_t count = (size_t)(head & 0x7F) + 1;
      if (head & 0x80) {
        if ((size_t)(end - p) < (size_t)bpp) break;
        put(p, count, false);
        p += bpp;
      } else {
        // Only the pixels the image still takes must be there; a packet cut short before them
        // leaves the image unfinished.
        size_t left = (size_t)(h - fileRow - 1) * w + (size_t)colLeft;
        size_t used = count < left ? count : left;
        if ((size_t)(end - p) < used * bpp) break;
        put(p, used, true);
        p += used * bpp;
      }
    }
    if (fileRow < h) {
      free(out);
      Rend_ErrorBox("TGA data ends before its last pixel", "Error");
      return nullptr;
    }
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
