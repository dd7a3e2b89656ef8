// Item and unit records: pools, counters, bonus tables, filter stages and their file chunks.
#include <cstddef>
#include <cstring>

#include "figures/records.h"
#include "figures_fixture.h"

using RecordsTest = FiguresTest;

// The records' bytes as the stage tools and the start-up log line know them: packed without gaps.
TEST_F(RecordsTest, RecordLayoutIsPackedWithoutGaps) {
  EXPECT_EQ(sizeof(t_item), 518u);
  EXPECT_EQ(sizeof(t_UNIT), 1442u);
  EXPECT_EQ(sizeof(Sta), 172u);
  EXPECT_EQ(sizeof(FKu), 298u);
  EXPECT_EQ(sizeof(FKuEntry), 14u);
  EXPECT_EQ(sizeof(FBu), 616u);
  const size_t item[] = {offsetof(t_item, isUse), offsetof(t_item, name), offsetof(t_item, fz),
                         offsetof(t_item, sta), offsetof(t_item, fku)};
  const size_t itemPart[] = {8, 12, 36, 48, 220};
  const size_t unit[] = {offsetof(t_UNIT, isUse), offsetof(t_UNIT, mortal), offsetof(t_UNIT, name),
                         offsetof(t_UNIT, fz),    offsetof(t_UNIT, cnt),    offsetof(t_UNIT, fku),
                         offsetof(t_UNIT, fbu)};
  const size_t unitPart[] = {8, 12, 28, 48, 60, 528, 826};
  for (int i = 0; i < 5; i++) EXPECT_EQ(item[i], itemPart[i]) << i;
  for (int i = 0; i < 7; i++) EXPECT_EQ(unit[i], unitPart[i]) << i;
  // Every field of a record that lies off its natural alignment in the pool is still read and
  // written whole (the sanitizer build checks the accesses).
  for (int i : {1, 2, 3}) {
    t_UNIT* u = UN_PoolAt(i);
    BoeCnt_Set(&u->cnt, 1, 50, 100, 0, 200);
    BoeCnt_ClampAll(&u->cnt);
    FKu_Add(&u->fku, 3, 2, -40, 0, 1, 50, 2);
    FKu_AddAllToFBu(&u->fku, &u->fbu, 0);
    EXPECT_EQ(BoeCnt_Get(&u->cnt, 2), 100);
    EXPECT_EQ(u->fbu.e[0].value, 1);  // mode 1 copies the value 1
    EXPECT_EQ(u->fbu.count, 1);
    t_item* t = item_PoolAt(i);
    FKu_Add(&t->fku, 1, 1, -7, 0, 0, 60, 1);
    EXPECT_EQ(t->fku.e[0].value, -7);
  }
}

TEST_F(RecordsTest, PoolsHandOutFromOneRoundRobinAndNeverTheEmptyRecord) {
  t_item* first = item_New();
  ASSERT_EQ(first, item_PoolAt(1));  // index 0 is never handed out
  EXPECT_EQ(first->isUse, 1);
  EXPECT_EQ(item_New(), item_PoolAt(2));
  first->isUse = 0;  // freed: not reused until the cursor comes round
  EXPECT_EQ(item_New(), item_PoolAt(3));

  for (int i = 0; i < kRecPool - 1; i++) ASSERT_NE(UN_New(), nullptr) << i;
  EXPECT_EQ(UN_New(), nullptr);
  EXPECT_EQ(UN_PoolAt(0)->isUse, 0);
  UN_PoolAt(4321)->isUse = 0;
  EXPECT_EQ(UN_New(), UN_PoolAt(4321));
  EXPECT_EQ(UN_New(), nullptr);

  // Exhaustion leaves the figure on the shared empty record, which nobody writes.
  Fgr f;
  EXPECT_EQ(Fgr_ExtraAlloc(&f, UN_ind1), 0);
  EXPECT_EQ(f.UN, empty_UN_adr());
  Fgr_SetItemName(&f, "Nobody");
  UN_MakeRandomName(&f, 1);
  EXPECT_EQ(empty_UN_adr()->isUse, 0);
  EXPECT_EQ(empty_UN_adr()->name[0], 0);
  EXPECT_EQ(Fgr_ExtraAlloc(&f, 7), 0);
}

TEST_F(RecordsTest, TakingARecordPreparesItButKeepsTheFreeWordsAndFBu) {
  // Every record taken but 9, which still holds a previous owner's values.
  for (int i = 1; i < kRecPool; i++) UN_PoolAt(i)->isUse = 1;
  UN_PoolAt(9)->isUse = 0;
  UN_PoolAt(9)->ExpRang = 2;
  UN_PoolAt(9)->zap0 = 77;
  UN_PoolAt(9)->fbu.count = 2;
  UN_PoolAt(9)->cnt.T[1] = 40;
  t_UNIT* r = UN_New();
  ASSERT_EQ(r, UN_PoolAt(9));
  EXPECT_EQ(r->ExpRang, 0);
  EXPECT_EQ(r->cnt.T[1], 0);
  EXPECT_EQ(r->zap0, 77);
  EXPECT_EQ(r->fbu.count, 2);
  EXPECT_EQ(r->fku.count, 0);
  EXPECT_EQ(r->fku.e[0].n, 1);
}

// BoeCnt_Set writes six words of a channel pair and nothing else, at the indices of the counter
// layout: values 1..38, the maximum's lower and upper limit of pair (o, o+1) at 39+o and 40+o,
// the bases at 78+o and 79+o. Rows for the first, a middle and the last pair.
TEST_F(RecordsTest, CounterSetWritesTheSixWordsOfItsPair) {
  const struct {
    int c, now, max, low, high;
    struct {
      int at, value;
    } words[6];
  } kSets[] = {
      // a max below 1 stores now; limits outside their range take the max as given (here 0)
      {1, 80, 0, 0, 0, {{1, 80}, {2, 80}, {40, 0}, {41, 0}, {79, 80}, {80, 80}}},
      {5, 10, 20, 30, 15, {{5, 10}, {6, 20}, {44, 20}, {45, 20}, {83, 10}, {84, 20}}},
      {19, 60, 120, 100, 200, {{19, 60}, {20, 120}, {58, 100}, {59, 200}, {97, 60}, {98, 120}}},
      {37, 5, 9, 6, 12, {{37, 5}, {38, 9}, {76, 6}, {77, 12}, {115, 5}, {116, 9}}},
  };
  for (const auto& r : kSets) {
    BoeCounters T{};
    ASSERT_EQ(BoeCnt_Set(&T, r.c, r.now, r.max, r.low, r.high), 1) << r.c;
    int want[117] = {};
    for (const auto& w : r.words) want[w.at] = w.value;
    for (int i = 0; i < 117; i++) EXPECT_EQ(T.T[i], want[i]) << "channel " << r.c << " word " << i;
  }
  BoeCounters T{};
  EXPECT_EQ(BoeCnt_Set(&T, 4, 10, 0, 0, 0), 0);  // an even channel
  EXPECT_EQ(BoeCnt_Set(&T, 3, 0, 0, 0, 0), 0);   // now below 1
  EXPECT_EQ(BoeCnt_Set(&T, 39, 1, 0, 0, 0), 0);  // no channel
}

TEST_F(RecordsTest, CounterArithmetic) {
  BoeCounters T{};
  BoeCnt_Set(&T, 5, 80, 0, 0, 0);
  BoeCnt_Set(&T, 19, 60, 120, 100, 200);

  EXPECT_EQ(BoeCnt_KanOf(&T, 39), 1);
  EXPECT_EQ(BoeCnt_KanOf(&T, 115), 1);
  EXPECT_EQ(BoeCnt_KanOf(&T, 53), 15);
  EXPECT_EQ(BoeCnt_KanOf(&T, 76), 0);
  EXPECT_EQ(BoeCnt_KanOf(&T, 10000), 0);

  // now is clamped to 0..max, the max to its limits
  BoeCnt_AddNow(&T, 19, 500, 0);
  EXPECT_EQ(T.T[19], 120);
  BoeCnt_AddNow(&T, 19 + 38, 1000, 1);  // an influence index of the same channel
  EXPECT_EQ(T.T[19], 0);
  BoeCnt_AddMax(&T, 20, 500, 1, 0);
  EXPECT_EQ(T.T[20], 200);
  EXPECT_EQ(T.T[98], 200);
  BoeCnt_AddMax(&T, 20, 500, 0, 1);
  EXPECT_EQ(T.T[20], 100);
  BoeCnt_AddMax(&T, 19, 5, 0, 0);  // odd channel: not a maximum, nothing happens
  EXPECT_EQ(T.T[19], 0);
  EXPECT_EQ(BoeCnt_SetNow(&T, 19, 150), 100);
  EXPECT_EQ(BoeCnt_SetNow(&T, 20, 5), 0);
  EXPECT_EQ(BoeCnt_SetMax(&T, 20, 150, 1), 150);
  EXPECT_EQ(BoeCnt_Base(&T, 20), 150);
  EXPECT_EQ(BoeCnt_Get(&T, 39), 0);
  EXPECT_TRUE(BoeCnt_HasLimit(&T, 19));
  EXPECT_FALSE(BoeCnt_HasLimit(&T, 0));

  T.T[1] = -4;
  T.T[2] = 10;
  T.T[3] = 30;
  T.T[4] = 20;
  BoeCnt_ClampAll(&T);
  EXPECT_EQ(T.T[1], 0);
  EXPECT_EQ(T.T[3], 20);
  EXPECT_EQ(T.T[81], 20);
  T.T[80] = 7;
  BoeCnt_MaxFromBase(&T);
  EXPECT_EQ(T.T[2], 7);
}

TEST_F(RecordsTest, TableAddsRefuseOutOfRangeAndFullTables) {
  FKu k;
  FKu_ResetTable(&k);
  EXPECT_EQ(FKu_Add(&k, 53, 1, 5, 0, 0, 50, 1), 0);
  EXPECT_EQ(FKu_Add(&k, 3, 4, 5, 0, 0, 50, 1), 0);
  EXPECT_EQ(FKu_Add(&k, 3, 1, 5, 0, 0, 50, 0), 0);
  ASSERT_EQ(FKu_Add(&k, 3, 1, 5, 7, 0, 300, 1), 1);
  EXPECT_EQ(k.e[0].percent, 100);
  EXPECT_EQ(k.e[0].ofStart, 1);
  for (int i = 1; i < kFKuMax; i++) ASSERT_EQ(FKu_Add(&k, 1, 2, i, 0, 0, 50, 1), 1);
  EXPECT_EQ(FKu_Add(&k, 1, 2, 9, 0, 0, 50, 1), 0);
  EXPECT_EQ(k.count, kFKuMax);

  Sta s;
  Sta_ResetTable(&s);
  EXPECT_EQ(Sta_Add(&s, 0, 5, 0, 0, 0), 0);
  EXPECT_EQ(Sta_Add(&s, 10000, 5, 0, 0, 0), 0);
  EXPECT_EQ(Sta_Add(&s, 9999, 5, 3, 0, 1), 1);
  EXPECT_EQ(s.e[0].subtract, 1);

  // kinds 2 and 3 go into FBu, a mode of 1 makes the copy's value 1, a full FBu refuses
  FBu b;
  FBu_Clear(&b);
  EXPECT_EQ(FKu_AddAllToFBu(&k, &b, 0), kFKuMax - 1);
  EXPECT_EQ(b.e[0].kind, 2);
  FKuEntry e;
  FKu_Reset(&e);
  e.channel = 1;
  e.kind = 3;
  e.value = 40;
  e.mode = 1;
  ASSERT_EQ(FBu_AddFromFKu(&b, &e), 1);
  EXPECT_EQ(b.e[b.count - 1].value, 1);
  while (b.count < kFBuMax) ASSERT_EQ(FBu_AddFromFKu(&b, &e), 1);
  EXPECT_EQ(FBu_AddFromFKu(&b, &e), 0);

  FBu hp;
  FBu_Clear(&hp);
  FBu_AddHpPreset1(&hp);
  ASSERT_EQ(hp.count, 6);
  EXPECT_EQ(hp.e[0].value, -52);
  EXPECT_EQ(hp.e[2].channel, 5);
  EXPECT_EQ(hp.e[3].kind, 3);
  EXPECT_EQ(hp.e[5].value, 10);
}

TEST_F(RecordsTest, FilterStagesRollWithinTheirRangeAndTakePercentagesInFloatingPoint) {
  for (int i = 0; i < 300; i++) {
    int v = FKu_RollValue(100, 50);
    ASSERT_GE(v, 50);
    ASSERT_LE(v, 100);
    v = FKu_RollValue(100, 1);
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 100);
  }
  EXPECT_EQ(FKu_RollValue(100, 100), 100);
  EXPECT_EQ(FKu_RollValue(0, 50), 0);

  BoeFilter.BoeVal = 20;
  BoeFilter.BoeValStart = 20;
  Boe_AccumAdd(100, 1, 1.0f);  // 100 % of the start value
  EXPECT_EQ(BoeFilter.BoeVal, 40);
  BoeFilter.BoeValStart = 30;
  BoeFilter.BoeVal = 0;
  Boe_AccumAdd(50, 1, 1.0f);  // 50 % of 30 is 15, not 0
  EXPECT_EQ(BoeFilter.BoeVal, 15);

  FKu k;
  FKu_ResetTable(&k);
  FKu_Add(&k, 3, 1, 100, 1, 0, 100, 1);  // +100 % of the start value on channel 3
  FKu_Add(&k, 5, 1, 100, 0, 0, 100, 1);  // another channel: not applied
  BoeFilter.BoeKan = 3;
  BoeFilter.BoeVal = 12;
  FKu_ApplyScaled(&k, 0.5f);
  EXPECT_EQ(BoeFilter.BoeVal, 18);
}

namespace {
FILE* Scratch() { return tmpfile(); }
long Size(FILE* f) {
  fseek(f, 0, SEEK_END);
  return ftell(f);
}
}  // namespace

TEST_F(RecordsTest, UnitChunkWritesOnlyFilledEntriesAndReadsThemBackInOrder) {
  t_UNIT* u = UN_New();
  u->mortal = 1;
  u->ExpRang = 2;
  std::strcpy(u->name, "Гуфьмов");
  u->fz[2] = 1.5f;
  for (int o = 1; o < 38; o += 2) BoeCnt_Set(&u->cnt, o, o * 10, o * 20, o * 15, o * 30);
  FKu_ResetTable(&u->fku);
  u->fku.e[0] = {5, 0, 1, 1, 40, 1, 1, 0};
  u->fku.e[5] = {-7, 1, 3, 2, 50, 0, 2, 0};
  u->fku.e[9] = {9, 0, 15, 1, 100, 0, 3, 0};
  u->fku.count = 10;
  FBu_Clear(&u->fbu);
  FKuEntry e = u->fku.e[5];
  FBu_AddFromFKu(&u->fbu, &e);

  FILE* f = Scratch();
  ASSERT_NE(f, nullptr);
  UN_SaveTo(u, f);
  // the FKu count word says 3 whatever the table's count said
  rewind(f);
  std::string all(Size(f), '\0');
  rewind(f);
  ASSERT_EQ(fread(all.data(), 1, all.size(), f), all.size());
  size_t at = all.find("Fgr#FKu>");
  ASSERT_NE(at, std::string::npos);
  int count;
  std::memcpy(&count, all.data() + at + 8, 4);
  EXPECT_EQ(count, 3);

  t_UNIT* back = UN_New();
  rewind(f);
  ASSERT_EQ(UN_LoadFrom(back, f), 1);
  EXPECT_EQ(back->isUse, 1);
  EXPECT_EQ(back->mortal, 1);
  EXPECT_EQ(back->ExpRang, 2);
  EXPECT_STREQ(back->name, "Гуфьмов");
  EXPECT_EQ(back->fz[2], 1.5f);
  EXPECT_EQ(std::memcmp(back->cnt.T, u->cnt.T, sizeof(u->cnt.T)), 0);
  ASSERT_EQ(back->fku.count, 3);
  EXPECT_EQ(back->fku.e[0].channel, 1);
  EXPECT_EQ(back->fku.e[1].value, -7);
  EXPECT_EQ(back->fku.e[1].mode, 1);
  EXPECT_EQ(back->fku.e[2].channel, 15);
  EXPECT_EQ(back->fku.e[2].kind, 3);
  ASSERT_EQ(back->fbu.count, 1);
  EXPECT_EQ(back->fbu.e[0].value, 1);
  EXPECT_EQ(back->fbu.e[0].kind, 2);
  fclose(f);
}

TEST_F(RecordsTest, ItemChunkRoundTripAndReaderRangeRules) {
  t_item* it = item_New();
  std::strcpy(it->name, "Gun");
  Sta_Add(&it->sta, 1, 25, 0, 1, 0);
  Sta_Add(&it->sta, 9999, 25, 0, 0, 0);  // accepted here, dropped when read back
  Sta_Add(&it->sta, 3, 9000, 0, 0, 0);   // value above 8000: dropped too
  FKu_Add(&it->fku, 2, 1, 4, 0, 0, 30, 2);
  FILE* f = Scratch();
  item_SaveTo(it, f);
  rewind(f);
  t_item* back = item_New();
  ASSERT_EQ(item_LoadFrom(back, f), 1);
  EXPECT_STREQ(back->name, "Gun");
  ASSERT_EQ(back->sta.count, 3);
  EXPECT_EQ(back->sta.e[0].id, 1);
  EXPECT_EQ(back->sta.e[0].gunStage, 1);
  EXPECT_EQ(back->sta.e[1].id, 0);
  EXPECT_EQ(back->sta.e[2].id, 0);
  EXPECT_EQ(back->fku.e[0].n, 2);
  fclose(f);

  // An FBu entry of kind 1 reads back as an empty entry inside the count.
  f = Scratch();
  fwrite("Fgr#FBu>", 1, 8, f);
  int words[] = {1};
  fwrite(words, 4, 1, f);
  fwrite(" =->", 1, 4, f);
  int entry[6] = {12, 3, 1, 50, 0, 1};
  fwrite(entry, 4, 6, f);
  rewind(f);
  FBu b;
  ASSERT_EQ(FBu_LoadFrom(&b, f), 1);
  EXPECT_EQ(b.count, 1);
  EXPECT_EQ(b.e[0].channel, 0);
  fclose(f);
}

TEST_F(RecordsTest, ReadersKeepTheInUseFlagTerminateTheNameAndStopAtTheEnd) {
  t_item src{};
  src.isUse = 0;  // a file that claims the record is free
  std::memset(src.name, 'x', sizeof(src.name));
  Sta_ResetTable(&src.sta);
  FKu_ResetTable(&src.fku);
  FILE* f = Scratch();
  item_SaveTo(&src, f);
  long full = Size(f);
  rewind(f);
  t_item* r = item_New();
  ASSERT_EQ(item_LoadFrom(r, f), 1);
  EXPECT_EQ(r->isUse, 1);
  EXPECT_EQ(std::strlen(r->name), 15u);

  // Read into the shared empty record (pool exhausted): consumed, the empty record untouched.
  rewind(f);
  ASSERT_EQ(item_LoadFrom(empty_item_adr(), f), 1);
  EXPECT_EQ(ftell(f), full);
  EXPECT_EQ(empty_item_adr()->name[0], 0);

  // Every truncation of the chunk answers 0 and never hangs.
  std::string bytes(full, '\0');
  rewind(f);
  ASSERT_EQ(fread(bytes.data(), 1, full, f), (size_t)full);
  fclose(f);
  for (long cut = 0; cut < full; cut += 3) {
    FILE* g = Scratch();
    fwrite(bytes.data(), 1, cut, g);
    rewind(g);
    EXPECT_EQ(item_LoadFrom(r, g), 0) << cut;
    fclose(g);
  }

  // A huge count in a short file stops at the end.
  FILE* g = Scratch();
  fwrite("Fgr#Sta>", 1, 8, g);
  int big = 0x7FFFFFFF;
  fwrite(&big, 4, 1, g);
  rewind(g);
  Sta s;
  EXPECT_EQ(Sta_LoadFrom(&s, g), 0);
  EXPECT_EQ(s.count, 0);
  fclose(g);
}

// The counter chunk as the format lays it out: tag, count 19, then per pair o = 1, 3, ..., 37 the
// separator and T[o], T[o+1], T[39+o], T[40+o], T[78+o], T[79+o]. A twentieth pair is read and
// dropped.
TEST_F(RecordsTest, CountersChunkLayoutAndSurplusPair) {
  BoeCounters T{};
  BoeCnt_Set(&T, 37, 5, 9, 6, 12);
  T.T[1] = 7;
  FILE* f = Scratch();
  BoeCounters_SaveTo(&T, f);
  ASSERT_EQ(Size(f), 8 + 4 + 19 * 28);
  std::string b(8 + 4 + 19 * 28, '\0');
  rewind(f);
  ASSERT_EQ(fread(b.data(), 1, b.size(), f), b.size());
  fclose(f);
  auto word = [&](size_t at) {
    int v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
  };
  EXPECT_EQ(b.substr(0, 8), "Fgr#Cnt>");
  EXPECT_EQ(word(8), 19);
  EXPECT_EQ(b.substr(12, 4), " =->");
  EXPECT_EQ(word(16), 7);  // pair 1/2 first
  EXPECT_EQ(b.substr(12 + 18 * 28, 4), " =->");
  const int last[6] = {5, 9, 6, 12, 5, 9};  // pair 37/38: now, max, low, high, base now, base max
  for (int k = 0; k < 6; k++) EXPECT_EQ(word(16 + 18 * 28 + 4 * k), last[k]) << k;

  // Read back from a chunk of 20 pairs whose every word is 100 * pair + k, then one more word.
  std::string chunk = "Fgr#Cnt>";
  auto put = [&](int v) { chunk.append(reinterpret_cast<const char*>(&v), 4); };
  put(20);
  for (int pair = 1; pair <= 20; pair++) {
    chunk += " =->";
    for (int k = 0; k < 6; k++) put(100 * pair + k);
  }
  put(-1);
  f = Scratch();
  fwrite(chunk.data(), 1, chunk.size(), f);
  rewind(f);
  BoeCounters back{};
  back.T[0] = 3;  // the reader clears the whole table first
  ASSERT_EQ(BoeCounters_LoadFrom(&back, f), 1);
  const struct {
    int at, value;
  } kRead[] = {{0, 0},     {1, 100},    {2, 101},    {40, 102},  {41, 103},
               {79, 104},  {80, 105},   {37, 1900},  {38, 1901}, {76, 1902},
               {77, 1903}, {115, 1904}, {116, 1905}, {39, 0},    {78, 0}};
  for (const auto& r : kRead) EXPECT_EQ(back.T[r.at], r.value) << r.at;
  int after = 0;
  ASSERT_EQ(fread(&after, 4, 1, f), 1u);
  EXPECT_EQ(after, -1);  // the twentieth pair was consumed
  fclose(f);
}
