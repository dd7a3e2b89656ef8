// TGA writer of the asset kit, plain and run-length.
#include <cmath>
#include <cstdio>

#include "kit.h"

static uint8_t Byte(float v) {
  if (v <= 0) return 0;
  if (v >= 1) return 255;
  return (uint8_t)std::lround(v * 255.0f);
}

bool WriteTga(const std::string& path, const Canvas& c, int bits, bool rle, bool topOrigin) {
  int bpp = bits / 8;
  std::vector<uint8_t> f(18, 0);
  f[2] = rle ? 10 : 2;
  f[12] = c.w & 0xFF, f[13] = c.w >> 8, f[14] = c.h & 0xFF, f[15] = c.h >> 8;
  f[16] = (uint8_t)bits;
  f[17] = (topOrigin ? 0x20 : 0) | (bits == 32 ? 8 : 0);
  std::vector<uint8_t> px;
  for (int r = 0; r < c.h; r++) {
    int y = topOrigin ? r : c.h - 1 - r;
    for (int x = 0; x < c.w; x++) {
      const Rgba& p = c.px[(size_t)y * c.w + x];
      px.push_back(Byte(p.b));
      px.push_back(Byte(p.g));
      px.push_back(Byte(p.r));
      if (bpp == 4) px.push_back(Byte(p.a));
    }
  }
  if (!rle) {
    f.insert(f.end(), px.begin(), px.end());
  } else {
    size_t n = px.size() / bpp, i = 0;
    auto same = [&](size_t a, size_t b) {
      for (int k = 0; k < bpp; k++)
        if (px[a * bpp + k] != px[b * bpp + k]) return false;
      return true;
    };
    while (i < n) {
      size_t run = 1;
      while (i + run < n && run < 128 && same(i, i + run)) run++;
      if (run >= 2) {
        f.push_back((uint8_t)(0x80 | (run - 1)));
        f.insert(f.end(), px.begin() + i * bpp, px.begin() + (i + 1) * bpp);
        i += run;
        continue;
      }
      size_t m = 1;
      while (i + m < n && m < 128 && !(i + m + 1 < n && same(i + m, i + m + 1))) m++;
      f.push_back((uint8_t)(m - 1));
      f.insert(f.end(), px.begin() + i * bpp, px.begin() + (i + m) * bpp);
      i += m;
    }
  }
  FILE* out = fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = fwrite(f.data(), 1, f.size(), out) == f.size();
  return fclose(out) == 0 && ok;
}
