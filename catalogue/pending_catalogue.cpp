// Stand-ins for the catalogue until it is built: each body is empty (a pending preset reports
// failure, a pending combination builds nothing) and is deleted when its real one lands. Grouped by
// the header that declares it.
#include "catalogue/new_world.h"
#include "gm/fa_proc_env.h"

// --- catalogue/new_world.h. Weak: the stage tests count the new worlds with a definition of their
// own.
void init_ProjX() {}
__attribute__((weak)) void ProjX_CreateLandAndBunkers() {}

// --- gm/fa_proc_env.h: the combinations that the generated KombiPreset calls.
Fgr* kombi_Stroitel_(int, int) { return nullptr; }
Fgr* kombi_Stroitel1Kno_(int, int) { return nullptr; }
Fgr* kombi_SoldatAkademii_(int, int) { return nullptr; }
Fgr* kombi_RoboGolem_(int, int) { return nullptr; }
Fgr* kombi_StrelokAngelov_(int, int) { return nullptr; }
Fgr* kombi_OsobyiStrelok_(int, int) { return nullptr; }
Fgr* kombi_GlushakAngelov_(int, int) { return nullptr; }
Fgr* kombi_KuznecAngelov_(int, int) { return nullptr; }
Fgr* kombi_RokerAngelov_(int, int) { return nullptr; }
Fgr* kombi_MashanyaAngelov_(int, int) { return nullptr; }
Fgr* kombi_PolnayaMashanya_(int, int) { return nullptr; }
Fgr* kombi_RoboKop_(int, int) { return nullptr; }
Fgr* kombi_RukaAngela_(int, int) { return nullptr; }
Fgr* kombi_Captain5_(int, int) { return nullptr; }
Fgr* kombi_Captain1_(int, int) { return nullptr; }
Fgr* kombi_Captain2_(int, int) { return nullptr; }
Fgr* kombi_SquadSoldat4_(int, int) { return nullptr; }
Fgr* kombi_SquadRoboGolem4_(int, int) { return nullptr; }
Fgr* kombi_SquadGlushakStrelok_(int, int) { return nullptr; }
Fgr* kombi_SquadGlushak3_(int, int) { return nullptr; }
Fgr* kombi_SquadOsobyiStrelok3_(int, int) { return nullptr; }
Fgr* kombi_SquadRoker4_(int, int) { return nullptr; }
Fgr* kombi_SquadRoboKop4_(int, int) { return nullptr; }
