// The one translation unit that holds the key-command block and the re-binding mode.
#include "shell/kmd_block.h"

#include <cstring>

#include "shell/pending_kmd.h"

static_assert(sizeof(inerProjKmd) == sizeof(IKmd2) * (anSetKeys1_4Klv + 1),
              "the block must be consecutive records");

int Kmd_Count() { return anSetKeys1_4Klv; }
IKmd2* Kmd_First() { return reinterpret_cast<IKmd2*>(&kmdSbor); }
IKmd2* Kmd_Last() { return &kmdSbor.Last; }

IKmd2* KmdByNum(int n) {
  if (n < 0 || n > anSetKeys1_4Klv) return nullptr;
  return Kmd_First() + n;
}

int Kmd_Load() { return kmdSbor._Load(); }

void Kmd_ResetAll() { std::memset(static_cast<void*>(&kmdSbor), 0, sizeof(kmdSbor)); }

int Kmd_Fired(int n) {
  IKmd2* k = KmdByNum(n);
  return k ? k->fired : 0;
}

void Kmd_UpdAll() { IKmd2_UpdAll(Kmd_First(), Kmd_Last()); }

int Kmd_RebindSteps() { return anSetKeys1_4Klv; }
