// Stand-in for the text utilities and the line skipper until their own sources land.
#include "shell/pending_text_files.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

std::string StrFmt(const char* fmt, ...) {
  if (!fmt) return "";
  char buf[1024];
  va_list ap;
  va_start(ap, fmt);
  std::vsnprintf(buf, sizeof(buf), fmt, ap);
  va_end(ap);
  return buf;
}

std::string TextTrimS(const std::string& s) {
  size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return "";
  size_t b = s.find_last_not_of(" \t");
  return s.substr(a, b - a + 1);
}

int TextPos(const char* text, const std::string& pattern, int start) {
  if (!text || start < 0 || pattern.empty()) return -1;
  const char* p = std::strstr(text + std::min<size_t>(start, std::strlen(text)), pattern.c_str());
  return p ? (int)(p - text) : -1;
}

int TextGetLine(std::istream& in, std::string& line) {
  line.clear();
  if (!std::getline(in, line)) return 0;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return 1;
}

int SkipLine(std::istream& in) {
  if (!in) return 0;
  int c;
  while ((c = in.get()) != EOF) {
    if (c == '\n') return 1;
    if (c == '\r') {
      in.get();
      return 1;
    }
  }
  return 0;
}
