// Line readers of the positional text files: useful lines, "begin" markers, live text between
// comment blocks and backslash continuations, the rest of a line skipped, a number line's next
// number. Files may have CR LF line ends. The conversions of a read text to numbers, clamped.
#include "shell/text.h"

#include <climits>
#include <cstdlib>

#include "shell/binfile.h"

int TextGetLine(std::istream& in, std::string& line) {
  // A failed stream ends here too, not only the end of the file, so no caller loops forever.
  if (!std::getline(in, line)) {
    line.clear();
    return 0;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return 1;
}

int TextReadLine(std::string& line, std::istream& in) {
  int skipped = 0;
  while (TextGetLine(in, line)) {
    line = TextTrimS(line);
    if (line.size() == 1) return 1;
    bool skip = line.empty() || line.compare(0, 2, "//") == 0 || line[0] == '|';
    if (!skip) return 1;
    if (++skipped >= 99) return 0;
  }
  return 0;
}

int TextHasBegin(std::string& line, std::istream& in) {
  for (int n = 0; n < 99; n++) {
    if (!TextGetLine(in, line)) return 0;
    line = TextTrimS(line);
    if (line.compare(0, 5, "begin") == 0) return 1;
  }
  return 0;
}

int TextReadLiveLine(std::string& line, std::istream& in) {
  bool comment = true;  // the stream begins inside a comment block
  for (int n = 0; n <= 999989; n++) {
    if (!TextGetLine(in, line)) return 0;
    line = TextTrimS(line);
    if (comment) {
      if (line == "*/") comment = false;
      continue;
    }
    if (line.empty() || line == "//" || line == "*/") continue;
    if (line == "/*") {
      comment = true;
      continue;
    }
    return 1;
  }
  return 0;
}

void TextJoinContinued(std::string& line, std::istream& in) {
  for (int n = 0; n < 99999; n++) {
    if (line.empty() || line.back() != '\\') return;
    line.pop_back();
    std::string next;
    bool more = TextGetLine(in, next);
    line = TextTrimS(line + next);
    if (!more) return;
  }
}

void Name12_ReadLine(char name[12], std::istream& in) {
  std::string line;
  if (!TextGetLine(in, line)) return;
  Name12_Set(name, TextTrimS(line).c_str());
}

int SkipLine(std::istream& in) {
  if (!in) return 0;
  for (;;) {
    int c = in.get();
    if (c == std::char_traits<char>::eof()) return 0;
    if (c == '\n') return 1;
    if (c == '\r') {
      int d = in.get();
      if (d == std::char_traits<char>::eof()) return 0;
      if (d == '\n') return 1;
    }
  }
}

int ReadIntClamped(std::istream& in, int* v) {
  long t;
  if (!(in >> t)) return 0;
  *v = t > 1000000 ? 1000000 : t < -1000000 ? -1000000 : static_cast<int>(t);
  return 1;
}

double StrToDouble(const std::string& s) { return std::strtod(s.c_str(), nullptr); }
float StrToFlo(const std::string& s) { return static_cast<float>(StrToDouble(s)); }
long StrToLong(const std::string& s) { return std::strtol(s.c_str(), nullptr, 10); }

int StrToInt(const std::string& s) {
  long v = StrToLong(s);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

uint16_t StrToU16(const std::string& s) {
  if (s.empty()) return 0;
  long v = StrToLong(s);
  return (v >= 0 && v <= 65535) ? static_cast<uint16_t>(v) : 0;
}

int16_t StrToI16(const std::string& s) {
  if (s.empty()) return 0;
  long v = StrToLong(s);
  if (v < -32768) return 0;
  if (v > 32767) return 32767;
  return static_cast<int16_t>(v);
}

uint8_t StrToU8(const std::string& s) {
  if (s.empty()) return 0;
  long v = StrToLong(s);
  if (v < -128) return 0;
  if (v > 255) return 255;
  return static_cast<uint8_t>(v & 0xFF);  // -128..-1 keep their bits
}
