// Reading rules shared by the source generators' text tables, and the write of their headers.
#include "generators/gen_table.h"

#include "shell/file_save.h"
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

FILE* GenOut_Open() { return std::tmpfile(); }

static bool ReadWhole(FILE* f, std::string& out) {
  out.clear();
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  return !std::ferror(f);
}

int GenOut_Close(FILE* f, const std::string& path) {
  if (!f) return 0;
  std::string text;
  const bool gathered = std::fflush(f) == 0 && std::fseek(f, 0, SEEK_SET) == 0 && ReadWhole(f, text);
  std::fclose(f);
  if (!gathered) {
    LogInfo("\ngen: Err: the text of %s could not be gathered; the file stays as it was", path.c_str());
    return 0;
  }
  if (FILE* old = FileOpenRead(path)) {
    std::string was;
    const bool same = ReadWhole(old, was) && was == text;
    std::fclose(old);
    if (same) return 1;
  }
  return FileWriteWhole(path, text.data(), text.size());
}
