// Resource generator: the entry, the driver and the readers of the three resource files. The
// header text itself is written by res_gen_write.cpp.
#include "generators/res_gen.h"

#include <fstream>

#include "generators/gen_table.h"
#include "shell/date_stamp.h"
#include "shell/file_names.h"    // gsFilePixStart
#include "shell/key_commands.h"  // gsFileSig
#include "shell/log.h"
#include "shell/msgbase.h"  // gsFileMsgBase
#include "shell/text.h"

std::string gsFileResA = "gm/res_a.h";

int ResTexCount = 0;
int ResSmpCount = 0;
int ResMbNext = 1;
int ResMbCount = 0;
int ResKmdNext = 1;
int ResKmdCount = 0;

// Name line, slot number line, then two lines that are dropped (for a texture its image file and
// mip mode). A record cut short by the end of the file, or a slot that does not parse, adds nothing.
static int ResReadNumberedRecord(std::istream& in, GenResList& list, std::string& line) {
  GenResRec r;
  if (!GenReadLine(in, r.name)) return 0;
  if (!GenReadInt(in, r.id)) return 0;
  GenEndNumberLine(in);
  GenReadLine(in, line);
  GenReadLine(in, line);
  list.push_back(r);
  return 1;
}

void ResAGen_ReadPixRecord(std::istream& in, GenResList& list, std::string& line) {
  ResTexCount += ResReadNumberedRecord(in, list, line);
}

void ResAGen_ReadSmpRecord(std::istream& in, GenResList& list, std::string& line) {
  ResSmpCount += ResReadNumberedRecord(in, list, line);
}

int ResAGen_NameFromMarker(std::string& marker) {
  if (marker.size() <= 4) return 1;  // the bare marker (or no marker at all)
  marker = TextTrimS(marker.substr(4));
  int p = TextPos(marker.c_str(), "//", 0);
  if (p >= 0 && p < 4) return 1;
  if (p >= 4) marker.erase(p);
  marker = TextTrimS(marker);
  if (marker.find(' ') != std::string::npos) return 1;
  return marker.size() < 4 ? 1 : 0;
}

void ResAGen_ReadName(std::istream& in, GenResList& list, std::string& marker) {
  GenResRec r;
  if (ResAGen_NameFromMarker(marker) == 0) {
    r.id = ResMbNext;
    r.name = marker;
    ResMbNext += 1;
    ResMbCount += 1;
  } else {
    // The bad name takes no number: the header shows the error by not compiling on a second one.
    r.id = 0;
    r.name = "mbErrNameParsing";
  }
  list.push_back(r);
}

void ResAGen_ReadLine(std::istream& in, GenResList& list, std::string& line) {
  // The line after the marker is the command's name whatever it holds; none at the end of the file.
  if (!GenReadLine(in, line)) return;
  GenResRec r;
  r.id = ResKmdNext;
  r.name = line;
  list.push_back(r);
  ResKmdNext += 1;
  ResKmdCount += 1;
}

static void ResMissing(const std::string& fileName) {
  LogInfo("\nResAGen: Err: нет файла %s \nResAGen Fin.\n", fileName.c_str());
}

void ResAGen() {
  GenResList texList, smpList, mbList, kmdList;
  ResTexCount = 0;
  ResSmpCount = 0;
  ResMbNext = 1;
  ResMbCount = 0;
  ResKmdNext = 1;
  ResKmdCount = 0;
  LogInfo("\n\nResAGen: ReStart  %s", DateTimeStampDef(1));

  std::ifstream in;
  std::string line;
  if (!GenOpenInput(in, FileNames.gsFilePixStart)) return ResMissing(FileNames.gsFilePixStart);
  GenReadLine(in, line);
  int count = 0;
  if (GenReadInt(in, count)) GenEndNumberLine(in);
  if (count > 501) count = 501;
  for (int i = 0; i < count && in.good(); i++) {
    if (!GenReadLine(in, line)) break;  // the record's free line
    ResAGen_ReadPixRecord(in, texList, line);
  }
  GenLogStop("ResAGen", FileNames.gsFilePixStart, in);

  if (!GenOpenInput(in, Msgs.gsFileMsgBase)) return ResMissing(Msgs.gsFileMsgBase);
  GenSectionLoop(in, 1, "ResAGen", Msgs.gsFileMsgBase,
                 [&](std::istream& s, std::string& marker) { ResAGen_ReadName(s, mbList, marker); });

  if (!GenOpenInput(in, KeyCmds.gsFileSig)) return ResMissing(KeyCmds.gsFileSig);
  GenSectionLoop(in, 1, "ResAGen", KeyCmds.gsFileSig,
                 [&](std::istream& s, std::string& marker) { ResAGen_ReadLine(s, kmdList, marker); });
  in.close();

  ResAGen_WriteHeader(texList, smpList, mbList, kmdList);
}
