// Stand-in for the generated figure functions (constructor, reset, dead-link check, kind
// switches, chain helpers), compiled only while gm/fa_proc.h has not landed. Remove once it has.
#if !__has_include("gm/fa_proc.h")
#include <cstring>

#include "figures/chains.h"
#include "figures/fgrs.h"
#include "figures/pending_figures_org.h"
#include "shell/log.h"

Fgr::Fgr() {
  status = 0;
  item = empty_item_adr();
  UN = empty_UN_adr();
}

void Fgr::Sbros() {
  int tmp_nom = nom;
  if (P2_UseHelm) P2_UseHelm->Sbros();
  if (P2_UseSuit) P2_UseSuit->Sbros();
  if (P2_UseCar) P2_UseCar->Sbros();
  Fgr* heads[9] = {P2_Sub_UseGun, P2_Sub_UseKm, P2_Sub_UseDet, P2_Sub_UseSkil, P2_Sub_MetGd,
                   P2_Sub_MetBd,  P2_Sub_Gruz,  P2_Sub_Unit,   P2_Sub_Kno};
  for (Fgr* u : heads) {
    while (u) {
      Fgr* p = u->pTail;
      u->Sbros();
      u = p;
    }
  }
  item_reset();
  UN_reset();
  memset((void*)this, 0, sizeof(Fgr));
  item = empty_item_adr();
  UN = empty_UN_adr();
  floX = 2.0f;
  fcr = fcg = fcb = fca = 1.0f;
  haf = 1.0f;
  nom = tmp_nom;
}

void Fgr::KillDeadLinks() {
  if (activateFgr) {
    if (Fgrs.mOut(activateFgr)) activateFgr = 0;
    else if (!Fgrs.mf[activateFgr].Status()) activateFgr = 0;
  }
  Fgr** act[8] = {&P_FireTarg, &P_AutoTarg, &P_Border, &P_Ataker1,
                  &P_Ataker2,  &P_Ataker3,  &P_TrigFrom, &P_Guest};
  for (Fgr** a : act)
    if (*a && !(*a)->Active()) *a = nullptr;
  Fgr** st[5] = {&P_PrepZak1, &P_PrepZak2, &P2_UseHelm, &P2_UseSuit, &P2_UseCar};
  for (Fgr** a : st)
    if (*a && !(*a)->Status()) *a = nullptr;
  Fgr* heads[9] = {P2_Sub_UseGun, P2_Sub_UseKm, P2_Sub_UseDet, P2_Sub_UseSkil, P2_Sub_MetGd,
                   P2_Sub_MetBd,  P2_Sub_Gruz,  P2_Sub_Unit,   P2_Sub_Kno};
  static const char* const kMsg[9] = {
      "\nerr: Sub_UseGun DeadLink", "\nerr: Sub_UseKm DeadLink", "\nerr: Sub_UseDet DeadLink",
      "\nerr: Sub_UseSkil DeadLink", "\nerr: Sub_MetGd DeadLink", "\nerr: Sub_MetBd DeadLink",
      "\nerr: Sub_Gruz DeadLink", "\nerr: Sub_Unit DeadLink", "\nerr: Sub_Kno DeadLink"};
  for (int k = 0; k < 9; k++) {
    int steps = 0;
    for (Fgr* u = heads[k]; u && steps < kChainWalkMax; u = u->pTail, steps++) {
      if (!u->Status()) {
        LogInfo("%s", kMsg[k]);
        o2::NeedExit = 1;
      }
    }
  }
}

void Fgr::SaveTo(FILE*, int) {}
void Fgr::LoadFrom(FILE*, int) {}

const char* fgrXName(int fgrIndex) {
  switch (fgrIndex) {
    case 0: return "errIndex";
    case 5: return "Triger";
    case 112: return "UnitPeh";
    case 113: return "SquadHolder";
    case 301: return "DetUnitGun";
    case 402: return "KnoUnit";
    default: break;
  }
  return "?";
}

int fgrIndexUnitOrItem(int k) {
  if (k == 301 || k == 302 || k == 303 || k == 401) return item_ind2;
  if (k == 19 || (k >= 101 && k <= 104) || k == 111 || k == 112 || k == 114 || (k >= 201 && k <= 215))
    return UN_ind1;
  return 0;
}

Fgr* Fgr_Sub_xLink_pFgr(Fgr* pF, int n, int LinkNom) {
  if (!pF) return nullptr;
  return Fgr_getLink(Fgr_Sub_Head(pF, n), LinkNom, 0);
}

void Fgr_Sub_xLinkKick(Fgr* pF, int n, int LinkNom) {
  if (!pF) return;
  Fgr* m = Fgr_getLink(Fgr_Sub_Head(pF, n), LinkNom, 0);
  switch (n) {
    case 1: pF->Sub_UseGun_Kick(m); break;
    case 2: pF->Sub_UseKm_Kick(m); break;
    case 3: pF->Sub_UseDet_Kick(m); break;
    case 4: pF->Sub_UseSkil_Kick(m); break;
    case 5: pF->Sub_MetGd_Kick(m); break;
    case 6: pF->Sub_MetBd_Kick(m); break;
    case 7: pF->Sub_Gruz_Kick(m); break;
    case 8: pF->Sub_Unit_Kick(m); break;
    case 9: pF->Sub_Kno_Kick(m); break;
    default: break;
  }
}

void Fgr_Sub_xLinkAdd(Fgr* pF, int n, Fgr* pL) {
  if (!pF || !pL) return;
  switch (n) {
    case 1: pF->Sub_UseGun_Add(pL); break;
    case 2: pF->Sub_UseKm_Add(pL); break;
    case 3: pF->Sub_UseDet_Add(pL); break;
    case 4: pF->Sub_UseSkil_Add(pL); break;
    case 5: pF->Sub_MetGd_Add(pL); break;
    case 6: pF->Sub_MetBd_Add(pL); break;
    case 7: pF->Sub_Gruz_Add(pL); break;
    case 8: pF->Sub_Unit_Add(pL); break;
    case 9: pF->Sub_Kno_Add(pL); break;
    default: break;
  }
}
#endif
