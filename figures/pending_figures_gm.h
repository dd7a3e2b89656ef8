// Stand-ins for the figure model services that the generated figure functions call (container,
// empty extra records, chain walk, stage link numbers), until the figure model lands. Its header
// then replaces this one in gm/fa_proc_env.h.
#pragma once

#include <cstdio>

class Fgr;
struct t_item;
struct t_UNIT;

#include "gm/fgr.h"

const int UN_ind1 = 1;    // fgrIndexUnitOrItem: the kind needs a unit record
const int item_ind2 = 2;  // fgrIndexUnitOrItem: the kind needs an item record

const int inFgrNonType0 = 0;  // FgrEd_AdrFromName found nothing
const int inFgrIntType1 = 1;  // ... an int property
const int inFgrFloType2 = 2;  // ... a float property

struct t_Fgrs {
  int busy;
  int cursor;
  Fgr mf[1000];
  int mOut(int nom) const { return nom < 1 || nom > 999; }
};
extern t_Fgrs Fgrs;

t_item* empty_item_adr();
t_UNIT* empty_UN_adr();

Fgr* Fgr_getLink(Fgr* chainHead, int linkNom, int unused);
int Fgr_Slot_Nom(Fgr* link, int forLocation);
Fgr* Etap_pFgrFromNom(int nom, int forLocation);
void priv_FgrExtra_SaveTo(Fgr* pF, FILE* ff, int forLocation);
void priv_FgrExtra_LoadFrom(Fgr* pF, FILE* ff, int forLocation);
