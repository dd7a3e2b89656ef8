// libFuzzer target of the stage loader. An input is a base part and a location part: a 4-byte
// length of the base part, the base part, then the location part. Each input is loaded over the
// same small world; a refused input must leave that world's figures byte for byte as they were,
// an accepted one must pass the per-frame link check and still save and reset.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "figures/stage.h"
#include "figures/stage_scratch.h"
#include "shell/log.h"

namespace {

std::vector<char> gFigures;  // the world's figures before each input

void MakeWorld() {
  Records_ResetPools();
  Fgrs.ResetAll();
  for (int i = 0; i < 4; i++) {
    Fgr* f = Fgrs.AddFgr(i % 2 ? 20 : 112, 1);
    if (f) f->zap015 = i;
  }
  for (int i = 0; i < 3; i++) Fgrs.AddFgr(i % 2 ? 301 : 112, 0);
  Fgrs.mf[501].P_FireTarg = &Fgrs.mf[2];
  Fgrs.mf[1].P2_Sub_Gruz = &Fgrs.mf[502];
  Fgrs.mf[502].pParent = &Fgrs.mf[1];
  EtapLocationNom = 1;
}

std::string SavePart(int base) {
  char* buf = nullptr;
  size_t n = 0;
  FILE* m = open_memstream(&buf, &n);
  if (base)
    Base_SaveTo(&Fgrs, m, 1);
  else
    Etap_SaveTo(&Fgrs, m);
  fclose(m);
  std::string s(buf, n);
  free(buf);
  return s;
}

FILE* Open(const uint8_t* p, size_t n) {
  if (n == 0) return tmpfile();
  return fmemopen(const_cast<uint8_t*>(p), n, "rb");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  gsFileLog = "/dev/null";
  MakeWorld();
  // A seed of the right shape, written where the script asks for it.
  if (const char* dir = getenv("TOLV_FUZZ_SEED_DIR")) {
    std::string b = SavePart(1), l = SavePart(0);
    uint32_t n = (uint32_t)b.size();
    FILE* f = fopen((std::string(dir) + "/seed_stage").c_str(), "wb");
    if (f) {
      fwrite(&n, 4, 1, f);
      fwrite(b.data(), 1, b.size(), f);
      fwrite(l.data(), 1, l.size(), f);
      fclose(f);
    }
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  uint32_t nb = 0;
  memcpy(&nb, data, 4);
  size_t rest = size - 4;
  if (nb > rest) nb = (uint32_t)rest;
  MakeWorld();
  gFigures.assign((const char*)Fgrs.mf, (const char*)Fgrs.mf + sizeof Fgrs.mf);
  FILE* b = Open(data + 4, nb);
  FILE* l = Open(data + 4 + nb, rest - nb);
  int r = Stage_LoadPair(b, l);
  fclose(b);
  fclose(l);
  if (!r) {
    if (memcmp(gFigures.data(), Fgrs.mf, sizeof Fgrs.mf) != 0) abort();  // a refusal changed the world
    return 0;
  }
  o2::NeedExit = 0;
  for (int i = 1; i < kFgrsSlots; i++)
    if (Fgrs.mf[i].Status()) Fgrs.mf[i].KillDeadLinks();
  if (o2::NeedExit) abort();  // an accepted file left a dead chain member
  SavePart(1);
  SavePart(0);
  Fgrs.ResetAll();
  return 0;
}
