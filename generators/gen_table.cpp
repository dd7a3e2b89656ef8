// Reading rules shared by the source generators' text tables.
#include "generators/gen_table.h"

#include "shell/files.h"
#include "shell/log.h"
#include "shell/text.h"

int GenReadLine(std::istream& in, std::string& line) {
  line.clear();
  if (!in.good()) return 0;
  std::string raw;
  if (!TextGetLine(in, raw)) return 0;
  line = TextTrimS(raw);
  return 1;
}

int GenIsMarker(const std::string& line) { return TextPos(line.c_str(), "//==", 0) == 0; }

// Generated comments may also stand inside string literals of the generated code.
static std::string EscapeQuotes(const std::string& s) { return TextReplaceAll(s, "\"", "\\\""); }

std::string GenLine_ToComment(std::string& markerLine) {
  if (markerLine.size() <= 4) {
    markerLine.clear();
    return "";
  }
  markerLine.erase(0, 4);
  return EscapeQuotes("// " + TextTrimS(markerLine));
}

std::string KomentFromTxtLine(std::string& line) {
  if (line.size() <= 2) return "";
  if (line[0] != '/' && line[1] != '/') return "";
  line.erase(0, 2);
  return EscapeQuotes("//  " + line);
}

int GenReadInt(std::istream& in, int& v) {
  int t = 0;
  if (!(in >> t)) return 0;
  v = t;
  return 1;
}

int GenReadFlo(std::istream& in, float& v) {
  float t = 0;
  if (!(in >> t)) return 0;
  v = t;
  return 1;
}

int GenEndNumberLine(std::istream& in) { return SkipLine(in); }

int GenOpenInput(std::ifstream& in, const std::string& fileName) { return FileOpenIn(in, fileName); }

void GenLogStop(const char* tool, const std::string& fileName, std::istream& in) {
  if (in.fail() && !in.eof())
    LogInfo("\n%s: Err: unreadable line in %s, rest of file skipped", tool, fileName.c_str());
}
