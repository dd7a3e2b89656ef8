// Named-variable files: the developers' text master and the binary file that follows it; the
// start-up load takes the master when it parses and writes the binary file, else reads the binary.
#pragma once
#include <istream>
#include <string>

struct t_OrgFiles {
  std::string gsFileOrgMix = "gm/__orgmix.txt";
  std::string gsFileO2O3Bin = "uni_files/res/o2o3.bin";
};
extern t_OrgFiles OrgFiles;

void Org_LoadAtStart();
// 1 when the master opened and every entry parsed; 0 when it is missing or broken.
int Org_ReadMixAtStart();
// Reads the five lines of one entry after its marker; 0 when the stream failed inside it. With
// lineNo (the marker's line number) it ends on the last line read, or on the one that failed.
int OrgMix_ReadValue(std::istream& in, std::string& line, int* lineNo = nullptr);
void Org_SaveBin();
int Org_LoadBin();
