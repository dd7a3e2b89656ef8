// Windows-1251 <-> Unicode / UTF-8 at the platform edge (keyboard, clipboard, dialogs, boxes).
// The program's texts are 1251 bytes; the desktop speaks UTF-8.
#include <cstring>

#include "platform/internal.h"

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order, below 0x80 ASCII.
static const unsigned short kHigh1251[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98 (0x98 unassigned)
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

unsigned Plat_1251ToUnicode(unsigned char c) {
  if (c < 0x80) return c;
  if (c >= 0xC0) return 0x0410 + (c - 0xC0);
  return kHigh1251[c - 0x80];
}

int Plat_UnicodeTo1251(unsigned cp) {
  if (cp < 0x80) return (int)cp;
  if (cp >= 0x0410 && cp <= 0x044F) return (int)(0xC0 + (cp - 0x0410));
  if (cp == 0xFFFD) return -1;
  for (int i = 0; i < 64; i++)
    if (kHigh1251[i] == cp) return 0x80 + i;
  return -1;
}

unsigned Plat_Utf8Next(const std::string& s, size_t* pos) {
  size_t i = *pos;
  unsigned char c = (unsigned char)s[i];
  int extra;
  unsigned cp;
  if (c < 0x80) {
    *pos = i + 1;
    return c;
  } else if ((c & 0xE0) == 0xC0) {
    extra = 1;
    cp = c & 0x1F;
  } else if ((c & 0xF0) == 0xE0) {
    extra = 2;
    cp = c & 0x0F;
  } else if ((c & 0xF8) == 0xF0) {
    extra = 3;
    cp = c & 0x07;
  } else {
    *pos = i + 1;
    return 0xFFFD;
  }
  if (i + extra >= s.size()) {  // truncated sequence
    *pos = i + 1;
    return 0xFFFD;
  }
  for (int k = 1; k <= extra; k++) {
    unsigned char d = (unsigned char)s[i + k];
    if ((d & 0xC0) != 0x80) {
      *pos = i + 1;
      return 0xFFFD;
    }
    cp = (cp << 6) | (d & 0x3F);
  }
  // Overlong forms and surrogates are malformed too.
  static const unsigned kMin[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    *pos = i + 1;
    return 0xFFFD;
  }
  *pos = i + 1 + extra;
  return cp;
}

void Plat_Utf8Append(std::string* out, unsigned cp) {
  if (cp < 0x80) {
    out->push_back((char)cp);
  } else if (cp < 0x800) {
    out->push_back((char)(0xC0 | (cp >> 6)));
    out->push_back((char)(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back((char)(0xE0 | (cp >> 12)));
    out->push_back((char)(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back((char)(0x80 | (cp & 0x3F)));
  } else {
    out->push_back((char)(0xF0 | (cp >> 18)));
    out->push_back((char)(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back((char)(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back((char)(0x80 | (cp & 0x3F)));
  }
}

std::string Plat_Utf8From1251(const std::string& s) {
  std::string out;
  out.reserve(s.size() * 2);
  for (unsigned char c : s) {
    unsigned cp = Plat_1251ToUnicode(c);
    if (cp == 0xFFFD) cp = '?';
    Plat_Utf8Append(&out, cp);
  }
  return out;
}

std::string Plat_1251FromUtf8(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  size_t pos = 0;
  while (pos < s.size()) {
    int b = Plat_UnicodeTo1251(Plat_Utf8Next(s, &pos));
    out.push_back(b < 0 ? '?' : (char)b);
  }
  return out;
}

int Plat_1251FromUtf8Exact(const std::string& s, std::string* out) {
  out->clear();
  size_t pos = 0;
  while (pos < s.size()) {
    const int b = Plat_UnicodeTo1251(Plat_Utf8Next(s, &pos));
    if (b < 0) {
      out->clear();
      return 0;
    }
    out->push_back((char)b);
  }
  return 1;
}

std::string Plat_CrlfToLf(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); i++) {
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
    out.push_back(s[i]);
  }
  return out;
}

std::string Plat_LfToCrlf(const std::string& s) {
  std::string out;
  out.reserve(s.size() + s.size() / 16);
  for (size_t i = 0; i < s.size(); i++) {
    if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) out.push_back('\r');
    out.push_back(s[i]);
  }
  return out;
}

// Copies src into out (cap bytes), never splitting past the end; answers the length copied.
static int CopyOut(const std::string& src, char* out, int cap) {
  if (!out || cap <= 0) return 0;
  int n = (int)src.size() < cap - 1 ? (int)src.size() : cap - 1;
  memcpy(out, src.data(), (size_t)n);
  out[n] = 0;
  return n;
}

int Plat_Utf8To1251(const char* utf8, char* out, int cap) {
  return CopyOut(Plat_1251FromUtf8(utf8 ? utf8 : ""), out, cap);
}

int Plat_1251ToUtf8(const char* cp1251, char* out, int cap) {
  std::string u = Plat_Utf8From1251(cp1251 ? cp1251 : "");
  if (cap > 0 && (int)u.size() > cap - 1) {
    // Cut at a character boundary so the answer stays valid UTF-8.
    int n = cap - 1;
    while (n > 0 && ((unsigned char)u[n] & 0xC0) == 0x80) n--;
    u.resize((size_t)n);
  }
  return CopyOut(u, out, cap);
}
