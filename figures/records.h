// Item and unit records: the extra records of item and unit figures, their pools, the combat
// counters, the three bonus tables and the file chunks they are saved in.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

class Fgr;

constexpr int kBoeChannels = 38;             // channels 1..38: odd "now", even "max"
constexpr int kBoeBlock = kBoeChannels + 1;  // three blocks, index 0 of each unused
constexpr int kBoeWords = 3 * kBoeBlock;
constexpr int kBoeLimit =
    kBoeBlock;  // pair (o, o+1): lower limit of its max at kBoeLimit + o, upper at + 1
constexpr int kBoeBase = 2 * kBoeBlock;  // base of channel c at kBoeBase + c
constexpr int kStaMax = 21;
constexpr int kFKuMax = 21;
constexpr int kFBuMax = 51;
constexpr int kRecPool = 7000;  // index 0 is never handed out

// The records and their tables lie without gaps, byte for byte as the stage tools know them. An FKu
// entry is 14 bytes, so in a pool of records most 32-bit fields lie off their natural alignment:
// those fields are Unaligned, four bytes read and written by value (a pointer or reference into
// one is a pointer to bytes, never a misaligned int*). 16-bit fields always lie on even bytes.
template <class T>
struct Unaligned {
  unsigned char b[sizeof(T)];
  Unaligned() = default;
  Unaligned(T v) { *this = v; }
  operator T() const {
    T v;
    memcpy(&v, b, sizeof v);
    return v;
  }
  Unaligned& operator=(T v) {
    memcpy(b, &v, sizeof v);
    return *this;
  }
  Unaligned& operator+=(T d) { return *this = T(*this) + d; }
  Unaligned& operator-=(T d) { return *this = T(*this) - d; }
  T operator++(int) {
    T old = *this;
    *this = old + 1;
    return old;
  }
};
using i32u = Unaligned<int32_t>;
using f32u = Unaligned<float>;

// A unit's combat counters: values 1..38, limits of the maxima 39..77, bases 78..116.
struct BoeCounters {
  i32u T[kBoeWords];
};

struct StaEntry {
  uint16_t id;  // channel or influence index 1..9998; 0 = empty
  uint16_t value;
  uint8_t subtract, gunStage, midStage, cls;
};
struct Sta {
  i32u count;
  StaEntry e[kStaMax];
};

struct FKuEntry {
  i32u value;
  uint16_t mode;     // 1: the applied copy's value is 1
  uint16_t channel;  // 0 = empty
  uint16_t n;
  uint8_t percent;  // 1..100: lower end of the random roll
  uint8_t ofStart;  // value is a percentage of the value at the start of the stage
  uint8_t kind;     // 1 applied directly, 2 and 3 copied into a unit's FBu
  uint8_t cls;
};
struct FKu {
  i32u count;
  FKuEntry e[kFKuMax];
};

struct FBuEntry {
  i32u value;
  uint16_t channel;
  uint16_t n;
  uint8_t percent;
  uint8_t ofStart;
  uint16_t kind;  // 2 or 3
};
struct FBu {
  FBuEntry e[kFBuMax];
  i32u count;
};

// Item record: int words 0..8 (2 in-use, 3..6 the name), float words 9..11, Sta, FKu.
struct t_item {
  i32u zap0, zap1;
  i32u isUse;
  char name[16];
  i32u zap7, zap8;
  f32u fz[3];
  Sta sta;
  FKu fku;
};

// Unit record: int words 0..11 (2 in-use, 3 mortal, 4 rank, 5 area rank, 6 stealth, 7..10 name),
// float words 12..14, counters, FKu, FBu.
struct t_UNIT {
  i32u zap0, zap1;
  i32u isUse;
  i32u mortal;
  i32u ExpRang;  // the rank: 1, 2, 3 ...; 0 none
  i32u rangAura;
  i32u stealthOk;
  char name[16];
  i32u zap11;
  f32u fz[3];
  BoeCounters cnt;
  FKu fku;
  FBu fbu;
};

static_assert(sizeof(((t_item*)nullptr)->name) == 16 && sizeof(((t_UNIT*)nullptr)->name) == 16);
static_assert(sizeof(StaEntry) == 8 && sizeof(Sta) == 172);
static_assert(sizeof(FKuEntry) == 14 && sizeof(FKu) == 298);
static_assert(sizeof(FBuEntry) == 12 && sizeof(FBu) == 616);
static_assert(sizeof(t_item) == 518 && sizeof(t_UNIT) == 1442);

// Which extra record a kind needs (fgrIndexUnitOrItem).
constexpr int UN_ind1 = 1;
constexpr int item_ind2 = 2;

// --- pools
t_item* item_New();
t_UNIT* UN_New();
// A pool record that starts as a copy of src (in use whatever src says): null when the pool is full.
// Cheaper than a new record overwritten afterwards, which clears what the copy then replaces.
t_item* item_NewCopy(const t_item* src);
t_UNIT* UN_NewCopy(const t_UNIT* src);
t_item* empty_item_adr();
t_UNIT* empty_UN_adr();
int Fgr_ExtraAlloc(Fgr* pF, int which);
void Records_ResetPools();  // every record free, both cursors 1 (start state; tests)
int item_PoolCursor();
int UN_PoolCursor();
t_item* item_PoolAt(int i);  // null outside 0..6999
t_UNIT* UN_PoolAt(int i);

// --- names
void Fgr_SetItemName(Fgr* pF, const std::string& name);
void UN_MakeRandomName(Fgr* pF, int ask);

// --- counters
int BoeCnt_Set(BoeCounters* T, int c, int now, int max, int low, int high);
void BoeCnt_Clamp(BoeCounters* T, int c);
int BoeCnt_HasLimit(const BoeCounters* T, int c);
int BoeCnt_KanOf(const BoeCounters* T, int kv);
void BoeCnt_AddNow(BoeCounters* T, int kv, int amount, int negate);
void BoeCnt_AddMax(BoeCounters* T, int kv, int amount, int copyToBase, int negate);
int BoeCnt_SetNow(BoeCounters* T, int c, int v);
int BoeCnt_SetMax(BoeCounters* T, int c, int v, int copyToBase);
int BoeCnt_Base(const BoeCounters* T, int c);
int BoeCnt_Get(const BoeCounters* T, int c);
void BoeCnt_MaxFromBase(BoeCounters* T);
void BoeCnt_ClampAll(BoeCounters* T);
void BoeCounters_Clear(BoeCounters* T);

// --- tables
int Sta_Add(Sta* t, uint16_t id, uint16_t value, uint8_t subtract, uint8_t gunStage, uint8_t midStage);
void Sta_EntryClear(StaEntry* e);
void Sta_ResetTable(Sta* t);
int FKu_Add(FKu* t, int channel, int kind, int value, int ofStart, uint16_t mode, int percent, int n);
void FKu_Reset(FKuEntry* e);
void FKu_ResetTable(FKu* t);
int FKu_EntryKind(FKuEntry* e);
void FBu_Clear(FBu* t);
int FBu_AddFromFKu(FBu* t, const FKuEntry* e);
int FKu_AddAllToFBu(FKu* k, FBu* b, int classFilter);
void FBu_AddHpPreset1(FBu* t);
void FBu_AddHpPreset2(FBu* t);
void FBu_AddHpPreset3(FBu* t);

// --- filter stages (the value being filtered by a hit)
struct t_BoeFilter {
  int BoeVal;
  int BoeValStart;
  int BoeKan;
};
extern t_BoeFilter BoeFilter;
int FKu_RollValue(int value, int percent);
void Boe_AccumAdd(int value, int ofStart, float factor);
void FKu_ApplyScaled(FKu* t, float factor);
void FBu_ApplyKind2(FBu* t);
void FBu_ApplyKind3(FBu* t);

// --- file chunks. Readers answer 1, or 0 when the stream ended inside the chunk (the caller
// refuses the file). The record readers cut a stored name to 15 characters; nameEnds, when given,
// learns whether the stored name ended in a zero inside its 16 bytes.
void item_SaveTo(const t_item* r, FILE* f);
int item_LoadFrom(t_item* r, FILE* f, int* nameEnds = nullptr);
void UN_SaveTo(const t_UNIT* r, FILE* f);
int UN_LoadFrom(t_UNIT* r, FILE* f, int* nameEnds = nullptr);
void Sta_SaveTo(const Sta* t, FILE* f);
int Sta_LoadFrom(Sta* t, FILE* f);
void FKu_SaveTo(const FKu* t, FILE* f);
int FKu_LoadFrom(FKu* t, FILE* f);
void FBu_SaveTo(const FBu* t, FILE* f);
int FBu_LoadFrom(FBu* t, FILE* f);
void BoeCounters_SaveTo(const BoeCounters* T, FILE* f);
int BoeCounters_LoadFrom(BoeCounters* T, FILE* f);
