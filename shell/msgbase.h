// The message base: numbered texts, each in English and in Russian, read once at start-up and looked
// up by number in the language that o2::EngText chooses at every lookup.
#pragma once

#include <string>
#include <vector>

struct MsgRec {
  char text[128];  // at most 127 characters, zero-terminated
};

struct t_Msgs {
  std::vector<MsgRec> MsgBase;  // message n: records 2n-2 (English) and 2n-1 (local)
  std::string gsFileMsgBase = "uni_files/res/msgbase.txt";
};
extern t_Msgs Msgs;

void MsgBase_Clear();
void MsgBase_Load(const std::string& fileName);
// Never null: "..." for an empty base, ".0." below 1, ".Z." past the end.
const char* MsgBase_Text(const int& n);
// Null for an empty base or a number below 1; ".Z." past the end.
const char* MsgBase_TextOrNull(const int& n);
// The language switch the lookups read: o2::EngText, through the flag start-up wires for the date
// stamps (DateEngTextFlag); 0 while unwired.
int IsEngText();
