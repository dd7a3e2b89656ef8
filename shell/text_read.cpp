// Line readers of the positional text files: useful lines, "begin" markers, live text between
// comment blocks and backslash continuations. Files may have CR LF line ends.
#include "shell/text.h"

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
