// Stage writers: the part head, the figure chunk's tail (movement values, index list, extra record,
// land floors), the location and base parts, and the whole-stage save with its backup.
#include <cstring>

#include "figures/land.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "figures/stage_scratch.h"
#include "gm/org_base.h"
#include "shell/binfile.h"
#include "shell/file_save.h"
#include "shell/log.h"
#include "shell/text.h"

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

// One floor as a land block, gathered and written whole; figure numbers always as for a location.
// The cells are gathered as typed words: byte stores would let every store alias the floor, and
// the loop would read the floor's fields again after each one.
static void LandBlock_SaveTo(const LandFloor* fl, FILE* f) {
  StageLandBlock& blk = StageIo.landBlock;
  memcpy(blk.head, "LandChar", 8);
  blk.cols = blk.rows = kLandSide;
  const int kNone = Fgr_NomForLink(nullptr, 1);
  const LandKle* kle = fl->kle;
  const uint8_t* deco = fl->decoLoad;
  constexpr int kCursorShift = 8 * offsetof(LandKle, cursor);
  for (int i = 0; i < kLandCells; i++) {
    const LandKle& k = kle[i];
    uint32_t w0;
    memcpy(&w0, &k.tile, 4);  // word 0 exactly as it lies in memory ...
    // ... except a cursor kind that only a load's decoration gave the cell.
    if (deco[i] && k.cursor == deco[i]) w0 &= ~(0xFFu << kCursorShift);
    StageLandCell& c = blk.cell[i];
    c.h = k.height;
    c.occ = k.occupant ? Fgr_NomForLink(k.occupant, 1) : kNone;  // most cells hold no figure
    c.hold = k.holder ? Fgr_NomForLink(k.holder, 1) : kNone;
    memcpy(c.w0, &w0, 4);
  }
  memcpy(blk.tail, "LandEnd;", 8);
  fwrite(&blk, 1, sizeof blk, f);
}

int Fgr_HasLandBlocks(const Fgr* f) {
  return f->Status() == fgrLandHolder && f->landSurf && f->landUnder;
}

void priv_FgrExtra_SaveTo(Fgr* pF, FILE* ff, int forLocation) {
  if (!pF || !ff) return;
  int paf[6];
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 2; j++) paf[2 * i + j] = pF->Paf[i][j];
  unsigned char head[8 + sizeof paf];
  memcpy(head, "Fgr#Paf=", 8);
  memcpy(head + 8, paf, sizeof paf);
  fwrite(head, 1, sizeof head, ff);
  int n = pF->IndKlv < 0 ? 0 : (pF->IndKlv > 12 ? 12 : pF->IndKlv);  // the record holds 12
  int ind[12];
  for (int i = 0; i < n; i++) ind[i] = (int)pF->Ind[i];
  ListWrite(ff, "Fgr#Ind=", nullptr, 0, 1, n, ind);
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
  int* s = Sides.SideTab[k];
  switch (s[kSideBunker]) {
    case fgrHasBunker:
      s[kSideEner] = 200;
      s[kSideMat] = 50;
      s[kSideGem3] = 1;
      break;
    case fgrNatBunker:
      s[SideBlockValue(kSideTagNat, 1)] = 0;
      s[kSideEner] = 150;
      s[kSideMat] = 60;
      s[kSideGem4] = 1;
      break;
    case fgrAngBunker:
      s[SideBlockValue(kSideTagAng, 1)] = 1;
      s[SideBlockValue(kSideTagAng, 2)] = 4;
      s[kSideEner] = 800;
      s[kSideMat] = 100;
      s[kSideGem2] = 1;
      TechEntry_SetDefault(Side_Tech(k, 0));
      break;
    case fgrAkdBunker:
      s[SideBlockValue(kSideTagAkd, 3)] = 99;
      s[kSideEner] = 200;
      s[kSideMat] = 50;
      s[kSideGem1] = 1;
      break;
    case fgrNekBunker:
      s[SideBlockValue(kSideTagNek, 1)] = 0;
      s[kSideEner] = 150;
      s[kSideMat] = 60;
      s[kSideGem4] = 1;
      break;
    default: break;
  }
  s[kSideBunkerSetA] = 3;
  s[kSideBunkerSetB] = 3;
}

// Writes the count of live figures in slots first..last, then each with its tag and number. The
// count is known before the figures: no seek back breaks the part's bytes into several writes.
static void Figures_SaveTo(t_Fgrs* c, FILE* f, int first, int last, const char* tag, int forLocation) {
  int count = 0;
  for (int i = first; i <= last; i++) count += c->mf[i].Status() != 0;
  IntWrite(count, f);
  for (int i = first; i <= last; i++) {
    Fgr* p = &c->mf[i];
    if (!p->Status()) continue;
    unsigned char head[12];
    int nom = forLocation ? i - FgrsBaseLast : i;
    memcpy(head, tag, 8);
    memcpy(head + 8, &nom, 4);
    fwrite(head, 1, sizeof head, f);
    p->SaveTo(f, forLocation);
  }
}

// "_Teh" and t in four digits: the tag of technology t (0..9999).
static void TechTag(unsigned char* at, int t) {
  memcpy(at, "_Teh", 4);
  for (int d = 7; d >= 4; d--, t /= 10) at[d] = (unsigned char)('0' + t % 10);
}

void Etap_SaveTo(t_Fgrs* c, FILE* f) {
  if (!c || !f) return;
  Fgrs_WriteHead(c, f, kEtapKindLocation);
  TagWrite("Etap====", f);
  Figures_SaveTo(c, f, FgrsBaseLast + 1, kFgrsSlots - 1, "    ofs=", 1);
  // Each side record is gathered and written whole: its values, then its technologies of three
  // tagged groups (76 bytes each).
  unsigned char* buf = StageIo.sideOut;
  for (int k = 0; k < kSides; k++) {
    Side_SetSaveDefaults(k);
    const int* s = Sides.SideTab[k];
    memcpy(buf, StrFmt("WSIDE=%02d", k).c_str(), 8);
    memcpy(buf + 8, &s[kSideValueFirst], kSideValueCount * 4);
    for (int t = 0; t < kSideTechs; t++) {
      const int* e = &s[kSideTech0 + kTechWords * t];
      unsigned char* p = buf + 8 + kSideValueCount * 4 + 76 * t;
      TechTag(p, t);
      memcpy(p + 8, e, 3 * 4);
      memcpy(p + 20, "_TehReq:", 8);
      memcpy(p + 28, e + 3, 5 * 4);
      memcpy(p + 48, "_TDeAct:", 8);
      memcpy(p + 56, e + 8, 5 * 4);
    }
    fwrite(buf, 1, sizeof StageIo.sideOut, f);
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
  FILE* f = FileSave_Begin(name, kFileSaveAsked);  // Etap_Save's FileSave_CheckAll asked it
  if (!f) {
    StageReq.EtapFail = {FileSave_Failure().name, FileSave_Failure().why};
    LogInfo("\nSaveEtapFail: not open %s", name.c_str());
    return 0;
  }
  // The part reaches the disk in large writes, its length word patched after them.
  setvbuf(f, StageIo.gStageFileBuf, _IOFBF, sizeof StageIo.gStageFileBuf);
  if (base) Base_SaveTo(&Fgrs, f, StageReq.EtapLocationNom);
  else Etap_SaveTo(&Fgrs, f);
  if (!FileSave_Close(f, name)) {
    StageReq.EtapFail = {FileSave_Failure().name, FileSave_Failure().why};
    LogInfo("\nSaveEtapFail: not written %s", name.c_str());
    return 0;
  }
  return 1;
}

// Both parts are written beside their names and read back as a load reads them; only a stage the
// game will load replaces the files (each kept as its name + "_bak").
int Etap_Save(const std::string& name) {
  if (StageReq.EtapLocationNom < 1 || StageReq.EtapLocationNom > 99) {
    StageReq.EtapFail = {name, "no current location"};
    LogInfo("\nSaveEtapFail: no current location for %s", name.c_str());
    return 0;
  }
  const std::string loc = name + IntToStrZero(StageReq.EtapLocationNom, 2);
  // Both parts are looked at before anything is made: each may be written, and they are two files.
  const std::string parts[2] = {name, loc};
  if (!FileSave_CheckAll(parts, 2)) {
    StageReq.EtapFail = {FileSave_Failure().name, FileSave_Failure().why};
    LogInfo("\nSaveEtapFail: not open %s", name.c_str());
    return 0;
  }
  if (!WritePart(name, 1)) {
    FileSave_Drop(loc);  // a failed save leaves no scratch file beside the stage
    return 0;
  }
  if (!WritePart(loc, 0)) {
    FileSave_Drop(name);
    return 0;
  }
  if (!Stage_ReadBack(FileSave_ScratchName(name), FileSave_ScratchName(loc), StageReq.EtapLocationNom)) {
    StageReq.EtapFail = {name, "it would not load again; the previous files are kept"};
    LogInfo("\nSaveEtapFail: %s would not load again; the previous files are kept", name.c_str());
    FileSave_Drop(name);
    FileSave_Drop(loc);
    return 0;
  }
  // Both parts replace their files together, or neither does.
  if (!FileSave_CommitAll(parts, 2)) {
    StageReq.EtapFail = {FileSave_Failure().name, FileSave_Failure().why};
    LogInfo("\nSaveEtapFail: not written %s", name.c_str());
    return 0;
  }
  return 1;
}
