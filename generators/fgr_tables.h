// The figure header generator: records read from the five figure tables under "gm/", the counters
// that number them, the section readers, the driver and the header writer.
#pragma once

#include <istream>
#include <string>
#include <vector>

struct GenFgrKind {
  int number = 0;
  int isItem = 0;
  int isUnit = 0;
  std::string name;
  std::string markerComment;
  std::string lineComment;
};

struct GenPropsPreset {
  int propsIndex = 0;
  int fromTxt = 0;
  std::string name;
};

// One record type for the five property types; tip says which (1 int, 2 float, 3 po1, 4 po2,
// 5 sub). The float values of a "flo" property live in the *F fields.
struct GenFgrProp {
  int number = 0;
  int readOnly = 0;
  int ignorSb = 0;
  int tip = 0;
  int initVal = 0;
  int adv = 0;
  int min = 0;
  int max = 0;
  int visp = 0;
  int spec = 0;
  int needActive = 0;
  float initValF = 0;
  float advF = 0;
  float minF = 0;
  float maxF = 0;
  std::string name;
  std::string markerComment;
  std::string comment1;
  std::string comment2;
  std::string comment3;
};

struct GenProcRec {
  int procNom = 0;
  std::string namePart1;
  std::string namePart2;
  std::string markerComment;
};

struct GenKombiRec {
  int kombiNom = 0;
  std::string name;
  std::string markerComment;
};

struct GenBoeRec {
  int bcNom = 0;
  std::string name;
  std::string markerComment;
  std::string lineComment;
};

struct GenKvRec {
  int k = 0;
  int bcNom = 0;
  std::string name;
};

// Numbering state of one run: set to the start values by the driver, left as the readers end it
// (the writer prints counts from it).
struct FgrGenCounters {
  int kindCount;
  int nextPresetId, presetCount;
  int nextIntNom, intCount;
  int nextFloNom, floCount;
  int nextPo1Nom, po1Count;
  int nextPo2Nom, po2Count;
  int nextSubNom, subCount;
  int nextProcNom, procCount;
  int nextKombiNom, kombiCount;
  int nextBcNom, bcCount;
  int kvCount;
};
extern FgrGenCounters fgrGen;

void FgrGen_ResetCounters();

// The input file names ("gm/__fgr_status.txt" ...).
extern std::string gsFileFgrStatus;
extern std::string gsFileFgrIn;
extern std::string gsFileFgrRea;
extern std::string gsFileFgrKombi;
extern std::string gsFileBoeCount;

// Section readers: called with the marker line that opened the section.
void FgrAGen_ReadKindSection(std::istream& in, std::vector<GenFgrKind>& kinds,
                             std::vector<GenPropsPreset>& presets, std::string& markerLine);
void FgrAGen_ReadPropSection(std::istream& in, std::vector<GenFgrProp>& ints,
                             std::vector<GenFgrProp>& floats, std::vector<GenFgrProp>& po1s,
                             std::vector<GenFgrProp>& po2s, std::vector<GenFgrProp>& subs,
                             std::string& markerLine);
void FgrAGen_ReadProcSection(std::istream& in, std::vector<GenProcRec>& procs, std::string& markerLine);
void FgrAGen_ReadKombiSection(std::istream& in, std::vector<GenKombiRec>& kombis,
                              std::string& markerLine);
void FgrAGen_ReadBoeSection(std::istream& in, std::vector<GenBoeRec>& boes,
                            std::vector<GenKvRec>& channels, std::string& markerLine);

// Reads the five tables and writes "gm/fa_pre.h", "gm/fa_in.h" and "gm/fa_proc.h". Paths are
// relative to the current directory (the repository root).
void FgrAGen();

// Writers of the three headers.
void FgrAGen_WriteHeaders(const std::vector<GenFgrKind>& kinds,
                          const std::vector<GenPropsPreset>& presets,
                          const std::vector<GenFgrProp>& ints, const std::vector<GenFgrProp>& floats,
                          const std::vector<GenFgrProp>& po1s, const std::vector<GenFgrProp>& po2s,
                          const std::vector<GenFgrProp>& subs, const std::vector<GenProcRec>& procs,
                          const std::vector<GenKombiRec>& kombis, const std::vector<GenBoeRec>& boes,
                          const std::vector<GenKvRec>& channels);
