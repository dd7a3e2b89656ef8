// Driver of the figure header generator: reads the five figure tables in their fixed order and
// hands the record lists to the header writer.
#include <fstream>

#include "generators/fgr_tables.h"
#include "generators/gen_table.h"
#include "shell/date_stamp.h"
#include "shell/log.h"

std::string gsFileFgrStatus = "gm/__fgr_status.txt";
std::string gsFileFgrIn = "gm/__fgr_in.txt";
std::string gsFileFgrRea = "gm/__fgr_rea.txt";
std::string gsFileFgrKombi = "gm/__fgr_kombi.txt";
std::string gsFileBoeCount = "gm/__boe_count.txt";

static const char* kTool = "FgrAGen";

// Opens one table; a missing table ends the run before anything is written.
static bool OpenTable(std::ifstream& in, const std::string& name) {
  if (GenOpenInput(in, name)) return true;
  LogInfo("\nFgrAGen: Err: нет файла %s \nFgrAGen Fin.\n", name.c_str());
  return false;
}

void FgrAGen() {
  FgrGen_ResetCounters();
  std::vector<GenFgrKind> kinds;
  std::vector<GenPropsPreset> presets;
  std::vector<GenFgrProp> ints, floats, po1s, po2s, subs;
  std::vector<GenProcRec> procs;
  std::vector<GenKombiRec> kombis;
  std::vector<GenBoeRec> boes;
  std::vector<GenKvRec> channels;

  LogInfo("\n\nFgrAGen: ReStart  %s", DateTimeStampDef(1));

  std::ifstream in;
  if (!OpenTable(in, gsFileFgrStatus)) return;
  GenSectionLoop(in, 1, kTool, gsFileFgrStatus, [&](std::istream& s, std::string& marker) {
    FgrAGen_ReadKindSection(s, kinds, presets, marker);
  });
  if (!OpenTable(in, gsFileFgrIn)) return;
  GenSectionLoop(in, 1, kTool, gsFileFgrIn, [&](std::istream& s, std::string& marker) {
    FgrAGen_ReadPropSection(s, ints, floats, po1s, po2s, subs, marker);
  });
  if (!OpenTable(in, gsFileFgrRea)) return;
  GenSectionLoop(in, 1, kTool, gsFileFgrRea, [&](std::istream& s, std::string& marker) {
    FgrAGen_ReadProcSection(s, procs, marker);
  });
  if (!OpenTable(in, gsFileFgrKombi)) return;
  GenSectionLoop(in, 1, kTool, gsFileFgrKombi, [&](std::istream& s, std::string& marker) {
    FgrAGen_ReadKombiSection(s, kombis, marker);
  });
  if (!OpenTable(in, gsFileBoeCount)) return;
  GenSectionLoop(in, 1, kTool, gsFileBoeCount, [&](std::istream& s, std::string& marker) {
    FgrAGen_ReadBoeSection(s, boes, channels, marker);
  });
  in.close();

  FgrAGen_WriteHeaders(kinds, presets, ints, floats, po1s, po2s, subs, procs, kombis, boes, channels);
}
