// The finishing step of every preset and the text preset reader. A text preset is a loader like any
// other: the whole file is read and checked into a scratch list first, and only a file that could
// be read whole is written into the figure, property by property through the generated tables.
#include "catalogue/presets.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "figures/fa_proc_env.h"
#include "shell/files.h"
#include "shell/log.h"
#include "shell/text.h"

void PropsFill_FinTram(int propsIndex, Fgr* pF, int re) {
  if (pF && pF->Sub_Kno_max > kFgrKnoMax) pF->Sub_Kno_max = kFgrKnoMax;
}

namespace {

const char kTxtDir[] = "uni_files/res/";

// One checked record: where in the figure it goes and what.
struct TxtRecord {
  size_t offset;
  int type;  // inFgrIntType1 or inFgrFloType2
  int iv;
  float fv;
};

// The problems of one file: the first kTxtLogMax get a line each, the rest one line at the end.
struct TxtLog {
  const std::string& path;
  int count = 0;
  void Line(int line, const char* what, const std::string& name) {
    if (++count <= kTxtLogMax)
      LogInfo("\nPropsReadTxt: %s line %d: %s %.40s", path.c_str(), line, what, name.c_str());
  }
  void Close() {
    if (count > kTxtLogMax)
      LogInfo("\nPropsReadTxt: %s: %d more problems", path.c_str(), count - kTxtLogMax);
  }
};

// The leading decimal integer of a line as atoi reads it (none gives 0); 0 when it does not fit.
int ParseInt(const std::string& s, int* out) {
  errno = 0;
  long v = std::strtol(s.c_str(), nullptr, 10);
  if (errno == ERANGE || v < INT_MIN || v > INT_MAX) return 0;
  *out = static_cast<int>(v);
  return 1;
}

// The leading decimal number of a line as atof reads it (none gives 0); 0 when it is no finite
// float.
int ParseFlo(const std::string& s, float* out) {
  double v = std::strtod(s.c_str(), nullptr);
  if (!std::isfinite(v) || v > FLT_MAX || v < -FLT_MAX) return 0;
  *out = static_cast<float>(v);
  return 1;
}

// Checks one name and value against the figure's property tables; 1 with the record filled.
int CheckRecord(Fgr* pF, const std::string& name, const std::string& value, int line, TxtLog& log,
                TxtRecord* r) {
  int type = inFgrNonType0;
  char* adr = name.find('\0') == std::string::npos ? FgrEd_AdrFromName(pF, name.c_str(), type) : nullptr;
  char* base = reinterpret_cast<char*>(pF);
  if (!adr || (type != inFgrIntType1 && type != inFgrFloType2) || adr < base ||
      adr + sizeof(int) > base + sizeof(Fgr)) {
    log.Line(line, "no property", name);
    return 0;
  }
  r->offset = static_cast<size_t>(adr - base);
  r->type = type;
  int readOnly = 1;
  if (type == inFgrIntType1) {
    int n = static_cast<int>(reinterpret_cast<int*>(adr) - &pF->svZero);
    Fgr_Int_ReadOnly(n, readOnly);
    // A preset never sets the figure's kind: that is the container's.
    if (readOnly || adr == reinterpret_cast<char*>(&pF->status)) {
      log.Line(line, "read-only property", name);
      return 0;
    }
    if (!ParseInt(value, &r->iv)) {
      log.Line(line, "value out of range for", name);
      return 0;
    }
    int a = 0, b = 0;
    if (Fgr_Int_TramVals(n, a, b) && (r->iv < a || r->iv > b)) {
      log.Line(line, "value outside the clamp of", name);
      return 0;
    }
  } else {
    int n = static_cast<int>(reinterpret_cast<float*>(adr) - &pF->floZero);
    Fgr_Flo_ReadOnly(n, readOnly);
    if (readOnly) {
      log.Line(line, "read-only property", name);
      return 0;
    }
    if (!ParseFlo(value, &r->fv)) {
      log.Line(line, "value out of range for", name);
      return 0;
    }
    float a = 0, b = 0;
    if (Fgr_Flo_TramVals(n, a, b) && (r->fv < a || r->fv > b)) {
      log.Line(line, "value outside the clamp of", name);
      return 0;
    }
  }
  return 1;
}

}  // namespace

int PropsReadTxt(const char* fileName, Fgr* pF) {
  if (!pF || !fileName) return 0;
  size_t len = std::strlen(fileName);
  if (len <= 4) return 0;
  if (len > static_cast<size_t>(kTxtNameMax)) {
    LogInfo("\nPropsReadTxt: Err: name longer than %d: %.40s...\n", kTxtNameMax, fileName);
    return 0;
  }
  std::string path = std::string(kTxtDir) + fileName;
  std::ifstream in;
  if (!FileOpenIn(in, path, std::ios::in | std::ios::binary)) {
    LogInfo("\nPropsReadTxt: Err: нет файла %s\n", path.c_str());
    return 0;
  }
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size < 0 || size > kTxtFileMax || !in) {
    LogInfo("\nPropsReadTxt: Err: %s is larger than %ld bytes or unreadable\n", path.c_str(),
            kTxtFileMax);
    return 0;
  }

  TxtLog log{path};
  std::vector<TxtRecord> scratch;
  std::string text, name, value;
  int line = 0;
  while (TextGetLine(in, text)) {
    line++;
    if (text.compare(0, 4, "//==") != 0) continue;
    int opened = line;
    if (!TextGetLine(in, name)) {
      log.Line(opened, "record without a name", "");
      break;
    }
    line++;
    if (!TextGetLine(in, value)) {
      log.Line(opened, "record without a value for", name);
      break;
    }
    line++;
    TxtRecord r;
    if (CheckRecord(pF, name, value, line, log, &r)) scratch.push_back(r);
  }
  log.Close();
  if (in.bad()) {
    LogInfo("\nPropsReadTxt: Err: read failed in %s\n", path.c_str());
    return 0;
  }

  char* base = reinterpret_cast<char*>(pF);
  for (const TxtRecord& r : scratch) {
    if (r.type == inFgrIntType1) std::memcpy(base + r.offset, &r.iv, sizeof(int));
    else std::memcpy(base + r.offset, &r.fv, sizeof(float));
  }
  return 1;
}
