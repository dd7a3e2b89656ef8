// Item and unit records: pools, counter arithmetic, bonus tables, filter stages and file chunks.
#include "figures/records.h"

#include <cstring>

#include "gm/fgr.h"
#include "shell/binfile.h"
#include "shell/random.h"

static_assert(kBoeChannels == boe_counters_Last, "the counter channels are the generated ones");
static_assert(sizeof(BoeCounters) == 117 * sizeof(int), "three blocks of 39 words");

namespace {

struct RecordPools {
  t_item items[kRecPool];
  t_UNIT units[kRecPool];
  int itemCursor = 1;
  int unitCursor = 1;
  // The shared empty records: never handed out, never written.
  t_item emptyItem;
  t_UNIT emptyUnit;
  // A chunk read without a record of its own lands here and is dropped.
  t_item scratchItem;
  t_UNIT scratchUnit;
};
RecordPools gPools;

int NextPoolIndex(int i) { return i >= kRecPool - 1 ? 1 : i + 1; }

// Finds a free record from the cursor round robin; -1 when every usable record is taken.
template <class R>
int TakeIndex(R* pool, int& cursor) {
  if (cursor < 1 || cursor >= kRecPool) cursor = 1;
  for (int look = 0; look < kRecPool; look++) {
    if (!pool[cursor].isUse) {
      int got = cursor;
      cursor = NextPoolIndex(cursor);
      return got;
    }
    cursor = NextPoolIndex(cursor);
  }
  return -1;
}

}  // namespace

t_BoeFilter BoeFilter;

// ---------------------------------------------------------------- pools

t_item* item_New() {
  int i = TakeIndex(gPools.items, gPools.itemCursor);
  if (i < 0) return nullptr;
  t_item* r = &gPools.items[i];
  r->zap1 = 0;
  memset(r->name, 0, sizeof(r->name));
  r->zap7 = 0;
  r->fz[1] = 0.0f;
  Sta_ResetTable(&r->sta);
  FKu_ResetTable(&r->fku);
  r->isUse = 1;
  return r;
}

t_UNIT* UN_New() {
  int i = TakeIndex(gPools.units, gPools.unitCursor);
  if (i < 0) return nullptr;
  t_UNIT* r = &gPools.units[i];
  r->zap1 = 0;
  r->mortal = r->ExpRang = r->rangAura = r->stealthOk = 0;
  memset(r->name, 0, sizeof(r->name));
  r->fz[1] = 0.0f;
  BoeCounters_Clear(&r->cnt);
  FKu_ResetTable(&r->fku);  // FBu is rebuilt by the unit's upkeep every frame
  r->isUse = 1;
  return r;
}

// A free record of the pool taking src whole: nothing to clear when every word is overwritten.
template <typename R>
R* TakeCopy(R* pool, int& cursor, const R* src) {
  int i = TakeIndex(pool, cursor);
  if (i < 0) return nullptr;
  R* r = &pool[i];
  *r = *src;
  r->isUse = 1;
  return r;
}

t_item* item_NewCopy(const t_item* src) { return TakeCopy(gPools.items, gPools.itemCursor, src); }
t_UNIT* UN_NewCopy(const t_UNIT* src) { return TakeCopy(gPools.units, gPools.unitCursor, src); }

t_item* empty_item_adr() { return &gPools.emptyItem; }
t_UNIT* empty_UN_adr() { return &gPools.emptyUnit; }

void Records_ResetPools() {
  memset(gPools.items, 0, sizeof(gPools.items));
  memset(gPools.units, 0, sizeof(gPools.units));
  memset(&gPools.emptyItem, 0, sizeof(gPools.emptyItem));
  memset(&gPools.emptyUnit, 0, sizeof(gPools.emptyUnit));
  gPools.itemCursor = 1;
  gPools.unitCursor = 1;
}

int item_PoolCursor() { return gPools.itemCursor; }
int UN_PoolCursor() { return gPools.unitCursor; }
t_item* item_PoolAt(int i) { return i >= 0 && i < kRecPool ? &gPools.items[i] : nullptr; }
t_UNIT* UN_PoolAt(int i) { return i >= 0 && i < kRecPool ? &gPools.units[i] : nullptr; }

// ---------------------------------------------------------------- counters

static bool ChanOk(int c) { return c >= 1 && c <= kBoeChannels; }

int BoeCnt_Set(BoeCounters* T, int c, int now, int max, int low, int high) {
  if (!T || !ChanOk(c) || (c % 2) == 0 || now < 1) return 0;
  T->T[c] = now;
  T->T[c + 1] = max < 1 ? now : max;
  T->T[kBoeLimit + c] = (low >= 1 && low < max) ? low : max;
  T->T[kBoeLimit + c + 1] = (high > 0 && high > max) ? high : max;
  T->T[kBoeBase + c] = now;
  T->T[kBoeBase + c + 1] = T->T[c + 1];
  return 1;
}

void BoeCnt_Clamp(BoeCounters* T, int c) {
  if (!T || !ChanOk(c)) return;
  int v = T->T[c];
  if (c % 2) {
    if (v < 0) T->T[c] = 0;
    else if (v > T->T[c + 1]) T->T[c] = T->T[c + 1];
  } else {
    if (v < T->T[kBoeLimit + c - 1]) T->T[c] = T->T[kBoeLimit + c - 1];
    else if (v > T->T[kBoeLimit + c]) T->T[c] = T->T[kBoeLimit + c];
  }
}

int BoeCnt_HasLimit(const BoeCounters* T, int c) { return T && ChanOk(c) && T->T[kBoeLimit + c] > 0; }

int BoeCnt_KanOf(const BoeCounters*, int kv) {
  if (kv < 1 || kv > 9999) return 0;
  if (kv <= kBoeChannels) return kv;
  return kv % kBoeChannels;
}

void BoeCnt_AddNow(BoeCounters* T, int kv, int amount, int negate) {
  int c = BoeCnt_KanOf(T, kv);
  if (!T || !c || (c % 2) == 0) return;
  T->T[c] += negate ? -amount : amount;
  BoeCnt_Clamp(T, c);
}

void BoeCnt_AddMax(BoeCounters* T, int kv, int amount, int copyToBase, int negate) {
  int c = BoeCnt_KanOf(T, kv);
  if (!T || !c || (c % 2) != 0) return;
  T->T[c] += negate ? -amount : amount;
  BoeCnt_Clamp(T, c);
  if (copyToBase) T->T[kBoeBase + c] = T->T[c];
}

int BoeCnt_SetNow(BoeCounters* T, int c, int v) {
  if (!T || !ChanOk(c) || (c % 2) == 0 || v < 1) return 0;
  T->T[c] = v;
  BoeCnt_Clamp(T, c);
  return T->T[c];
}

int BoeCnt_SetMax(BoeCounters* T, int c, int v, int copyToBase) {
  if (!T || !ChanOk(c) || (c % 2) != 0 || v < 1) return 0;
  T->T[c] = v;
  BoeCnt_Clamp(T, c);
  if (copyToBase) T->T[kBoeBase + c] = T->T[c];
  return T->T[c];
}

int BoeCnt_Base(const BoeCounters* T, int c) { return T && ChanOk(c) ? int(T->T[kBoeBase + c]) : 0; }
int BoeCnt_Get(const BoeCounters* T, int c) { return T && ChanOk(c) ? int(T->T[c]) : 0; }

void BoeCnt_MaxFromBase(BoeCounters* T) {
  if (!T) return;
  for (int c = 2; c <= kBoeChannels; c += 2) T->T[c] = T->T[kBoeBase + c];
}

void BoeCnt_ClampAll(BoeCounters* T) {
  if (!T) return;
  for (int o = 1; o < kBoeChannels; o += 2) {
    if (T->T[o] < 0) T->T[o] = 0;
    else if (T->T[o] > T->T[o + 1]) T->T[o] = T->T[o + 1];
    T->T[kBoeBase + o] = T->T[o];
  }
}

void BoeCounters_Clear(BoeCounters* T) {
  if (T) memset(T->T, 0, sizeof(T->T));
}

// ---------------------------------------------------------------- tables

int Sta_Add(Sta* t, uint16_t id, uint16_t value, uint8_t subtract, uint8_t gunStage, uint8_t midStage) {
  if (!t || t->count < 0 || t->count >= kStaMax || id == 0 || id > 9999) return 0;
  StaEntry& e = t->e[t->count];
  e.id = id;
  e.value = value;
  e.subtract = subtract ? 1 : 0;
  e.gunStage = gunStage ? 1 : 0;
  e.midStage = midStage ? 1 : 0;
  e.cls = 0;
  t->count++;
  return 1;
}

void Sta_EntryClear(StaEntry* e) {
  if (e) memset(e, 0, sizeof(*e));
}

void Sta_ResetTable(Sta* t) {
  if (!t) return;
  t->count = 0;
  for (StaEntry& e : t->e) Sta_EntryClear(&e);
}

int FKu_Add(FKu* t, int channel, int kind, int value, int ofStart, uint16_t mode, int percent, int n) {
  if (!t || t->count < 0 || t->count >= kFKuMax) return 0;
  if (channel < 1 || channel > kBoeChannels || n < 1 || kind < 1 || kind > 3) return 0;
  FKuEntry& e = t->e[t->count];
  e.channel = (uint16_t)channel;
  e.kind = (uint8_t)kind;
  e.value = value;
  e.ofStart = ofStart ? 1 : 0;
  e.mode = mode;
  e.percent = (uint8_t)((percent < 1 || percent > 100) ? 100 : percent);
  e.n = (uint16_t)n;
  t->count++;
  return 1;
}

void FKu_Reset(FKuEntry* e) {
  if (!e) return;
  memset(e, 0, sizeof(*e));
  e->n = 1;
}

void FKu_ResetTable(FKu* t) {
  if (!t) return;
  t->count = 0;
  for (FKuEntry& e : t->e) FKu_Reset(&e);
}

int FKu_EntryKind(FKuEntry* e) {
  if (!e || e->n == 0 || e->channel == 0) return 0;
  if (e->percent < 1 || e->percent > 100) e->percent = 100;
  return (e->kind >= 1 && e->kind <= 3) ? e->kind : 0;
}

void FBu_Clear(FBu* t) {
  if (!t) return;
  t->count = 0;
  for (FBuEntry& e : t->e) e.channel = 0;
}

int FBu_AddFromFKu(FBu* t, const FKuEntry* src) {
  if (!t || !src || t->count < 0 || t->count >= kFBuMax) return 0;
  FKuEntry k = *src;  // the kind test may mend the percent; the caller's entry stays as it is
  int kind = FKu_EntryKind(&k);
  if (kind < 2) return 0;
  FBuEntry& e = t->e[t->count];
  e.value = k.mode == 1 ? 1 : int(k.value);
  e.channel = k.channel;
  e.n = k.n;
  e.percent = k.percent;
  e.ofStart = k.ofStart;
  e.kind = (uint16_t)kind;
  t->count++;
  return 1;
}

int FKu_AddAllToFBu(FKu* k, FBu* b, int classFilter) {
  if (!k || k->count < 1) return 0;
  int n = k->count > kFKuMax ? kFKuMax : int(k->count);
  int added = 0;
  for (int i = 0; i < n; i++) {
    if (classFilter > 0 && k->e[i].cls != classFilter) continue;
    added += FBu_AddFromFKu(b, &k->e[i]);
  }
  return added;
}

static void HpPresetAdd(FBu* t, int kind, int value, int percent) {
  static const int kHp[3] = {bcNormHP, bcCaptHP, bcTehnHP};
  for (int c : kHp) {
    FKuEntry e;
    FKu_Reset(&e);
    e.channel = (uint16_t)c;
    e.kind = (uint8_t)kind;
    e.value = value;
    e.percent = (uint8_t)percent;
    e.ofStart = 1;
    e.n = 1;
    FBu_AddFromFKu(t, &e);
  }
}

void FBu_AddHpPreset1(FBu* t) {
  if (!t) return;
  HpPresetAdd(t, 2, -52, 50);
  HpPresetAdd(t, 3, 10, 50);
}
void FBu_AddHpPreset2(FBu* t) {
  if (t) HpPresetAdd(t, 3, 40, 50);
}
void FBu_AddHpPreset3(FBu* t) {
  if (t) HpPresetAdd(t, 3, -30, 67);
}

// ---------------------------------------------------------------- filter stages

int FKu_RollValue(int value, int percent) {
  if (percent < 1 || percent > 99) return value;
  if (value == 0) return 0;
  int lo = percent == 1 ? 0 : percent;
  int r = Rand() % (101 - lo) + lo;
  if (r == 0) return 0;
  // In double, truncated toward zero: 29 % of 100 gives 28, 0.29 lying a hair below 29/100.
  return (int)(r / 100.0 * value);
}

void Boe_AccumAdd(int value, int ofStart, float factor) {
  if (value == 0) return;
  // A percentage of the start value: in floating point, or 50 % of anything would be 0.
  if (ofStart) value = (int)(value / 100.0 * BoeFilter.BoeValStart);
  BoeFilter.BoeVal += (int)(value * factor);
}

void FKu_ApplyScaled(FKu* t, float factor) {
  if (!t) return;
  BoeFilter.BoeValStart = BoeFilter.BoeVal;
  for (FKuEntry& e : t->e) {
    if (e.channel != BoeFilter.BoeKan || FKu_EntryKind(&e) != 1) continue;
    Boe_AccumAdd(FKu_RollValue(e.value, e.percent), e.ofStart, factor);
  }
}

static void FBuApplyKind(FBu* t, int kind) {
  if (!t || t->count == 0) return;
  BoeFilter.BoeValStart = BoeFilter.BoeVal;
  for (FBuEntry& e : t->e) {
    if (e.kind != kind || e.channel != BoeFilter.BoeKan) continue;
    Boe_AccumAdd(FKu_RollValue(e.value, e.percent), e.ofStart, 1.0f);
  }
}
void FBu_ApplyKind2(FBu* t) { FBuApplyKind(t, 2); }
void FBu_ApplyKind3(FBu* t) { FBuApplyKind(t, 3); }

// ---------------------------------------------------------------- file chunks

namespace {

const char kSep[4] = {' ', '=', '-', '>'};

// A record's head: its tag, its int words and its three floats, in one write.
void PutHead(const char* tag8, const int* w, int n, const f32u fz[3], FILE* f) {
  unsigned char b[8 + 4 * 12 + 4 * 3];
  float z[3] = {fz[0], fz[1], fz[2]};
  memcpy(b, tag8, 8);
  memcpy(b + 8, w, 4 * (size_t)n);
  memcpy(b + 8 + 4 * n, z, sizeof z);
  fwrite(b, 1, 8 + 4 * (size_t)n + sizeof z, f);
}

// Reads a record's head into w and fz; nothing is stored unless all of it came.
void GetHead(BinIn* in, int* w, int n, f32u fz[3]) {
  unsigned char b[8 + 4 * 12 + 4 * 3];
  if (!BinIn_Bytes(in, b, 8 + 4 * (size_t)n + 12)) return;
  float z[3];
  memcpy(w, b + 8, 4 * (size_t)n);
  memcpy(z, b + 8 + 4 * n, sizeof z);
  for (int i = 0; i < 3; i++) fz[i] = z[i];
}

// The records' int words in file order (the name text is four of them).
void ItemWords(const t_item* r, int w[9]) {
  w[0] = r->zap0;
  w[1] = r->zap1;
  w[2] = r->isUse;
  memcpy(&w[3], r->name, 16);
  w[7] = r->zap7;
  w[8] = r->zap8;
}
void ItemFromWords(t_item* r, const int w[9]) {
  r->zap0 = w[0];
  r->zap1 = w[1];
  r->isUse = w[2];
  memcpy(r->name, &w[3], 16);
  r->zap7 = w[7];
  r->zap8 = w[8];
}
void UnitWords(const t_UNIT* r, int w[12]) {
  w[0] = r->zap0;
  w[1] = r->zap1;
  w[2] = r->isUse;
  w[3] = r->mortal;
  w[4] = r->ExpRang;
  w[5] = r->rangAura;
  w[6] = r->stealthOk;
  memcpy(&w[7], r->name, 16);
  w[11] = r->zap11;
}
void UnitFromWords(t_UNIT* r, const int w[12]) {
  r->zap0 = w[0];
  r->zap1 = w[1];
  r->isUse = w[2];
  r->mortal = w[3];
  r->ExpRang = w[4];
  r->rangAura = w[5];
  r->stealthOk = w[6];
  memcpy(r->name, &w[7], 16);
  r->zap11 = w[11];
}

}  // namespace

void Sta_SaveTo(const Sta* t, FILE* f) {
  if (!t || !f) return;
  int w[kStaMax][5];
  int n = 0;
  for (const StaEntry& e : t->e) {
    if (e.id == 0) continue;
    int* p = w[n++];
    p[0] = e.id;
    p[1] = e.value;
    p[2] = e.subtract;
    p[3] = e.gunStage;
    p[4] = e.midStage;
  }
  ListWrite(f, "Fgr#Sta>", kSep, 4, 5, n, &w[0][0]);
}

int Sta_LoadFrom(Sta* t, FILE* f) {
  if (!t || !f) return 0;
  Sta_ResetTable(t);
  BinIn in = {f, nullptr};
  BinIn_List(&in, 4, 5, kStaMax, [t](int, const int* w) {
    StaEntry& e = t->e[t->count++];
    bool keep = w[0] >= 1 && w[0] <= 9998 && w[1] >= 1 && w[1] <= 8000;
    e.id = keep ? (uint16_t)w[0] : 0;
    e.value = (uint16_t)w[1];
    e.subtract = w[2] > 0;
    e.gunStage = w[3] > 0;
    e.midStage = w[4] > 0;
    e.cls = 0;
  });
  return !in.fail;
}

void FKu_SaveTo(const FKu* t, FILE* f) {
  if (!t || !f) return;
  int w[kFKuMax][7];
  int n = 0;
  for (const FKuEntry& e : t->e) {
    if (e.channel == 0) continue;
    int* p = w[n++];
    p[0] = e.value;
    p[1] = e.mode;
    p[2] = e.channel;
    p[3] = e.n;
    p[4] = e.percent;
    p[5] = e.ofStart;
    p[6] = e.kind;
  }
  ListWrite(f, "Fgr#FKu>", kSep, 4, 7, n, &w[0][0]);
}

int FKu_LoadFrom(FKu* t, FILE* f) {
  if (!t || !f) return 0;
  FKu_ResetTable(t);
  BinIn in = {f, nullptr};
  BinIn_List(&in, 4, 7, kFKuMax, [t](int, const int* w) {
    FKuEntry& e = t->e[t->count++];
    e.value = w[0];
    e.mode = (uint16_t)w[1];
    e.channel = (w[2] >= 1 && w[2] <= 9998) ? (uint16_t)w[2] : 0;
    e.n = (uint16_t)w[3];
    e.percent = (w[4] >= 1 && w[4] <= 100) ? (uint8_t)w[4] : 0;
    e.ofStart = w[5] > 0;
    if (w[6] >= 1 && w[6] <= 3) {
      e.kind = (uint8_t)w[6];
    } else {
      e.kind = 0;
      e.channel = 0;
    }
    e.cls = 0;
  });
  return !in.fail;
}

void FBu_SaveTo(const FBu* t, FILE* f) {
  if (!t || !f) return;
  int w[kFBuMax][6];
  int n = 0;
  for (const FBuEntry& e : t->e) {
    if (e.channel == 0) continue;
    int* p = w[n++];
    p[0] = e.value;
    p[1] = e.channel;
    p[2] = e.n;
    p[3] = e.percent;
    p[4] = e.ofStart;
    p[5] = e.kind;
  }
  ListWrite(f, "Fgr#FBu>", kSep, 4, 6, n, &w[0][0]);
}

int FBu_LoadFrom(FBu* t, FILE* f) {
  if (!t || !f) return 0;
  FBu_Clear(t);
  BinIn in = {f, nullptr};
  BinIn_List(&in, 4, 6, kFBuMax, [t](int, const int* w) {
    FBuEntry& e = t->e[t->count++];
    e.value = w[0];
    e.channel = (w[1] >= 1 && w[1] <= 9998) ? (uint16_t)w[1] : 0;
    e.n = (uint16_t)w[2];
    e.percent = (w[3] >= 1 && w[3] <= 100) ? (uint8_t)w[3] : 0;
    e.ofStart = w[4] > 0;
    if (w[5] == 2 || w[5] == 3) {
      e.kind = (uint16_t)w[5];
    } else {
      e.kind = 0;
      e.channel = 0;
    }
  });
  return !in.fail;
}

void BoeCounters_SaveTo(const BoeCounters* T, FILE* f) {
  if (!T || !f) return;
  int w[kBoeChannels / 2][6];
  for (int i = 0; i < kBoeChannels / 2; i++) {
    int o = 2 * i + 1;
    w[i][0] = T->T[o];
    w[i][1] = T->T[o + 1];
    w[i][2] = T->T[kBoeLimit + o];
    w[i][3] = T->T[kBoeLimit + o + 1];
    w[i][4] = T->T[kBoeBase + o];
    w[i][5] = T->T[kBoeBase + o + 1];
  }
  ListWrite(f, "Fgr#Cnt>", kSep, 4, 6, kBoeChannels / 2, &w[0][0]);
}

int BoeCounters_LoadFrom(BoeCounters* T, FILE* f) {
  if (!T || !f) return 0;
  BoeCounters_Clear(T);
  BinIn in = {f, nullptr};
  BinIn_List(&in, 4, 6, kBoeChannels / 2, [T](int i, const int* w) {
    int o = 2 * i + 1;
    T->T[o] = w[0];
    T->T[o + 1] = w[1];
    T->T[kBoeLimit + o] = w[2];
    T->T[kBoeLimit + o + 1] = w[3];
    T->T[kBoeBase + o] = w[4];
    T->T[kBoeBase + o + 1] = w[5];
  });
  return !in.fail;
}

void item_SaveTo(const t_item* r, FILE* f) {
  if (!r || !f) return;
  int w[9];
  ItemWords(r, w);
  PutHead("Fgr#item", w, 9, r->fz, f);
  Sta_SaveTo(&r->sta, f);
  FKu_SaveTo(&r->fku, f);
}

int item_LoadFrom(t_item* r, FILE* f, int* nameEnds) {
  if (!f) return 0;
  // Without a record of its own (empty pool) the chunk is read into scratch and dropped: the
  // shared empty record is never written.
  if (!r || r == empty_item_adr()) r = &gPools.scratchItem;
  int inUse = r->isUse;  // the pool owns this flag, not the file
  int w[9];
  ItemWords(r, w);
  BinIn in = {f, nullptr};
  GetHead(&in, w, 9, r->fz);
  if (nameEnds) *nameEnds = memchr(&w[3], 0, 16) != nullptr;
  ItemFromWords(r, w);
  r->isUse = inUse;
  r->name[15] = 0;
  if (in.fail) return 0;
  return Sta_LoadFrom(&r->sta, f) && FKu_LoadFrom(&r->fku, f);
}

void UN_SaveTo(const t_UNIT* r, FILE* f) {
  if (!r || !f) return;
  int w[12];
  UnitWords(r, w);
  PutHead("Fgr#unit", w, 12, r->fz, f);
  BoeCounters_SaveTo(&r->cnt, f);
  FKu_SaveTo(&r->fku, f);
  FBu_SaveTo(&r->fbu, f);
}

int UN_LoadFrom(t_UNIT* r, FILE* f, int* nameEnds) {
  if (!f) return 0;
  if (!r || r == empty_UN_adr()) r = &gPools.scratchUnit;
  int inUse = r->isUse;
  int w[12];
  UnitWords(r, w);
  BinIn in = {f, nullptr};
  GetHead(&in, w, 12, r->fz);
  if (nameEnds) *nameEnds = memchr(&w[7], 0, 16) != nullptr;
  UnitFromWords(r, w);
  r->isUse = inUse;
  r->name[15] = 0;
  if (in.fail) return 0;
  return BoeCounters_LoadFrom(&r->cnt, f) && FKu_LoadFrom(&r->fku, f) && FBu_LoadFrom(&r->fbu, f);
}
