// Fuzz target of the text presets: PropsReadTxt of "uni_files/res/<name>" into a live figure
// (records of a "//==" line, a property name and its value). A refusal must leave the figure as
// it was; each input starts from the same figure. An input is one preset file.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "catalogue/presets.h"
#include "figures/fgrs.h"
#include "figures/records.h"
#include "fuzz_common.h"
#include "gm/org_base.h"

namespace {
Fgr* gFig;
std::vector<char> gBefore;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  Records_ResetPools();
  Fgrs.ResetAll();
  org2_Init();
  orgF_Init();
  gFig = Fgrs.AddFgr(206, 0);
  if (!gFig) abort();
  const char* p = reinterpret_cast<const char*>(gFig);
  gBefore.assign(p, p + sizeof(Fgr));
  Fuzz_Seed("seed_props",
            "a text preset\n//==\nTex1\n12\n//==\nhaf\n2.75\n//==\nfloX\n3.5\n//==\nSub_Kno_max\n20\n"
            "//==\nwaitFull\n7\n//==\nbornTehnola\n-8\n");
  Fuzz_Seed("seed_skipped", "//==\nnom\n5\n//==\nstatus\n111\n//==\nfloX\n500\n//==\nfcg\n1e999\n");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write("uni_files/res/preset.txt", data, size);
  int ok = PropsReadTxt("preset.txt", gFig);
  if (!ok && memcmp(gBefore.data(), gFig, sizeof(Fgr)) != 0) abort();  // a refusal changed it
  memcpy(static_cast<void*>(gFig), gBefore.data(), sizeof(Fgr));
  return 0;
}
