// Stage readers. A part is read whole into a scratch stage first (figures, their extra records, the
// land floors, the side records, the named variables), checked, and only then taken into the live
// world, so a file that is cut short or breaks a capacity changes nothing.
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <new>

#include "figures/land.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "figures/stage_scratch.h"
#include "shell/binfile.h"
#include "shell/files.h"
#include "shell/geometry.h"
#include "shell/log.h"
#include "shell/text.h"

t_StageIo StageIo;

// The two scratch stages are made when first used, zeroes first as static storage would start:
// their figure slots have constructors, and a static record's constructors run at start-up,
// writing into every page of megabytes for a load that may never come.
enum ScratchUse { kScratchStage, kScratchOne };  // the stage being read; a figure read on its own
union ScratchStore {
  constexpr ScratchStore() {}
  StageScratch s;
};
static struct {
  ScratchStore store[2];
  bool made[2];
} gScratch;

static StageScratch* Scratch(ScratchUse use) {
  if (!gScratch.made[use]) {
    new (&gScratch.store[use].s) StageScratch();
    gScratch.made[use] = true;
  }
  return &gScratch.store[use].s;
}

static void ScratchClear(StageScratch* s) {
  memset(s->have, 0, sizeof s->have);
  memset(s->recKind, 0, sizeof s->recKind);
  memset(s->landFlag, 0, sizeof s->landFlag);
  s->landRead = s->sidesRead = s->orgRead = s->baseRead = s->locRead = 0;
  s->stored[0] = s->stored[1] = 0;
  s->loc = 0;
  s->idHigh = 0;
  s->failPart = nullptr;
  s->cur = 0;
  s->in = {nullptr, nullptr};
}

StageScratch* StageScratch_Begin() {
  StageScratch* s = Scratch(kScratchStage);
  ScratchClear(s);
  return s;
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
static void LandBlock_LoadFrom(StageScratch* s, int fl) {
  int cols = 0, rows = 0;
  BinIn_Skip(&s->in, 8);
  if (!BinIn_Int(&s->in, &cols) || !BinIn_Int(&s->in, &rows)) return;
  if (cols != kLandSide || rows != kLandSide) {
    LogInfo("\nLoadEtapLand: %d x %d, not 256 x 256", cols, rows);
    BinIn_Fail(&s->in, "land block size");
    return;
  }
  // The scratch cell is laid out as the stored one: the floor is read straight into it.
  static_assert(sizeof(StageLandCell) == 16 && offsetof(StageLandCell, w0) == 12, "a cell as stored");
  if (!BinIn_Bytes(&s->in, s->land[fl], sizeof s->land[fl])) return;
  BinIn_Skip(&s->in, 8);
}

// A record chunk must come whole, and its name must end in a zero inside its 16 bytes (the record
// readers cut it silently).
static void CheckRecord(StageScratch* s, int whole, int nameEnds) {
  if (!whole) {
    BinIn_Fail(&s->in, "cut short");
  } else if (!nameEnds) {
    LogInfo("\nLoadEtapName: record name without its end");
    BinIn_Fail(&s->in, "record name");
  }
}

void priv_FgrExtra_LoadFrom(Fgr* pF, FILE* ff, int forLocation) {
  if (!pF || !ff) return;
  StageScratch* s = StageIo.gStageRead;
  bool own = !s;  // a figure read on its own takes its extras at once
  if (own) {
    s = Scratch(kScratchOne);
    ScratchClear(s);
  }
  s->in.f = ff;
  if (BinIn_Cut(&s->in)) return;
  int slot = s->cur;
  unsigned char paf[8 + 6 * 4];  // the tag, then three pairs
  if (BinIn_Bytes(&s->in, paf, sizeof paf))
    for (int i = 0; i < 6; i++) {
      int v;
      memcpy(&v, paf + 8 + 4 * i, 4);
      pF->Paf[i / 2][i % 2] = (short)v;
    }
  // The record holds 12 indices; entries above them are read and dropped.
  int n = BinIn_List(&s->in, 0, 1, 12, [pF](int i, const int* w) { pF->Ind[i] = (unsigned)w[0]; });
  pF->IndKlv = n < 0 ? 0 : (n > 12 ? 12 : n);
  int sel = 0;
  BinIn_Int(&s->in, &sel);
  if (s->in.fail) return;
  int nameEnds = 0;
  if (sel == 1) {
    int whole = UN_LoadFrom(&s->un[slot], ff, &nameEnds);
    CheckRecord(s, whole, nameEnds);
    s->recKind[slot] = 1;
  } else if (sel == 2) {
    int whole = item_LoadFrom(&s->item[slot], ff, &nameEnds);
    CheckRecord(s, whole, nameEnds);
    s->recKind[slot] = 2;
  } else if (sel != 0) {
    LogInfo("\nLoadEtapRecord: selector %d", sel);
    BinIn_Fail(&s->in, "record selector");
  }
  int land = 0;
  BinIn_Int(&s->in, &land);
  if (land && !s->in.fail) {
    LandBlock_LoadFrom(s, 0);
    LandBlock_LoadFrom(s, 1);
    if (!s->in.fail) {
      s->landFlag[slot] = 1;
      s->landRead = 1;
    }
  }
  if (own && !s->in.fail) {
    if (s->landRead) StageScratch_TakeLand(s, &Fgrs);
    StageScratch_TakeExtras(s, slot, pF);
    Stage_TakeEasyLevel(pF);
    NextId_Raise(pF->priv_LogIndex);
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
  if (BinIn_Cut(&s->in)) return;
  if (p->priv_LogIndex > s->idHigh) s->idHigh = p->priv_LogIndex;
  if (p->status < 0 || p->status > fgrLast) {
    LogInfo("\nLoadEtapKind: figure kind %d", p->status);
    BinIn_Fail(&s->in, "figure kind");
  }
}

// Reads the figures of a part: count, then tag, number and chunk each.
static void Figures_LoadFrom(StageScratch* s, FILE* f, int forLocation) {
  int count = 0;
  BinIn_Skip(&s->in, 8);
  if (!BinIn_Int(&s->in, &count)) return;
  int first = forLocation ? FgrsBaseLast + 1 : 1;
  int last = forLocation ? kFgrsSlots - 1 : FgrsBaseLast;
  if (count <= 0 || count > last - first + 1) {
    LogInfo("\nLoadEtapCount: %d figures", count);
    BinIn_Fail(&s->in, "figure count");
    return;
  }
  s->stored[forLocation ? 1 : 0] = count;
  for (int i = 0; i < count && !s->in.fail; i++) {
    unsigned char head[12];  // the tag, then the figure's number
    if (!BinIn_Bytes(&s->in, head, sizeof head)) return;
    int k;
    memcpy(&k, head + 8, 4);
    // A location numbers its figures from 1 after the base slots: the number is checked against
    // its own range before it becomes a slot, so no number wraps.
    int lo = forLocation ? 1 : first, hi = forLocation ? last - FgrsBaseLast : last;
    if (k < lo || k > hi) {
      // A figure under a number the part has no slot for is read, to keep the stream in step, into
      // the scratch slot that is never taken, and dropped; the rest of the stage loads.
      LogInfo("\nLoadEtapSlot: figure number %d is outside %d..%d, dropped", k, lo, hi);
      Figure_LoadFrom(s, f, 0, 0);
      s->recKind[0] = 0;
      continue;
    }
    int slot = forLocation ? k + FgrsBaseLast : k;
    if (s->have[slot]) {
      LogInfo("\nLoadEtapSlot: figure number %d", k);
      BinIn_Fail(&s->in, "figure slot");
      return;
    }
    Figure_LoadFrom(s, f, slot, forLocation);
    s->have[slot] = 1;
  }
  // (Whether the part keeps a figure is asked after the sweeps, by StageScratch_Check.)
}

int StageRead_Location(StageScratch* s, FILE* f) {
  if (!Fgrs_LoadX(nullptr, f, kEtapKindLocation)) return 0;
  s->in.f = f;
  StageIo.gStageRead = s;
  Figures_LoadFrom(s, f, 1);
  StageIo.gStageRead = nullptr;
  memcpy(s->side, Sides.SideTab, sizeof s->side);
  for (int k = 0; k < kSides && !s->in.fail; k++) {
    int* r = s->side[k];
    BinIn_Skip(&s->in, 8);
    r[kSideTagAkd] = SideTagWord("LAkd");
    r[kSideTagAng] = SideTagWord("LAng");
    r[kSideTagHas] = SideTagWord("LHas");
    r[kSideTagNek] = SideTagWord("LNek");
    r[kSideTagNat] = SideTagWord("LNat");
    r[kSideSeenCount] = r[kSideOwnCount] = 0;
    for (int w = kSideId; w <= kSideLevelLast; w++) r[w] = 0;
    for (int w = kSideBunker - 2; w <= kSideBunker; w++)
      r[w] = 0;  // two further values, the bunker kind
    for (int v = 1; v <= 3; v++) r[SideBlockValue(kSideTagAkd, v)] = 0;
    r[SideBlockValue(kSideTagAng, 1)] = r[SideBlockValue(kSideTagAng, 2)] = 0;
    r[SideBlockValue(kSideTagNek, 1)] = r[SideBlockValue(kSideTagNat, 1)] = 0;
    // One read per side: 71 values, then 500 technologies of three tagged groups (76 bytes).
    unsigned char* buf = StageIo.sideIn;
    if (!BinIn_Bytes(&s->in, buf, sizeof StageIo.sideIn)) break;
    memcpy(&r[kSideValueFirst], buf, kSideValueCount * 4);
    for (int t = 0; t < kSideTechs; t++) {
      const unsigned char* p = buf + kSideValueCount * 4 + 76 * t;
      int* e = &r[kSideTech0 + kTechWords * t];
      memcpy(e, p + 8, 3 * 4);       // after "_Teh%04d"
      memcpy(e + 3, p + 28, 5 * 4);  // after "_TehReq:"
      memcpy(e + 8, p + 56, 5 * 4);  // after "_TDeAct:"
    }
  }
  if (s->in.fail) return 0;
  s->sidesRead = 1;
  s->locRead = 1;
  return 1;
}

int StageRead_Base(StageScratch* s, FILE* f) {
  if (!Fgrs_LoadX(nullptr, f, kEtapKindBase)) return 0;
  s->in.f = f;
  StageIo.gStageRead = s;
  Figures_LoadFrom(s, f, 0);
  StageIo.gStageRead = nullptr;
  if (s->in.fail) return 0;
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
    BinIn_Fail(&s->in, "named variables");
    return 0;
  }
  s->orgRead = 1;
  int loc = 0;
  if (!BinIn_Int(&s->in, &loc)) return 0;
  s->baseRead = 1;
  s->loc = (loc >= 1 && loc <= 99) ? loc : 0;
  return s->loc;
}

// Logs why a part was refused, and keeps it for the user. (The check of both parts together
// names the part a refusal lies in when it lies in one.)
static void LogRefusal(StageScratch* s, const char* part) {
  if (s->failPart) part = s->failPart;
  StageReq.EtapFail.why = std::string("refused: ") +
                          (s->in.fail ? s->in.fail : "not a stage file of this game, or a broken one");
  if (s->in.fail) LogInfo("\nLoadEtapRefused: %s part %s", part, s->in.fail);
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

// A stage file opened for reading through the stage buffer: the part comes in a few large reads
// and its values are taken from memory.
static FILE* OpenPart(const std::string& name) {
  errno = 0;
  FILE* f = FileOpenRead(name);
  // A refusal of this part names it; a part that does not open says why.
  StageReq.EtapFail = {name, f ? std::string() : errno ? std::strerror(errno) : "not a plain file"};
  if (f) setvbuf(f, StageIo.gStageFileBuf, _IOFBF, sizeof StageIo.gStageFileBuf);
  return f;
}

int EtapFile_Load(const std::string& name) {
  FILE* base = OpenPart(name);
  if (!base) return 0;
  StageScratch* s = StageScratch_Begin();
  int n = StageRead_Base(s, base);  // the base part names the location file to read with it
  fclose(base);
  if (!n) {
    LogRefusal(s, "base");
    return 0;
  }
  std::string locName = name + IntToStrZero(n, 2);
  FILE* loc = OpenPart(locName);
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
  StageReq.EtapLocationNom = n;
  return 1;
}

int Etap_LoadLocation(int n) {
  std::string name = StrFmt("%s.etp%02d", StageReq.EtapName.c_str(), n);
  FILE* f = OpenPart(name);
  if (!f) return 0;
  int ok = Etap_LoadFrom(&Fgrs, f);
  fclose(f);
  if (!ok) return 0;
  StageReq.EtapLocationNom = n;
  return 1;
}

int Stage_ReadBack(const std::string& baseName, const std::string& locName, int location) {
  FILE* base = OpenPart(baseName);
  if (!base) return 0;
  StageScratch* s = StageScratch_Begin();
  int n = StageRead_Base(s, base);
  fclose(base);
  if (n != location) {
    LogRefusal(s, "base");
    return 0;
  }
  FILE* loc = OpenPart(locName);
  if (!loc) return 0;
  int ok = StageRead_Location(s, loc) && StageScratch_Check(s, &Fgrs);
  fclose(loc);
  if (!ok) LogRefusal(s, "location");
  return ok;
}
