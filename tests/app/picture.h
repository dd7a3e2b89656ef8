// RGB pictures for the screenshot comparisons: the game's 24-bit BMP screenshots, and PNG files
// (8-bit RGB, as the golden pictures are kept) read and written with zlib.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct Picture {
  int w = 0, h = 0;
  std::vector<uint8_t> rgb;  // rows top first
};

inline std::string PicFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline uint32_t PicLE(const std::string& b, size_t at) {
  return (uint8_t)b[at] | (uint8_t)b[at + 1] << 8 | (uint8_t)b[at + 2] << 16 |
         (uint32_t)(uint8_t)b[at + 3] << 24;
}

inline uint32_t PicBE(const std::string& b, size_t at) {
  return (uint32_t)(uint8_t)b[at] << 24 | (uint8_t)b[at + 1] << 16 | (uint8_t)b[at + 2] << 8 |
         (uint8_t)b[at + 3];
}

// A bottom-up 24-bit BMP; an empty picture when it is not one.
inline Picture ReadBmp(const std::string& path) {
  Picture p;
  const std::string b = PicFile(path);
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || PicLE(b, 28) != 24) return p;
  const int w = (int)PicLE(b, 18), h = (int)PicLE(b, 22);
  const size_t off = PicLE(b, 10), row = ((size_t)w * 3 + 3) & ~(size_t)3;
  if (w < 1 || h < 1 || off + row * h > b.size()) return p;
  p.w = w;
  p.h = h;
  p.rgb.resize((size_t)w * h * 3);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      const size_t s = off + row * (h - 1 - y) + 3 * x, d = ((size_t)y * w + x) * 3;
      p.rgb[d] = b[s + 2];
      p.rgb[d + 1] = b[s + 1];
      p.rgb[d + 2] = b[s];
    }
  return p;
}

inline Picture ReadPng(const std::string& path) {
  Picture p;
  const std::string b = PicFile(path);
  if (b.size() < 33 || b.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return p;
  std::string idat;
  int w = 0, h = 0;
  for (size_t at = 8; at + 12 <= b.size();) {
    const uint32_t len = PicBE(b, at);
    const std::string type = b.substr(at + 4, 4);
    if (at + 12 + len > b.size()) return p;
    if (type == "IHDR") {
      w = (int)PicBE(b, at + 8);
      h = (int)PicBE(b, at + 12);
      if (b[at + 16] != 8 || b[at + 17] != 2 || b[at + 20] != 0) return p;  // 8-bit RGB, no interlace
    } else if (type == "IDAT") {
      idat += b.substr(at + 8, len);
    }
    at += 12 + len;
  }
  if (w < 1 || h < 1) return p;
  const size_t stride = (size_t)w * 3;
  std::vector<uint8_t> raw((stride + 1) * h);
  uLongf got = raw.size();
  if (uncompress(raw.data(), &got, (const Bytef*)idat.data(), idat.size()) != Z_OK || got != raw.size())
    return p;
  p.rgb.resize(stride * h);
  for (int y = 0; y < h; y++) {
    const uint8_t filter = raw[y * (stride + 1)];
    const uint8_t* src = &raw[y * (stride + 1) + 1];
    uint8_t* dst = &p.rgb[y * stride];
    const uint8_t* up = y > 0 ? &p.rgb[(y - 1) * stride] : nullptr;
    for (size_t i = 0; i < stride; i++) {
      const int a = i >= 3 ? dst[i - 3] : 0, u = up ? up[i] : 0, c = up && i >= 3 ? up[i - 3] : 0;
      int pred = 0;
      switch (filter) {
        case 0: pred = 0; break;
        case 1: pred = a; break;
        case 2: pred = u; break;
        case 3: pred = (a + u) / 2; break;
        case 4: {
          const int q = a + u - c, pa = std::abs(q - a), pb = std::abs(q - u), pc = std::abs(q - c);
          pred = pa <= pb && pa <= pc ? a : (pb <= pc ? u : c);
          break;
        }
        default: return Picture();
      }
      dst[i] = (uint8_t)(src[i] + pred);
    }
  }
  p.w = w;
  p.h = h;
  return p;
}

inline bool WritePng(const std::string& path, const Picture& p) {
  std::vector<uint8_t> raw;
  const size_t stride = (size_t)p.w * 3;
  for (int y = 0; y < p.h; y++) {
    raw.push_back(0);
    raw.insert(raw.end(), p.rgb.begin() + y * stride, p.rgb.begin() + (y + 1) * stride);
  }
  uLongf cap = compressBound(raw.size());
  std::string z(cap, '\0');
  if (compress2((Bytef*)z.data(), &cap, raw.data(), raw.size(), 9) != Z_OK) return false;
  z.resize(cap);
  auto be = [](uint32_t v) {
    return std::string{(char)(v >> 24), (char)(v >> 16), (char)(v >> 8), (char)v};
  };
  auto chunk = [&](const std::string& type, const std::string& data) {
    const std::string td = type + data;
    return be((uint32_t)data.size()) + td + be((uint32_t)crc32(0, (const Bytef*)td.data(), td.size()));
  };
  std::string ihdr = be(p.w) + be(p.h) + std::string("\x08\x02\x00\x00\x00", 5);
  std::ofstream out(path, std::ios::binary);
  out << std::string("\x89PNG\r\n\x1a\n", 8) << chunk("IHDR", ihdr) << chunk("IDAT", z)
      << chunk("IEND", "");
  return out.good();
}

// Pixels whose channels differ by more than tolerance; the differing pixels marked red in diff.
// Pictures of two sizes differ everywhere: diff is then picture a as it is.
inline int PicDiff(const Picture& a, const Picture& b, int tolerance, Picture* diff) {
  if (a.w != b.w || a.h != b.h) {
    *diff = a;
    return a.w * a.h + 1;
  }
  *diff = a;
  int n = 0;
  for (size_t i = 0; i < a.rgb.size(); i += 3) {
    int d = 0;
    for (int c = 0; c < 3; c++) d = std::max(d, std::abs((int)a.rgb[i + c] - (int)b.rgb[i + c]));
    if (d > tolerance) {
      n++;
      diff->rgb[i] = 255;
      diff->rgb[i + 1] = diff->rgb[i + 2] = 0;
    } else {
      for (int c = 0; c < 3; c++) diff->rgb[i + c] = (uint8_t)(a.rgb[i + c] / 3);
    }
  }
  return n;
}

// Pixels of the box (x, y, w, h; rows top first) whose channels differ by more than tolerance.
inline int PicBoxDiff(const Picture& a, const Picture& b, int x, int y, int w, int h, int tolerance) {
  int n = 0;
  for (int row = y; row < y + h; row++)
    for (int col = x; col < x + w; col++) {
      const size_t at = ((size_t)row * a.w + col) * 3;
      for (int c = 0; c < 3; c++)
        if (std::abs((int)a.rgb[at + c] - (int)b.rgb[at + c]) > tolerance) {
          n++;
          break;
        }
    }
  return n;
}
