// Builds TGA files in memory for the decoder and texture tests.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A picture: rows top first, R, G, B, A bytes per pixel.
struct TestPicture {
  int w, h;
  std::vector<uint8_t> rgba;
  const uint8_t* At(int x, int yFromTop) const { return &rgba[((size_t)yFromTop * w + x) * 4]; }
};

// Distinct colours everywhere, odd sizes welcome.
inline TestPicture MakeTestPicture(int w, int h) {
  TestPicture p{w, h, std::vector<uint8_t>((size_t)w * h * 4)};
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      uint8_t* q = &p.rgba[((size_t)y * w + x) * 4];
      q[0] = (uint8_t)(20 + 40 * x);
      q[1] = (uint8_t)(30 + 50 * y);
      q[2] = (uint8_t)(200 - 13 * x - 7 * y);
      q[3] = (uint8_t)(255 - 17 * (x + y));
    }
  return p;
}

// type 2 or 10, bits 24 or 32, topOrigin sets descriptor bit 5. RLE packs runs of equal
// pixels, which never stop at a row end, and raw packets of the rest.
inline std::vector<uint8_t> EncodeTga(const TestPicture& p, int type, int bits, bool topOrigin,
                                      int idLength = 0) {
  int bpp = bits / 8;
  std::vector<uint8_t> f(18, 0);
  f[0] = (uint8_t)idLength;
  f[2] = (uint8_t)type;
  f[12] = p.w & 0xFF, f[13] = p.w >> 8, f[14] = p.h & 0xFF, f[15] = p.h >> 8;
  f[16] = (uint8_t)bits;
  f[17] = topOrigin ? 0x20 : 0;
  for (int i = 0; i < idLength; i++) f.push_back((uint8_t)('A' + i));
  std::vector<std::vector<uint8_t>> px;  // file order
  for (int r = 0; r < p.h; r++) {
    int y = topOrigin ? r : p.h - 1 - r;
    for (int x = 0; x < p.w; x++) {
      const uint8_t* q = p.At(x, y);
      std::vector<uint8_t> v = {q[2], q[1], q[0]};
      if (bpp == 4) v.push_back(q[3]);
      px.push_back(v);
    }
  }
  if (type == 2) {
    for (auto& v : px) f.insert(f.end(), v.begin(), v.end());
    return f;
  }
  size_t i = 0;
  while (i < px.size()) {
    size_t run = 1;
    while (i + run < px.size() && run < 128 && px[i + run] == px[i]) run++;
    if (run >= 2) {
      f.push_back((uint8_t)(0x80 | (run - 1)));
      f.insert(f.end(), px[i].begin(), px[i].end());
      i += run;
      continue;
    }
    size_t n = 1;
    while (i + n < px.size() && n < 128 && !(i + n + 1 < px.size() && px[i + n] == px[i + n + 1])) n++;
    f.push_back((uint8_t)(n - 1));
    for (size_t k = 0; k < n; k++) f.insert(f.end(), px[i + k].begin(), px[i + k].end());
    i += n;
  }
  return f;
}
