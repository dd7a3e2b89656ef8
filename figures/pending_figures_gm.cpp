// Stand-ins for the figure model services that the generated figure functions call, until the
// figure model lands: a plain container, no extra records, chains walked along pTail, links
// stored as slot numbers. The chain adds and removals refuse. Delete an entry when it lands.
#include "figures/pending_figures_gm.h"

t_Fgrs Fgrs;

t_item* empty_item_adr() { return nullptr; }
t_UNIT* empty_UN_adr() { return nullptr; }

void Fgr::item_reset() { item = empty_item_adr(); }
void Fgr::UN_reset() { UN = empty_UN_adr(); }

Fgr* Fgr_getLink(Fgr* chainHead, int linkNom, int) {
  if (linkNom < 1) return nullptr;
  Fgr* f = chainHead;
  for (int i = 1; f && i < linkNom; i++) f = f->pTail;
  return f;
}

int Fgr_Slot_Nom(Fgr* link, int forLocation) {
  int nom = link ? link->nom : 0;
  return forLocation ? nom - 500 : nom;
}

Fgr* Etap_pFgrFromNom(int nom, int forLocation) {
  int slot = forLocation ? nom + 500 : nom;
  if (slot < 1 || slot > 999) return nullptr;
  return &Fgrs.mf[slot];
}

void priv_FgrExtra_SaveTo(Fgr*, FILE*, int) {}
void priv_FgrExtra_LoadFrom(Fgr*, FILE*, int) {}

int Fgr::Sub_UseGun_Add(Fgr*) { return 0; }
int Fgr::Sub_UseGun_Kick(Fgr*) { return 0; }
int Fgr::Sub_UseKm_Add(Fgr*) { return 0; }
int Fgr::Sub_UseKm_Kick(Fgr*) { return 0; }
int Fgr::Sub_UseDet_Add(Fgr*) { return 0; }
int Fgr::Sub_UseDet_Kick(Fgr*) { return 0; }
int Fgr::Sub_UseSkil_Add(Fgr*) { return 0; }
int Fgr::Sub_UseSkil_Kick(Fgr*) { return 0; }
int Fgr::Sub_MetGd_Add(Fgr*) { return 0; }
int Fgr::Sub_MetGd_Kick(Fgr*) { return 0; }
int Fgr::Sub_MetBd_Add(Fgr*) { return 0; }
int Fgr::Sub_MetBd_Kick(Fgr*) { return 0; }
int Fgr::Sub_Gruz_Add(Fgr*) { return 0; }
int Fgr::Sub_Gruz_Kick(Fgr*) { return 0; }
int Fgr::Sub_Unit_Add(Fgr*) { return 0; }
int Fgr::Sub_Unit_Kick(Fgr*) { return 0; }
int Fgr::Sub_Kno_Add(Fgr*) { return 0; }
int Fgr::Sub_Kno_Kick(Fgr*) { return 0; }
