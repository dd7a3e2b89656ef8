// Text utilities: formatting, number texts, searching, editing, splitting and character classes.
#include "shell/text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Formatting

// Sized to the text, so a long path in a log line cannot run past a fixed buffer.
static std::string FormatV(const char* fmt, va_list ap) {
  if (!fmt) return std::string();
  char small[256];
  va_list copy;
  va_copy(copy, ap);
  int n = vsnprintf(small, sizeof small, fmt, copy);
  va_end(copy);
  if (n < 0) return std::string();
  // The text ends at its first zero byte, as a C buffer's text does.
  if (n < (int)sizeof small) return std::string(small, strnlen(small, (size_t)n));
  std::vector<char> big((size_t)n + 1);
  vsnprintf(big.data(), big.size(), fmt, ap);
  return std::string(big.data(), strnlen(big.data(), (size_t)n));
}

std::string StrFmt(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  std::string s = FormatV(fmt, ap);
  va_end(ap);
  return s;
}

std::string StrFmtLong(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  std::string s = FormatV(fmt, ap);
  va_end(ap);
  return s;
}

std::string StrFmtShort(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  std::string s = FormatV(fmt, ap);
  va_end(ap);
  return s;
}

void StrPrintf(char* dst, size_t dstSize, const char* fmt, ...) {
  if (!dst || !fmt || dstSize == 0) return;
  va_list ap;
  va_start(ap, fmt);
  if (vsnprintf(dst, dstSize, fmt, ap) < 0) dst[0] = 0;
  va_end(ap);
}

// ---------------------------------------------------------------------------------------------
// Number texts

std::string IntToStr(int v) {
  char buf[16];
  snprintf(buf, sizeof buf, "%d", v);
  return buf;
}

std::string CharToStr(unsigned char v) { return IntToStr((int)v); }

std::string IntToStrZero(int v, int width) {
  std::string digits = IntToStr(v);
  // Unsigned compare: negative widths do not qualify.
  if ((unsigned)width - 2u > 8u) return digits;
  long long limit = 10;
  for (int k = 1; k < width; k++, limit *= 10) {
    if ((long long)v <= limit - 1) return std::string((size_t)(width - k), '0') + digits;
  }
  return digits;
}

// ---------------------------------------------------------------------------------------------
// Searching and comparing

std::string TextTrimS(const std::string& s) {
  size_t b = s.find_first_not_of(kTextBlanks);
  if (b == std::string::npos) return std::string();
  size_t e = s.find_last_not_of(kTextBlanks);
  return s.substr(b, e - b + 1);
}

int TextPos(const char* text, const std::string& pattern, int start) {
  if (!text || start < 0) return -1;
  size_t len = strlen(text);
  if ((size_t)start > len) return -1;
  size_t p = std::string_view(text, len).find(pattern, (size_t)start);
  return p == std::string_view::npos ? -1 : (int)p;
}

std::string TextUpToDelim(const std::string& text, int start, int* stop, const std::string& delims) {
  if (start < 0 || (size_t)start > text.size()) {
    if (stop) *stop = -1;
    return std::string();
  }
  size_t p = text.find_first_of(delims, (size_t)start);
  if (p == std::string::npos) {
    if (stop) *stop = -1;
    return text.substr((size_t)start);
  }
  if (stop) *stop = (int)p;
  return text.substr((size_t)start, p - (size_t)start);
}

int TextCompareAt(const std::string& a, int pa, const std::string& b, int pb, int n) {
  if (pa < 0 || pb < 0 || (size_t)pa > a.size() || (size_t)pb > b.size()) return 0;
  int ra = (int)a.size() - pa;
  int rb = (int)b.size() - pb;
  if (n < 1) return a.compare((size_t)pa, std::string::npos, b, (size_t)pb, std::string::npos) == 0;
  if (ra != rb && (ra < n || rb < n)) return 0;
  return a.compare((size_t)pa, (size_t)n, b, (size_t)pb, (size_t)n) == 0;
}

// A double quote toggles a quoted string unless a backslash stands before it; at the scan's
// first position it always opens one.
static bool IsToggleQuote(const std::string& text, size_t i, size_t first) {
  return text[i] == '"' && (i == first || text[i - 1] != '\\');
}

int TextPosOutsideQuotes(const std::string& text, const std::string& pattern, int start, int n) {
  if (text.empty() || pattern.empty() || pattern[0] == '"') return -1;
  if (start < 0 || (size_t)start >= text.size() || n < 1) return -1;
  bool quoted = false;
  int found = 0;
  size_t i = (size_t)start;
  while (i < text.size()) {
    if (IsToggleQuote(text, i, (size_t)start)) {
      quoted = !quoted;
      i++;
    } else if (quoted) {
      i++;
    } else if (text.compare(i, pattern.size(), pattern) == 0) {
      if (++found == n) return (int)i;
      i += pattern.size();
    } else {
      i++;
    }
  }
  return -1;
}

int TextHasEnd(const std::string& s) { return s.find("end") != std::string::npos; }

// ---------------------------------------------------------------------------------------------
// Editing

int TextEraseBetween(std::string& s, const std::string& open, const std::string& close) {
  // Empty markers would "erase" nothing forever and answer success.
  if (open.empty() || close.empty()) return 0;
  int erased = 0;
  for (int round = 0; round < 99999; round++) {
    int p = TextPos(s.c_str(), open, 0);
    if (p < 0) break;
    int q = TextPos(s.c_str(), close, p + (int)open.size());
    if (q < 0) break;
    s.erase((size_t)p, (size_t)q + close.size() - (size_t)p);
    erased = 1;
  }
  return erased;
}

int TextEraseBetweenQ(std::string& s, const std::string& open, const std::string& close) {
  if (s.size() < 2 || open.empty() || close.empty()) return 0;
  if (open[0] == '"' || open[0] == '\'' || close[0] == '"' || close[0] == '\'') return 0;
  int erased = 0;
  for (;;) {
    bool quoted = false;
    size_t spanStart = std::string::npos;
    size_t spanEnd = std::string::npos;
    size_t i = 0;
    while (i < s.size()) {
      if (IsToggleQuote(s, i, 0)) {
        quoted = !quoted;
        i++;
      } else if (quoted) {
        i++;
      } else if (spanStart == std::string::npos && s.compare(i, open.size(), open) == 0) {
        spanStart = i;
        i += open.size();
      } else if (spanStart != std::string::npos && s.compare(i, close.size(), close) == 0) {
        spanEnd = i + close.size();
        break;
      } else {
        i++;
      }
    }
    if (spanEnd == std::string::npos) return erased;
    s.erase(spanStart, spanEnd - spanStart);
    erased = 1;
  }
}

// Left to right without overlaps; the text searched is always the original, so removing one
// occurrence can never make a new one out of its neighbours.
std::string TextReplaceAll(std::string s, const std::string& pattern, const std::string& rep) {
  if (pattern.empty()) return s;
  size_t p = s.find(pattern);
  if (p == std::string::npos) return s;
  std::string out;
  out.reserve(s.size());
  size_t from = 0;
  while (p != std::string::npos) {
    out.append(s, from, p - from);
    out += rep;
    from = p + pattern.size();
    p = s.find(pattern, from);
  }
  out.append(s, from, std::string::npos);
  return out;
}

std::string TextLower(const std::string& s) {
  std::string r = s;
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
  return r;
}

std::string TextUpper(const std::string& s) {
  std::string r = s;
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = (char)(c - 'a' + 'A');
  return r;
}

void StrRepeat(std::string& dst, const std::string& src, int n) {
  if (n < 1 || src.empty() || (long long)n * (long long)src.size() > 9999) return;
  for (int i = 0; i < n; i++) dst += src;
}

// ---------------------------------------------------------------------------------------------
// Splitting

std::string TextNextCommaField(const std::string& s, int* pos) {
  if (!pos || *pos < 0) return std::string();
  if ((size_t)*pos >= s.size()) {
    *pos = -1;
    return std::string();
  }
  int from = *pos;
  int q = TextPos(s.c_str(), ",", from);
  std::string field;
  if (q < 0) {
    field = s.substr((size_t)from);
    *pos = (int)s.size();
  } else {
    field = s.substr((size_t)from, (size_t)(q - from));
    *pos = q + 1;
  }
  return TextTrimS(field);
}

int TextWordAfterKey(const std::string* lines, int line, int lineCount, const std::string& keyword,
                     int start, int* kwPos, int* kwLen, int* wordLine, int* wordPos, int* wordLen) {
  if (!lines || start < 0 || line < 0 || line >= lineCount) return 0;
  const std::string& text = lines[line];
  int p = TextPosOutsideQuotes(text, keyword, start, 1);
  if (p < 0) return 0;
  if (kwPos) *kwPos = p;
  if (kwLen) *kwLen = (int)keyword.size();

  size_t q = (size_t)p + keyword.size();
  std::string word;
  int atLine, atPos;
  bool onThisLine = false;
  if (q < text.size()) {
    if (text[q] != ' ') return 0;
    onThisLine = text.find_first_not_of(kTextBlanks, q + 1) != std::string::npos;
  }
  if (onThisLine) {
    // The word starts right after the one space: a second blank makes it empty.
    int stop;
    word = TextUpToDelim(text, (int)q + 1, &stop, kTextWordDelims);
    atLine = line;
    atPos = (int)q + 1;
  } else {
    if (line + 1 >= lineCount) return 0;
    int stop;
    word = TextUpToDelim(lines[line + 1], 0, &stop, kTextWordDelims);
    atLine = line + 1;
    atPos = 0;
  }
  if (wordLen) *wordLen = (int)word.size();
  if (word.empty()) return 0;
  if (wordLine) *wordLine = atLine;
  if (wordPos) *wordPos = atPos;
  return 1;
}

// ---------------------------------------------------------------------------------------------
// Character classes

int TextIsLatinChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

int TextIsLatinChar2(char c) { return TextIsLatinChar(c); }

int TextIsLetter(const std::string& s, int i) {
  if (i < 0 || (size_t)i >= s.size()) return 0;
  return TextIsLatinChar(s[(size_t)i]);
}

int TextIsQualName(std::string& s) {
  s = TextTrimS(s);
  size_t first = 0;
  if (!s.empty() && s[0] == ':') {
    if (s.size() < 2 || s[1] != ':') return 0;
    first = 2;
  }
  if (first >= s.size()) return 0;
  if (!TextIsLatinChar(s[first]) && s[first] != '_') return 0;
  return s.find_first_not_of(kTextPathChars) == std::string::npos;
}

int TextIsIdent(std::string& s) {
  s = TextTrimS(s);
  if (s.empty()) return 0;
  if (!TextIsLatinChar(s[0]) && s[0] != '_') return 0;
  return s.find_first_not_of(kTextIdentChars) == std::string::npos;
}
