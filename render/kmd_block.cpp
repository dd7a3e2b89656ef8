// The one translation unit that holds the key-command block and the re-binding mode.
#include "render/kmd_block.h"

#include <cstring>

// The generated header defines the block, its loader and the re-binding mode; it names the
// OpenGL calls, the text printer, the text helpers and the window size without including them.
#include <GL/gl.h>

#include "gm/org_base.h"
#include "render/font.h"
#include "shell/files.h"
#include "shell/text.h"
#include "shell/window_state.h"

#include "gm/res_a.h"

static_assert(sizeof(inerProjKmd) == sizeof(IKmd2) * (anSetKeys1_4Klv + 1),
              "the block must be consecutive records");

int Kmd_Count() { return anSetKeys1_4Klv; }
IKmd2* Kmd_First() { return reinterpret_cast<IKmd2*>(&kmdSbor); }
IKmd2* Kmd_Last() { return &kmdSbor.Last; }

IKmd2* KmdByNum(int n) {
  if (n < 0 || n > anSetKeys1_4Klv) return nullptr;
  return Kmd_First() + n;
}

// The generated loader opens the file itself and reads until its end: a folder in the file's place
// would never end, so only a regular file reaches it.
int Kmd_Load() { return FileIsRegular(sig1_LoadFileName) ? kmdSbor._Load() : 0; }

void Kmd_ResetAll() { std::memset(static_cast<void*>(&kmdSbor), 0, sizeof(kmdSbor)); }

int Kmd_Fired(int n) {
  IKmd2* k = KmdByNum(n);
  return k ? k->fired : 0;
}

void Kmd_UpdAll() { IKmd2_UpdAll(Kmd_First(), Kmd_Last()); }

int Kmd_RebindSteps() { return anSetKeys1_4Klv; }
