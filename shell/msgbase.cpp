// The message base: loading by markers within a line budget, and lookup by number and language.
#include "shell/msgbase.h"

#include <cstdint>
#include <cstring>
#include <fstream>

#include "shell/date_stamp.h"
#include "shell/files.h"
#include "shell/text.h"

t_Msgs Msgs;

namespace {

void Append(const std::string& text) {
  MsgRec r;
  std::memset(r.text, 0, sizeof(r.text));
  std::strncpy(r.text, text.c_str(), sizeof(r.text) - 1);
  Msgs.MsgBase.push_back(r);
}

// The record of message n in the current language, or null when the base is empty or n < 1;
// 64-bit arithmetic so that a huge n cannot wrap into a valid record.
const char* Lookup(int n, const char* emptyText, const char* belowText) {
  int64_t k = (int64_t)Msgs.MsgBase.size();
  if (k == 0) return emptyText;
  if (n < 1) return belowText;
  int64_t local = 2 * (int64_t)n - 1;
  if (local > k - 1) return ".Z.";
  return IsEngText() ? Msgs.MsgBase[local - 1].text : Msgs.MsgBase[local].text;
}

}  // namespace

// Start-up points the date stamps' language flag at o2::EngText: the lookups read the same flag.
int IsEngText() { return DateStamp.DateEngTextFlag && *DateStamp.DateEngTextFlag; }

void MsgBase_Clear() {
  Msgs.MsgBase.clear();
  Msgs.MsgBase.shrink_to_fit();
}

void MsgBase_Load(const std::string& fileName) {
  std::ifstream in;
  if (!FileOpenIn(in, fileName)) return;
  Msgs.MsgBase.clear();
  int budget = 0;
  if (!(in >> budget) || budget < 2) return;
  SkipLine(in);
  std::string line, english, local;
  for (int i = 0; i < budget; i++) {
    if (!TextGetLine(in, line)) break;
    if (TextPos(TextTrimS(line).c_str(), "//==", 0) != 0) continue;
    if (!TextGetLine(in, english)) break;
    Append(english);
    if (!TextGetLine(in, local)) break;
    Append(local);
  }
}

const char* MsgBase_Text(const int& n) { return Lookup(n, "...", ".0."); }

const char* MsgBase_TextOrNull(const int& n) { return Lookup(n, nullptr, nullptr); }
