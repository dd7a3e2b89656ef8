// Named-variable generator: reads the table "gm/__orgmix.txt", checks the numbers of its entries
// and writes "gm/org_base_a.h", from which the named global variables and their tables compile.
#pragma once

#include <istream>
#include <string>
#include <vector>

// One named variable as read from the table: an integer record fills the int value words, a float
// record the float ones.
struct GenOrgVar {
  int id = 0;
  int readOnly = 0;
  int etap = 0;
  int blok = 0;  // 2 from this driver; 10 or more marks a bad record left out of every output
  int tip = 0;   // 1 integer, 2 float
  // integer record
  int start = 0, adv = 0, min = 0, max = 0;
  int visp = 0;
  // float record
  float fStart = 0, fAdv = 0, fMin = 0, fMax = 0;
  std::string name;
  std::string nameClr;
  std::string koment1;
  std::string koment2;
};

typedef std::vector<GenOrgVar> GenOrgList;

extern std::string gsFileOrgGenIn;  // "gm/__orgmix.txt", the table as the generator reads it
extern std::string gsFileOrgBaseA;  // "gm/org_base_a.h"

// Set to 1 by the number check and raised for each record it keeps.
extern int OrgIntCount;
extern int OrgFloCount;

void OrgAuto(int run);
void Org_ReStart();

// Reads the section whose marker line the caller has just read; appends at most one record.
void Org_ParseMix(std::istream& in, GenOrgList& ints, GenOrgList& flos, std::string& marker, int blok);
void Org_CheckIds(GenOrgList& ints, GenOrgList& flos);
void OrgBaseA_Write(GenOrgList& ints, GenOrgList& flos);

void TextOrQ(std::string& name, std::string& copy);
int StrCopyIfSameLen(const std::string& name, const std::string& clr, std::string& out);

int DirListFiles(const std::string& dirName, std::vector<std::string>& list);
