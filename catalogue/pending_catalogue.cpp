// Stand-ins for the catalogue until it is built: each body is empty (a pending preset reports
// failure, a pending combination builds nothing) and is deleted when its real one lands. Grouped by
// the header that declares it.
#include "catalogue/creators.h"
#include "catalogue/kombi.h"
#include "catalogue/new_world.h"
#include "gm/fa_proc_env.h"

// --- catalogue/new_world.h. Weak: the stage tests count the new worlds with a definition of their
// own.
void init_ProjX() {}
__attribute__((weak)) void ProjX_CreateLandAndBunkers() {}

// --- catalogue/creators.h
Fgr* Laser_Create(int, float, float, float, float, float, float, int, int, int, int, float, float, float,
                  float) {
  return nullptr;
}

// --- catalogue/kombi.h
Fgr* Fgr_Create(int, int, int) { return nullptr; }

// --- gm/fa_proc_env.h: the presets and combinations that the generated PropsFill and KombiPreset
// call.
int PropsReadTxt(const char*, Fgr*) { return 0; }
void PropsFill_FinTram(int, Fgr*, int) {}

int prLaser1_(Fgr*) { return 0; }
int prBoom1_(Fgr*) { return 0; }
int prTriger1_(Fgr*) { return 0; }
int prPultFlag1_(Fgr*) { return 0; }
int prGetGemX1_(Fgr*) { return 0; }
int prKameraLayer1_(Fgr*) { return 0; }
int prLandHolder1_(Fgr*) { return 0; }
int prLandLosk1_(Fgr*) { return 0; }
int prLandDecal1_(Fgr*) { return 0; }
int prBookZak1_(Fgr*) { return 0; }
int prMetkaZak1_(Fgr*) { return 0; }
int prFieldSpec1_(Fgr*) { return 0; }
int prSpawner1_(Fgr*) { return 0; }
int prDekor1_(Fgr*) { return 0; }
int prStaticBoost1_(Fgr*) { return 0; }
int prStaticBoost2_(Fgr*) { return 0; }
int prBoxPrize1_(Fgr*) { return 0; }
int prBuild01_(Fgr*) { return 0; }
int prBuild02_(Fgr*) { return 0; }
int prBuild03_(Fgr*) { return 0; }
int prBuild04_(Fgr*) { return 0; }
int prBuild05_(Fgr*) { return 0; }
int prBuild06_(Fgr*) { return 0; }
int prBuild07_(Fgr*) { return 0; }
int prBuild08_(Fgr*) { return 0; }
int prBuild09_(Fgr*) { return 0; }
int prBuild10_(Fgr*) { return 0; }
int prBuild11_(Fgr*) { return 0; }
int prBuild12_(Fgr*) { return 0; }
int prBuild13_(Fgr*) { return 0; }
int prBuild14_(Fgr*) { return 0; }
int prBuild15_(Fgr*) { return 0; }
int prBuild16_(Fgr*) { return 0; }
int prBuild17_(Fgr*) { return 0; }
int prBuild18_(Fgr*) { return 0; }
int prBuild19_(Fgr*) { return 0; }
int prBuild20_(Fgr*) { return 0; }
int prBuild21_(Fgr*) { return 0; }
int prBuild22_(Fgr*) { return 0; }
int prBuild23_(Fgr*) { return 0; }
int prBuild24_(Fgr*) { return 0; }
int prBuilder1_(Fgr*) { return 0; }
int prFoot01_(Fgr*) { return 0; }
int prFoot02_(Fgr*) { return 0; }
int prFoot03_(Fgr*) { return 0; }
int prFoot04_(Fgr*) { return 0; }
int prFoot05_(Fgr*) { return 0; }
int prFoot06_(Fgr*) { return 0; }
int prFoot07_(Fgr*) { return 0; }
int prFoot08_(Fgr*) { return 0; }
int prFoot09_(Fgr*) { return 0; }
int prFoot10_(Fgr*) { return 0; }
int prFoot11_(Fgr*) { return 0; }
int prFoot12_(Fgr*) { return 0; }
int prFoot13_(Fgr*) { return 0; }
int prFoot14_(Fgr*) { return 0; }
int prSquad1_(Fgr*) { return 0; }
int prSquad2_(Fgr*) { return 0; }
int prSquad3_(Fgr*) { return 0; }
int prSquad4_(Fgr*) { return 0; }
int prSquad5_(Fgr*) { return 0; }
int prSquad6_(Fgr*) { return 0; }
int prSquad7_(Fgr*) { return 0; }
int prSquad8_(Fgr*) { return 0; }
int prCaptain1_(Fgr*) { return 0; }
int prHasBunker1_(Fgr*) { return 0; }
int prNatBunker1_(Fgr*) { return 0; }
int prAngBunker1_(Fgr*) { return 0; }
int prAkdBunker1_(Fgr*) { return 0; }
int prNekBunker1_(Fgr*) { return 0; }
int prUnitGun01_(Fgr*) { return 0; }
int prUnitGun02_(Fgr*) { return 0; }
int prUnitGun03_(Fgr*) { return 0; }
int prUnitGun04_(Fgr*) { return 0; }
int prUnitGun05_(Fgr*) { return 0; }
int prUnitGun06_(Fgr*) { return 0; }
int prUnitGun07_(Fgr*) { return 0; }
int prUnitGun08_(Fgr*) { return 0; }
int prUnitGun09_(Fgr*) { return 0; }
int prUnitGun10_(Fgr*) { return 0; }
int prUnitGun11_(Fgr*) { return 0; }
int prUnitGun12_(Fgr*) { return 0; }
int prUnitGun13_(Fgr*) { return 0; }
int prUnitGun14_(Fgr*) { return 0; }
int prUnitGun15_(Fgr*) { return 0; }
int prUnitGun16_(Fgr*) { return 0; }
int prUnitGun17_(Fgr*) { return 0; }
int prCaptainGun1_(Fgr*) { return 0; }
int prDetail1_(Fgr*) { return 0; }
int prArmor1_(Fgr*) { return 0; }
int prSkill01_(Fgr*) { return 0; }
int prSkill02_(Fgr*) { return 0; }
int prSkill03_(Fgr*) { return 0; }
int prSkill04_(Fgr*) { return 0; }
int prSkill05_(Fgr*) { return 0; }
int prSkill06_(Fgr*) { return 0; }
int prSkill07_(Fgr*) { return 0; }
int prSkill08_(Fgr*) { return 0; }
int prSkill09_(Fgr*) { return 0; }
int prSkill10_(Fgr*) { return 0; }
int prSkill11_(Fgr*) { return 0; }
int prSkill12_(Fgr*) { return 0; }
int prButton1_(Fgr*) { return 0; }

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
