// The coloured words searched as the row colouring's rule reads: every row in the list's order,
// the first that matches wins. The index the program searches through must find the same row at
// every position of every text; the tests and the coloured words' fuzz target hold it to this.
#pragma once

#include <cstring>
#include <string>

#include "gui/paint_words.h"

// The delimiters of the row colouring.
inline bool OracleDelimiter(unsigned char c) {
  static const char kDelims[] = " \t\r\n\"'\\{}()[]*+-/=><,.:;~&^%!|?#$@";
  return c != 0 && std::strchr(kDelims, c) != nullptr;
}

// The first row whose word is not empty, begins the rest R of the text at p and is R whole, ends in
// a delimiter or is followed by one; -1 for none.
inline int LinearPaintWordAt(const std::string& text, int p) {
  const int rest = (int)text.size() - p;
  const char* r = text.data() + p;
  const int n = (int)PaintWords.rows.size();
  for (int i = 0; i < n; i++) {
    const std::string& w = PaintWords.rows[i].first;
    const int wl = (int)w.size();
    if (wl == 0 || wl > rest || std::memcmp(r, w.data(), (size_t)wl) != 0) continue;
    if (wl == rest || OracleDelimiter((unsigned char)r[wl - 1]) || OracleDelimiter((unsigned char)r[wl]))
      return i;
  }
  return -1;
}
