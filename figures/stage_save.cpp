// Stage writers: the part head, the figure chunk's tail (movement values, index list, extra record,
// land floors), the location and base parts, and the whole-stage save with its backup.
#include <cstring>

#include "gm/org_base.h"
#include "figures/stage.h"
#include "shell/binfile.h"
#include "shell/files.h"
#include "shell/log.h"
#include "shell/text.h"
#include "figures/land.h"
#include "figures/side.h"

void Fgrs_WriteHead(t_Fgrs* c, FILE* f, unsigned kind) {
  if (!f) return;
  IntWrite(0, f);  // length, patched when the part is complete
  UIntWrite(kind, f);
  IntWrite(FgrsBaseLast, f);
  IntWrite(kFgrsSlots, f);
}

void EtapFile_WriteLenAtStart(t_Fgrs* c, FILE* f) {
  if (!f) return;
  long len = ftell(f);
  if (len < 0) return;
  fseek(f, 0, SEEK_SET);
  IntWrite((int)len, f);
  fseek(f, len, SEEK_SET);
}

// One floor as a land block; figure numbers always as for a location.
static void LandBlock_SaveTo(const LandFloor* fl, FILE* f) {
  TagWrite("LandChar", f);
  IntWrite(kLandSide, f);
  IntWrite(kLandSide, f);
  for (int i = 0; i < kLandCells; i++) {
    const LandKle& k = fl->kle[i];
    unsigned char w[16];
    int occ = Fgr_NomForLink(k.occupant, 1);
    int hold = Fgr_NomForLink(k.holder, 1);
    memcpy(w, &k.height, 4);
    memcpy(w + 4, &occ, 4);
    memcpy(w + 8, &hold, 4);
    memcpy(w + 12, &k.tile, 4);  // word 0 exactly as it lies in memory
    // ... except a cursor kind that only a load's decoration gave the cell.
    if (fl->decoLoad[i] && k.cursor == fl->decoLoad[i]) w[12 + offsetof(LandKle, cursor)] = 0;
    fwrite(w, 1, 16, f);
  }
  TagWrite("LandEnd;", f);
}

int Fgr_HasLandBlocks(const Fgr* f) { return f->Status() == fgrLandHolder && f->landSurf && f->landUnder; }

void priv_FgrExtra_SaveTo(Fgr* pF, FILE* ff, int forLocation) {
  if (!pF || !ff) return;
  TagWrite("Fgr#Paf=", ff);
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 2; j++) IntWrite((int)pF->Paf[i][j], ff);
  TagWrite("Fgr#Ind=", ff);
  int n = pF->IndKlv < 0 ? 0 : (pF->IndKlv > 12 ? 12 : pF->IndKlv);  // the record holds 12
  IntWrite(n, ff);
  for (int i = 0; i < n; i++) IntWrite((int)pF->Ind[i], ff);
  if (pF->UN && pF->UN != empty_UN_adr()) {
    IntWrite(1, ff);
    UN_SaveTo(pF->UN, ff);
  } else if (pF->item && pF->item != empty_item_adr()) {
    IntWrite(2, ff);
    item_SaveTo(pF->item, ff);
  } else {
    IntWrite(0, ff);
  }
  if (Fgr_HasLandBlocks(pF)) {
    IntWrite(1, ff);
    LandBlock_SaveTo(static_cast<const LandFloor*>(pF->landSurf), ff);
    LandBlock_SaveTo(static_cast<const LandFloor*>(pF->landUnder), ff);
  } else {
    IntWrite(0, ff);
  }
}

void Side_SetSaveDefaults(int k) {
  if (k < 0 || k >= kSides) return;
  int* s = SideTab[k];
  switch (s[kSideBunker]) {
    case fgrHasBunker: s[kSideEner] = 200; s[kSideMat] = 50; s[kSideGem3] = 1; break;
    case fgrNatBunker:
      s[SideBlockValue(kSideTagNat, 1)] = 0;
      s[kSideEner] = 150; s[kSideMat] = 60; s[kSideGem4] = 1;
      break;
    case fgrAngBunker:
      s[SideBlockValue(kSideTagAng, 1)] = 1;
      s[SideBlockValue(kSideTagAng, 2)] = 4;
      s[kSideEner] = 800; s[kSideMat] = 100; s[kSideGem2] = 1;
      TechEntry_SetDefault(Side_Tech(k, 0));
      break;
    case fgrAkdBunker:
      s[SideBlockValue(kSideTagAkd, 3)] = 99;
      s[kSideEner] = 200; s[kSideMat] = 50; s[kSideGem1] = 1;
      break;
    case fgrNekBunker:
      s[SideBlockValue(kSideTagNek, 1)] = 0;
      s[kSideEner] = 150; s[kSideMat] = 60; s[kSideGem4] = 1;
      break;
    default: break;
  }
  s[kSideBunkerSetA] = 3;
  s[kSideBunkerSetB] = 3;
}

// Writes the figures of slots first..last with their tag, and patches the count word.
static void Figures_SaveTo(t_Fgrs* c, FILE* f, int first, int last, const char* tag, int forLocation) {
  CountBlock cb;
  CountBlock_Begin(&cb, f);
  for (int i = first; i <= last; i++) {
    Fgr* p = &c->mf[i];
    if (!p->Status()) continue;
    TagWrite(tag, f);
    IntWrite(forLocation ? i - FgrsBaseLast : i, f);
    p->SaveTo(f, forLocation);
    CountBlock_Inc(&cb);
  }
  CountBlock_End(&cb, f);
}

void Etap_SaveTo(t_Fgrs* c, FILE* f) {
  if (!c || !f) return;
  Fgrs_WriteHead(c, f, kEtapKindLocation);
  TagWrite("Etap====", f);
  Figures_SaveTo(c, f, FgrsBaseLast + 1, kFgrsSlots - 1, "    ofs=", 1);
  for (int k = 0; k < kSides; k++) {
    Side_SetSaveDefaults(k);
    const int* s = SideTab[k];
    TagWrite(StrFmt("WSIDE=%02d", k).c_str(), f);
    for (int w = 0; w < kSideValueCount; w++) IntWrite(s[kSideValueFirst + w], f);
    for (int t = 0; t < kSideTechs; t++) {
      const int* e = &s[kSideTech0 + kTechWords * t];
      TagWrite(StrFmt("_Teh%04d", t).c_str(), f);
      for (int w = 0; w < 3; w++) IntWrite(e[w], f);
      TagWrite("_TehReq:", f);
      for (int w = 3; w < 8; w++) IntWrite(e[w], f);
      TagWrite("_TDeAct:", f);
      for (int w = 8; w < 13; w++) IntWrite(e[w], f);
    }
  }
  EtapFile_WriteLenAtStart(c, f);
}

void Base_SaveTo(t_Fgrs* c, FILE* f, int locationNom) {
  if (!c || !f) return;
  Fgrs_WriteHead(c, f, kEtapKindBase);
  TagWrite("Base====", f);
  Figures_SaveTo(c, f, 1, FgrsBaseLast, "    adr=", 0);
  org2_PartEtap_SaveTo(f);
  orgF_PartEtap_SaveTo(f);
  IntWrite(locationNom, f);
  EtapFile_WriteLenAtStart(c, f);
}

// Writes one part into the scratch file beside name. 0 (logged) when the open, a write or the close
// failed: the scratch file is then gone.
static int WritePart(const std::string& name, int base) {
  FILE* f = FileSave_Begin(name);
  if (!f) {
    LogInfo("\nSaveEtapFail: not open %s", name.c_str());
    return 0;
  }
  if (base)
    Base_SaveTo(&Fgrs, f, EtapLocationNom);
  else
    Etap_SaveTo(&Fgrs, f);
  if (!FileSave_Close(f, name)) {
    LogInfo("\nSaveEtapFail: not written %s", name.c_str());
    return 0;
  }
  return 1;
}

// Both parts are written beside their names and read back as a load reads them; only a stage the
// game will load replaces the files (each kept as its name + "_bak").
int Etap_Save(const std::string& name) {
  if (EtapLocationNom < 1 || EtapLocationNom > 99) {
    LogInfo("\nSaveEtapFail: no current location for %s", name.c_str());
    return 0;
  }
  const std::string loc = name + IntToStrZero(EtapLocationNom, 2);
  if (!WritePart(name, 1)) return 0;
  if (!WritePart(loc, 0)) {
    FileSave_Drop(name);
    return 0;
  }
  if (!Stage_ReadBack(FileSave_ScratchName(name), FileSave_ScratchName(loc), EtapLocationNom)) {
    LogInfo("\nSaveEtapFail: %s would not load again; the previous files are kept", name.c_str());
    FileSave_Drop(name);
    FileSave_Drop(loc);
    return 0;
  }
  if (!FileSave_Commit(name)) {
    LogInfo("\nSaveEtapFail: not written %s", name.c_str());
    FileSave_Drop(loc);
    return 0;
  }
  if (!FileSave_Commit(loc)) {
    LogInfo("\nSaveEtapFail: not written %s", loc.c_str());
    return 0;
  }
  return 1;
}
