// Resource generator: numbered names from the start-up texture list, the message base and the
// key-command file, written into "gm/res_a.h" as constants, the key-command class and the key
// re-binding mode.
#pragma once

#include <istream>
#include <string>
#include <vector>

struct GenResRec {
  int id = 0;
  std::string name;
};

typedef std::vector<GenResRec> GenResList;

extern std::string gsFileResA;  // "gm/res_a.h"

extern int ResTexCount;
extern int ResSmpCount;
extern int ResMbNext;
extern int ResMbCount;
extern int ResKmdNext;
extern int ResKmdCount;

void ResAuto(int run);
void ResAGen();

// Record readers; each appends at most one entry.
void ResAGen_ReadPixRecord(std::istream& in, GenResList& list, std::string& line);
void ResAGen_ReadSmpRecord(std::istream& in, GenResList& list, std::string& line);
void ResAGen_ReadName(std::istream& in, GenResList& list, std::string& marker);
void ResAGen_ReadLine(std::istream& in, GenResList& list, std::string& line);
// 0 when a good phrase name is left in the marker line, 1 when not.
int ResAGen_NameFromMarker(std::string& marker);

void ResAGen_WriteHeader(GenResList& tex, GenResList& smp, GenResList& mb, GenResList& kmd);
