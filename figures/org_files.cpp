// Named-variable files: master text reader, binary writer and reader, start-up load.
#include "figures/org_files.h"

#include <cstdio>
#include <fstream>

#include "gm/org_base.h"
#include "shell/binfile.h"
#include "shell/file_save.h"
#include "shell/files.h"
#include "shell/log.h"
#include "shell/text.h"

t_OrgFiles OrgFiles;

constexpr unsigned kO2O3Magic = 1913732;
constexpr int kIntCount = org2::Last + 1;
constexpr int kFloCount = orgF::Last + 1;

// The binary file's values, read whole before any is taken.
static struct {
  int ints[kIntCount];
  float flos[kFloCount];
} sBinRead;

int OrgMix_ReadValue(std::istream& in, std::string& line, int* lineNo) {
  int unused = 0;
  int& at = lineNo ? *lineNo : unused;
  at++;
  if (!TextGetLine(in, line)) return 0;
  at++;
  if (!TextGetLine(in, line)) return 0;
  bool isInt = TextPos(TextTrimS(line).c_str(), "int", 0) == 0;
  at++;
  if (!TextGetLine(in, line)) return 0;
  at++;
  if (!TextGetLine(in, line)) return 0;
  at++;  // the numbers' line
  int n = 0;
  if (!(in >> n)) return 0;
  int skip1 = 0, skip2 = 0;
  if (isInt && n >= 1 && n <= org2::Last) {
    int v = 0;
    if (!(in >> skip1 >> skip2 >> v)) return 0;
    org2n[n] = v;
  } else if (!isInt && n >= 1 && n <= orgF::Last) {
    float v = 0;
    if (!(in >> skip1 >> skip2 >> v)) return 0;
    orgFn[n] = v;
  }
  SkipLine(in);
  return 1;
}

int Org_ReadMixAtStart() {
  std::ifstream in;
  if (!FileOpenIn(in, OrgFiles.gsFileOrgMix, std::ios::binary)) return 0;
  std::string line;
  TextGetLine(in, line);
  TextGetLine(in, line);
  int at = 2;
  while (TextGetLine(in, line)) {
    at++;
    if (TextPos(TextTrimS(line).c_str(), "//==", 0) != 0) continue;
    // A line that does not parse leaves the stream failed: the master is broken and the
    // binary file is read instead of writing half a table over it.
    if (!OrgMix_ReadValue(in, line, &at)) {
      LogInfo("\nOrg_ReadMixAtStart: %s stops at line %d; %s is read instead",
              OrgFiles.gsFileOrgMix.c_str(), at, OrgFiles.gsFileO2O3Bin.c_str());
      return 0;
    }
  }
  return 1;
}

void Org_SaveBin() {
  std::string name = OrgFiles.gsFileO2O3Bin;
  FILE* f = FileOpenBak(name, "", kFileBakMove, kFileBakWrite);
  if (!f) {
    LogInfo("\nOrg_SaveBin: not saved %s (%s)", FileSave_Failure().name.c_str(),
            FileSave_Failure().why.c_str());
    return;
  }
  IntWrite(1, f);
  UIntWrite(kO2O3Magic, f);
  IntWrite(kIntCount, f);
  for (int v : org2n) IntWrite(v, f);
  IntWrite(kFloCount, f);
  for (float v : orgFn) FloWrite(v, f);
  int len = (int)ftell(f);
  fseek(f, 0, SEEK_SET);
  IntWrite(len, f);
  if (!FileCloseBak(f, name))
    LogInfo("\nOrg_SaveBin: not written %s (%s)", FileSave_Failure().name.c_str(),
            FileSave_Failure().why.c_str());
}

// Reads one word; false once the file has ended.
static bool GetWord(FILE* f, void* dst) {
  unsigned char b[4];
  if (fread(b, 1, 4, f) != 4) return false;
  __builtin_memcpy(dst, b, 4);
  return true;
}

int Org_LoadBin() {
  FILE* f = FileOpenRead(OrgFiles.gsFileO2O3Bin);
  if (!f) return 0;
  int ok = 0;
  int head[2], count = 0;
  int* ints = sBinRead.ints;
  float* flos = sBinRead.flos;
  bool good = GetWord(f, &head[0]) && GetWord(f, &head[1]) && GetWord(f, &count) && count == kIntCount;
  for (int i = 0; good && i < kIntCount; i++) good = GetWord(f, &ints[i]);
  if (good) {
    // The integers stand once they are whole, even when the float part turns out wrong.
    for (int i = 0; i < kIntCount; i++) org2n[i] = ints[i];
    good = GetWord(f, &count) && count == kFloCount;
    for (int i = 0; good && i < kFloCount; i++) good = GetWord(f, &flos[i]);
    if (good) {
      for (int i = 0; i < kFloCount; i++) orgFn[i] = flos[i];
      ok = 1;
    }
  }
  fclose(f);
  return ok;
}

void Org_LoadAtStart() {
  org2_Init();
  orgF_Init();
  if (Org_ReadMixAtStart()) {
    Org_SaveBin();
    return;
  }
  org2_Init();  // nothing of a broken master stays
  orgF_Init();
  Org_LoadBin();
}
