// Stage readers. A part is read whole into a scratch stage first (figures, their extra records, the
// land floors, the side records, the named variables), checked, and only then taken into the live
// world, so a file that is cut short or breaks a capacity changes nothing.
#include <cstring>

#include "figures/stage.h"
#include "figures/stage_scratch.h"
#include "shell/binfile.h"
#include "shell/files.h"
#include "shell/geometry.h"
#include "shell/log.h"
#include "shell/text.h"
#include "world/land.h"
#include "world/side.h"

int GameEasyLevel = 0;  // nothing sets it: figures of an easier game stay active

StageScratch* gStageRead = nullptr;

static void Fail(StageScratch* s, const char* why) {
  if (!s->fail) s->fail = why;
}

static int Cut(StageScratch* s, FILE* f) {
  if (feof(f) || ferror(f)) Fail(s, "cut short");
  return s->fail != nullptr;
}

static int GetI(StageScratch* s, FILE* f, int& v) {
  int t = 0;
  if (s->fail) return 0;
  if (IntRead(&t, f) != 1) {
    Fail(s, "cut short");
    return 0;
  }
  v = t;
  return 1;
}

static void Skip8(StageScratch* s, FILE* f) {
  char b[8];
  if (!s->fail && fread(b, 1, 8, f) != 8) Fail(s, "cut short");
}

static StageScratch gScratch;      // the stage being read
static StageScratch gScratchOne;   // a figure read on its own, outside a stage

static void ScratchClear(StageScratch* s) {
  memset(s->have, 0, sizeof s->have);
  memset(s->recKind, 0, sizeof s->recKind);
  memset(s->landFlag, 0, sizeof s->landFlag);
  s->landRead = s->sidesRead = s->orgRead = s->baseRead = s->locRead = 0;
  s->loc = 0;
  s->cur = 0;
  s->fail = nullptr;
}

StageScratch* StageScratch_Begin() {
  ScratchClear(&gScratch);
  return &gScratch;
}

int Fgrs_LoadX(t_Fgrs* c, FILE* f, unsigned kind) {
  if (!f) return 0;
  int len = 0, base = 0, klv = 0;
  unsigned k = 0;
  if (IntRead(&len, f) != 1 || UIntRead(&k, f) != 1 || IntRead(&base, f) != 1 || IntRead(&klv, f) != 1) {
    LogInfo("\nLoadEtapHead: cut short");
    return 0;
  }
  if (k != kind) {
    LogInfo("\nLoadEtapHead: kind %u, not %u", k, kind);
    return 0;
  }
  if (klv != kFgrsSlots) LogInfo("\nt_Fgrs::LoadX // klvOnSave != klvOnLoad\n");
  return 1;
}

// One land block into scratch floor fl.
static void LandBlock_LoadFrom(StageScratch* s, FILE* f, int fl) {
  int cols = 0, rows = 0;
  Skip8(s, f);
  if (!GetI(s, f, cols) || !GetI(s, f, rows)) return;
  if (cols != kLandSide || rows != kLandSide) {
    LogInfo("\nLoadEtapLand: %d x %d, not 256 x 256", cols, rows);
    Fail(s, "land block size");
    return;
  }
  static unsigned char buf[kLandCells * 16];
  if (fread(buf, 1, sizeof buf, f) != sizeof buf) {
    Fail(s, "cut short");
    return;
  }
  for (int i = 0; i < kLandCells; i++) {
    StageLandCell& c = s->land[fl][i];
    memcpy(&c.h, buf + 16 * i, 4);
    memcpy(&c.occ, buf + 16 * i + 4, 4);
    memcpy(&c.hold, buf + 16 * i + 8, 4);
    memcpy(c.w0, buf + 16 * i + 12, 4);
  }
  Skip8(s, f);
}

// The record chunk's name must end in a zero inside its 16 bytes; the record readers cut it
// silently, so the stored bytes are looked at again.
static void CheckName(StageScratch* s, FILE* f, long chunkAt, int nameAt) {
  if (s->fail) return;
  long end = ftell(f);
  char name[16];
  if (end < 0 || fseek(f, chunkAt + nameAt, SEEK_SET) != 0 || fread(name, 1, 16, f) != 16 ||
      fseek(f, end, SEEK_SET) != 0) {
    Fail(s, "cut short");
    return;
  }
  if (!memchr(name, 0, 16)) {
    LogInfo("\nLoadEtapName: record name without its end");
    Fail(s, "record name");
  }
}

void priv_FgrExtra_LoadFrom(Fgr* pF, FILE* ff, int forLocation) {
  if (!pF || !ff) return;
  StageScratch* s = gStageRead;
  bool own = !s;  // a figure read on its own takes its extras at once
  if (own) {
    s = &gScratchOne;
    ScratchClear(s);
  }
  if (Cut(s, ff)) return;
  int slot = s->cur;
  Skip8(s, ff);
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 2; j++) {
      int v = 0;
      if (GetI(s, ff, v)) pF->Paf[i][j] = (short)v;
    }
  Skip8(s, ff);
  int n = 0;
  GetI(s, ff, n);
  pF->IndKlv = n < 0 ? 0 : (n > 12 ? 12 : n);
  for (int i = 0; i < n && !s->fail; i++) {  // entries above 12 are read and dropped
    int v = 0;
    if (GetI(s, ff, v) && i < 12) pF->Ind[i] = (unsigned)v;
  }
  int sel = 0;
  GetI(s, ff, sel);
  if (s->fail) return;
  long at = ftell(ff);
  if (sel == 1) {
    if (!UN_LoadFrom(&s->un[slot], ff)) Fail(s, "cut short");
    CheckName(s, ff, at, 36);
    s->recKind[slot] = 1;
  } else if (sel == 2) {
    if (!item_LoadFrom(&s->item[slot], ff)) Fail(s, "cut short");
    CheckName(s, ff, at, 20);
    s->recKind[slot] = 2;
  } else if (sel != 0) {
    LogInfo("\nLoadEtapRecord: selector %d", sel);
    Fail(s, "record selector");
  }
  int land = 0;
  GetI(s, ff, land);
  if (land && !s->fail) {
    LandBlock_LoadFrom(s, ff, 0);
    LandBlock_LoadFrom(s, ff, 1);
    if (!s->fail) {
      s->landFlag[slot] = 1;
      s->landRead = 1;
    }
  }
  if (own && !s->fail) {
    if (s->landRead) StageScratch_TakeLand(s, &Fgrs);
    StageScratch_TakeExtras(s, slot, pF);
  }
}

// Reads one figure chunk into scratch slot (0: read and dropped).
static void Figure_LoadFrom(StageScratch* s, FILE* f, int slot, int forLocation) {
  Fgr* p = &s->fig[slot];
  memset((void*)p, 0, sizeof *p);
  p->item = empty_item_adr();
  p->UN = empty_UN_adr();
  s->recKind[slot] = 0;
  s->landFlag[slot] = 0;
  s->cur = slot;
  p->LoadFrom(f, forLocation);
  if (Cut(s, f)) return;
  if (p->status < 0 || p->status > fgrLast) {
    LogInfo("\nLoadEtapKind: figure kind %d", p->status);
    Fail(s, "figure kind");
  }
}

// Reads the figures of a part: count, then tag, number and chunk each.
static void Figures_LoadFrom(StageScratch* s, FILE* f, int forLocation) {
  int count = 0;
  Skip8(s, f);
  if (!GetI(s, f, count)) return;
  int first = forLocation ? FgrsBaseLast + 1 : 1;
  int last = forLocation ? kFgrsSlots - 1 : FgrsBaseLast;
  if (count <= 0 || count > last - first + 1) {
    LogInfo("\nLoadEtapCount: %d figures", count);
    Fail(s, "figure count");
    return;
  }
  for (int i = 0; i < count && !s->fail; i++) {
    int k = 0;
    Skip8(s, f);
    if (!GetI(s, f, k)) return;
    int slot = forLocation ? k + FgrsBaseLast : k;
    if (slot < first || slot > last || s->have[slot]) {
      LogInfo("\nLoadEtapSlot: figure number %d", k);
      Fail(s, "figure slot");
      return;
    }
    Figure_LoadFrom(s, f, slot, forLocation);
    s->have[slot] = 1;
  }
}

int StageRead_Location(StageScratch* s, FILE* f) {
  if (!Fgrs_LoadX(nullptr, f, kEtapKindLocation)) return 0;
  gStageRead = s;
  Figures_LoadFrom(s, f, 1);
  gStageRead = nullptr;
  memcpy(s->side, SideTab, sizeof s->side);
  for (int k = 0; k < kSides && !s->fail; k++) {
    int* r = s->side[k];
    Skip8(s, f);
    r[kSideTagAkd] = SideTagWord("LAkd");
    r[kSideTagAng] = SideTagWord("LAng");
    r[kSideTagHas] = SideTagWord("LHas");
    r[kSideTagNek] = SideTagWord("LNek");
    r[kSideTagNat] = SideTagWord("LNat");
    r[kSideSeenCount] = r[kSideOwnCount] = 0;
    for (int w = 602; w <= 618; w++) r[w] = 0;
    for (int w = 624; w <= 626; w++) r[w] = 0;
    for (int w = 628; w <= 630; w++) r[w] = 0;
    r[637] = r[638] = r[655] = r[664] = 0;
    // One read per side: 71 values, then 500 technologies of three tagged groups (76 bytes).
    static unsigned char buf[kSideValueCount * 4 + kSideTechs * 76];
    if (fread(buf, 1, sizeof buf, f) != sizeof buf) {
      Fail(s, "cut short");
      break;
    }
    memcpy(&r[kSideValueFirst], buf, kSideValueCount * 4);
    for (int t = 0; t < kSideTechs; t++) {
      const unsigned char* p = buf + kSideValueCount * 4 + 76 * t;
      int* e = &r[kSideTech0 + kTechWords * t];
      memcpy(e, p + 8, 3 * 4);          // after "_Teh%04d"
      memcpy(e + 3, p + 28, 5 * 4);     // after "_TehReq:"
      memcpy(e + 8, p + 56, 5 * 4);     // after "_TDeAct:"
    }
  }
  if (s->fail) return 0;
  s->sidesRead = 1;
  s->locRead = 1;
  return 1;
}

int StageRead_Base(StageScratch* s, FILE* f) {
  if (!Fgrs_LoadX(nullptr, f, kEtapKindBase)) return 0;
  gStageRead = s;
  Figures_LoadFrom(s, f, 0);
  gStageRead = nullptr;
  if (s->fail) return 0;
  // The generated readers write the live variables: read over a copy, keep the result, put the
  // live values back until the whole stage is taken.
  static_assert(sizeof s->org2 == sizeof org2n && sizeof s->orgF == sizeof orgFn);
  int keep2[sizeof org2n / sizeof org2n[0]];
  float keepF[sizeof orgFn / sizeof orgFn[0]];
  memcpy(keep2, org2n, sizeof keep2);
  memcpy(keepF, orgFn, sizeof keepF);
  int ok = org2_PartEtap_LoadFr(f) && orgF_PartEtap_LoadFr(f) && !feof(f) && !ferror(f);
  memcpy(s->org2, org2n, sizeof s->org2);
  memcpy(s->orgF, orgFn, sizeof s->orgF);
  memcpy(org2n, keep2, sizeof keep2);
  memcpy(orgFn, keepF, sizeof keepF);
  if (!ok) {
    LogInfo("\nLoadEtapOrg: named variables cut short");
    Fail(s, "named variables");
    return 0;
  }
  s->orgRead = 1;
  int loc = 0;
  if (!GetI(s, f, loc)) return 0;
  s->baseRead = 1;
  s->loc = (loc >= 1 && loc <= 99) ? loc : 0;
  return s->loc;
}

// Logs why a part was refused.
static void LogRefusal(StageScratch* s, const char* part) {
  if (s->fail) LogInfo("\nLoadEtapRefused: %s part %s", part, s->fail);
}

int Etap_LoadFrom(t_Fgrs* c, FILE* f) {
  if (!c || !f) return 0;
  StageScratch* s = StageScratch_Begin();
  if (!StageRead_Location(s, f) || !StageScratch_Check(s, c)) {
    LogRefusal(s, "location");
    return 0;
  }
  StageScratch_Commit(s, c);
  return 1;
}

int Base_LoadFrom(t_Fgrs* c, FILE* f) {
  if (!c || !f) return 0;
  StageScratch* s = StageScratch_Begin();
  int loc = StageRead_Base(s, f);
  if (!loc || !StageScratch_Check(s, c)) {
    LogRefusal(s, "base");
    return 0;
  }
  StageScratch_Commit(s, c);
  return loc;
}

int Stage_LoadPair(FILE* base, FILE* loc) {
  if (!base || !loc) return 0;
  StageScratch* s = StageScratch_Begin();
  int n = StageRead_Base(s, base);
  if (!n) {
    LogRefusal(s, "base");
    return 0;
  }
  if (!StageRead_Location(s, loc) || !StageScratch_Check(s, &Fgrs)) {
    LogRefusal(s, "location");
    return 0;
  }
  StageScratch_Commit(s, &Fgrs);
  return n;
}

int EtapFile_Load(const std::string& name) {
  FILE* base = FileOpen(name, "rb");
  if (!base) return 0;
  StageScratch* s = StageScratch_Begin();
  int n = StageRead_Base(s, base);  // the base part names the location file to read with it
  fclose(base);
  if (!n) {
    LogRefusal(s, "base");
    return 0;
  }
  std::string locName = name + IntToStrZero(n, 2);
  FILE* loc = FileOpen(locName, "rb");
  if (!loc) {
    LogInfo("\nLoadEtapFail: no location file %s", locName.c_str());
    return 0;
  }
  if (!StageRead_Location(s, loc) || !StageScratch_Check(s, &Fgrs)) {
    fclose(loc);
    LogRefusal(s, "location");
    return 0;
  }
  fclose(loc);
  StageScratch_Commit(s, &Fgrs);
  EtapLocationNom = n;
  return 1;
}

int Etap_LoadLocation(int n) {
  std::string name = StrFmt("%s.etp%02d", EtapName.c_str(), n);
  FILE* f = FileOpen(name, "rb");
  if (!f) return 0;
  int ok = Etap_LoadFrom(&Fgrs, f);
  fclose(f);
  if (!ok) return 0;
  EtapLocationNom = n;
  return 1;
}
