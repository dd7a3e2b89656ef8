// Named-variable generator: the entry, the driver, the section parser of "gm/__orgmix.txt" and the
// number check. The header text itself is written by org_gen_write.cpp.
#include "generators/org_gen.h"

#include <climits>
#include <cmath>
#include <fstream>

#include "generators/gen_table.h"
#include "shell/date_stamp.h"
#include "shell/files.h"
#include "shell/log.h"
#include "shell/text.h"

std::string gsFileOrgGenIn = "gm/__orgmix.txt";
std::string gsFileOrgBaseA = "gm/org_base_a.h";

int OrgIntCount = 1;
int OrgFloCount = 1;

void Org_ParseMix(std::istream& in, GenOrgList& ints, GenOrgList& flos, std::string& marker, int blok) {
  GenOrgVar v;
  v.koment1 = GenLine_ToComment(marker);

  std::string line;
  GenReadLine(in, line);
  v.koment2 = KomentFromTxtLine(line);

  GenReadLine(in, line);
  if (TextPos(line.c_str(), "int", 0) == 0) {
    v.tip = 1;
  } else if (TextPos(line.c_str(), "flo", 0) == 0) {
    v.tip = 2;
  } else {
    return;  // neither type: the section is dropped, the loop looks for the next marker
  }

  GenReadLine(in, v.name);
  GenReadLine(in, line);
  if (line.size() == v.name.size()) v.nameClr = line;

  // A section cut short (end of file, or numbers that do not parse) makes no record: its values
  // would be defaults that the table never gave.
  int ok = GenReadInt(in, v.id) && GenReadInt(in, v.readOnly) && GenReadInt(in, v.etap);
  if (v.tip == 1) {
    ok = ok && GenReadInt(in, v.start) && GenReadInt(in, v.adv) && GenReadInt(in, v.min) &&
         GenReadInt(in, v.max) && GenReadInt(in, v.visp);
  } else {
    ok = ok && GenReadFlo(in, v.fStart) && GenReadFlo(in, v.fAdv) && GenReadFlo(in, v.fMin) &&
         GenReadFlo(in, v.fMax) && GenReadInt(in, v.visp);
  }
  if (!ok) {
    LogInfo("\nOrg: Err: section of %s cut short, no record", v.name.c_str());
    return;
  }
  GenEndNumberLine(in);
  v.blok = blok;
  if (v.adv < 0) v.adv = v.adv == INT_MIN ? INT_MAX : -v.adv;  // a step has no sign
  v.fAdv = std::fabs(v.fAdv);
  if (v.tip == 1) ints.push_back(v);
  else flos.push_back(v);
}

static const char* OrgKindText(int blok) { return blok == 2 ? "Proj" : "General"; }

static int OrgCheckList(GenOrgList& list, const char* errFmt, const char* repFmt) {
  std::vector<unsigned char> taken(9501, 0);
  int count = 1;
  for (GenOrgVar& v : list) {
    if (v.id < 1 || v.id > 9500) {
      LogInfo(errFmt, v.id, OrgKindText(v.blok), v.name.c_str());
      v.blok *= 10;
    } else if (taken[v.id] == 0) {
      taken[v.id] = 1;
      count += 1;
    } else {
      LogInfo(repFmt, v.id, OrgKindText(v.blok), v.name.c_str());
      v.blok *= 100;
    }
  }
  return count;
}

void Org_CheckIds(GenOrgList& ints, GenOrgList& flos) {
  OrgIntCount = OrgCheckList(ints, "\nOrg: Err int ID: %d (%s)  %s", "\nOrg: Rep int ID: %d (%s)  %s");
  OrgFloCount = OrgCheckList(flos, "\nOrg: Err flo ID: %d (%s)  %s", "\nOrg: Rep flo ID: %d (%s)  %s");
}

void Org_ReStart() {
  GenOrgList ints, flos;
  OrgIntCount = 1;
  OrgFloCount = 1;
  LogInfo("\n\nOrg: ReStart  %s", DateTimeStampDef(1));

  std::ifstream in;
  if (!GenOpenInput(in, gsFileOrgGenIn)) {
    LogInfo("\nOrg: Err: нет первичного файла __orgmix.txt \nFin.\n");
    return;
  }
  GenSectionLoop(in, 2, "Org", gsFileOrgGenIn,
                 [&](std::istream& s, std::string& marker) { Org_ParseMix(s, ints, flos, marker, 2); });
  in.close();

  Org_CheckIds(ints, flos);
  OrgBaseA_Write(ints, flos);
}

int DirListFiles(const std::string& dirName, std::vector<std::string>& list) {
  return DirListNames(dirName, list);
}
