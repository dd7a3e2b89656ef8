// Fuzz target of the message base: MsgBase_Load of "uni_files/res/msgbase.txt" (a line budget,
// then "//==" markers each followed by the English and the local text); every message is then
// looked up in both languages. An input is one message base.
#include <cstdint>
#include <cstring>

#include "fuzz_common.h"
#include "shell/date_stamp.h"
#include "shell/msgbase.h"

namespace {
int gEnglish;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  DateStamp.DateEngTextFlag = &gEnglish;
  Fuzz_Seed("shipped_msgbase.txt", Fuzz_Shipped("uni_files/res/msgbase.txt"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write(Msgs.gsFileMsgBase, data, size);
  MsgBase_Clear();
  MsgBase_Load(Msgs.gsFileMsgBase);
  int last = (int)Msgs.MsgBase.size() / 2 + 1;
  for (gEnglish = 0; gEnglish <= 1; gEnglish++)
    for (int n = -1; n <= last; n++)
      if (strlen(MsgBase_Text(n)) >= sizeof(MsgRec::text)) abort();  // a text without its end
  MsgBase_Clear();
  return 0;
}
