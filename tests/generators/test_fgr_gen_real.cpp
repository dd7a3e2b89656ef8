// The shipped figure tables: the committed headers are what the generator writes from them, and
// the compiled record and tables agree with the figure model's numbering, names and flags.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "figures/fa_proc_env.h"
#include "test_fgr_gen_fixture.h"

namespace {

namespace fs = std::filesystem;

TEST(FgrReal, CommittedHeadersAreUpToDate) {
  fs::path src = TOLV_SOURCE_DIR;
  fgrtest::GenRun r("regenerate");
  for (const char* t : {"gm/__fgr_status.txt", "gm/__fgr_in.txt", "gm/__fgr_rea.txt",
                        "gm/__fgr_kombi.txt", "gm/__boe_count.txt", "uni_files/res/fa_in_end.h"})
    fs::copy_file(src / t, r.dir / t, fs::copy_options::overwrite_existing);
  r.Generate();
  // Compared whole: a mismatch means the tables or the writer changed without the headers.
  const char* regen = " is stale: run the regen target (cmake --build --preset default --target regen)";
  EXPECT_TRUE(r.pre == ReadAll(src / "gm/fa_pre.h")) << "gm/fa_pre.h" << regen;
  EXPECT_TRUE(r.fin == ReadAll(src / "gm/fa_in.h")) << "gm/fa_in.h" << regen;
  EXPECT_TRUE(r.proc == ReadAll(src / "gm/fa_proc.h")) << "gm/fa_proc.h" << regen;
}

TEST(FgrReal, Counts) {
  EXPECT_EQ(Fgr_IntPropsKlv, 216);
  EXPECT_EQ(Fgr_FloPropsKlv, 56);
  EXPECT_EQ(Fgr_Po1PropsKlv, 10);
  EXPECT_EQ(Fgr_Po2PropsKlv, 3);
  EXPECT_EQ(Fgr_SubPropsKlv, 9);
  EXPECT_EQ(fgrLast, 402);
  EXPECT_EQ(ProcFgr_Last, 58);
  EXPECT_EQ(props_Last, 10121);
  EXPECT_EQ(kombi_Negat_Last, -23);
  EXPECT_EQ(boe_counters_Last, 38);
  EXPECT_EQ(bcOrig_odd_Last, 37);
  EXPECT_EQ(bcNormHP, 1);
  EXPECT_EQ(bcPoison_, 38);
  EXPECT_EQ(kvJustUpor, 9999);
  int kv[] = {kvNormHP_Silver, kvMana_Vhod,     kvHot_Vetern, kvHotMix_Vetern, kvIce_Air,
              kvFire_Air,      kvMolni_Air,     kvPoison_Air, kvNormHP_Gold,   kvMana_Uhod,
              kvHot_Terror,    kvHotMix_Terror, kvNormHP_Doc};
  int want[] = {39, 51, 53, 55, 69, 71, 73, 75, 77, 89, 91, 93, 115};
  for (int i = 0; i < 13; i++) EXPECT_EQ(kv[i], want[i]) << i;
  // Text presets sit at their ids and read the file of their own name.
  EXPECT_EQ(txt_ZavBunker1, 9701);
  EXPECT_EQ(txt_AkdBunkerSea1, 9791);
  EXPECT_EQ(prButton1, 10121);
  EXPECT_EQ(prSkill01, 10001);
  EXPECT_EQ(prCaptainGun1, 9971);
  EXPECT_EQ(prArmor1, 9991);
  EXPECT_EQ(prBuilder1, 9411);
  EXPECT_EQ(prCaptain1, 9641);
  EXPECT_EQ(kombi_Stroitel, -1);
  EXPECT_EQ(kombi_Captain5, -14);
  EXPECT_EQ(kombi_SquadRoboKop4, -23);
  EXPECT_EQ(r_Proc_FadeTimer, 1);
  EXPECT_EQ(r_Fgr_TickWait, 33);
  EXPECT_EQ(r_Proc_RangStep, 47);
  EXPECT_EQ(r_Fgr_KillOnWaitEnd, 58);
}

TEST(FgrReal, EveryPropertyIsFoundByNameAtItsNumber) {
  static Fgr f;
  std::set<std::string> names;
  for (int n = 1; n <= Fgr_IntPropsKlv; n++) {
    const char* name = Fgr_Int_NameVar(n);
    ASSERT_NE(name, nullptr) << n;
    names.insert(name);
    int type = -1;
    EXPECT_EQ(FgrEd_AdrFromName(&f, name, type), reinterpret_cast<char*>(Fgr_Int_Adr(&f, n))) << name;
    EXPECT_EQ(type, 1) << name;
    *Fgr_Int_Adr(&f, n) = n * 7;
    int v = 0;
    Fgr_Int_Val(&f, n, v);
    EXPECT_EQ(v, n * 7);
  }
  for (int n = 1; n <= Fgr_FloPropsKlv; n++) {
    const char* name = Fgr_Flo_NameVar(n);
    ASSERT_NE(name, nullptr) << n;
    names.insert(name);
    int type = -1;
    EXPECT_EQ(FgrEd_AdrFromName(&f, name, type), reinterpret_cast<char*>(Fgr_Flo_Adr(&f, n))) << name;
    EXPECT_EQ(type, 2) << name;
  }
  EXPECT_EQ(names.size(), 216u + 56u);  // no name twice
  EXPECT_EQ(Fgr_Int_NameVar(0), nullptr);
  EXPECT_EQ(Fgr_Int_NameVar(217), nullptr);
  EXPECT_EQ(Fgr_Flo_NameVar(57), nullptr);
  EXPECT_EQ(Fgr_Int_Adr(&f, 217), nullptr);
  EXPECT_EQ(Fgr_Int_Adr(nullptr, 1), nullptr);
  int type = -1;
  EXPECT_EQ(FgrEd_AdrFromName(&f, "svZero", type), nullptr);
  EXPECT_EQ(type, 0);
  EXPECT_EQ(FgrEd_AdrFromName(&f, "P_FireTarg", type), nullptr);  // links are not found by name
  EXPECT_EQ(FgrEd_AdrFromName(&f, "status", type), reinterpret_cast<char*>(&f.status));
  EXPECT_EQ(type, 1);
  EXPECT_EQ(FgrEd_AdrFromName(&f, "floX", type), reinterpret_cast<char*>(&f.floX));
  EXPECT_EQ(type, 2);
  EXPECT_EQ(FgrEd_AdrFromName(nullptr, "floX", type), nullptr);  // no figure or no name: no type
  EXPECT_EQ(type, 0);
  type = 2;
  EXPECT_EQ(FgrEd_AdrFromName(&f, nullptr, type), nullptr);
  EXPECT_EQ(type, 0);
}

TEST(FgrReal, PropertyNumbersOfTheRecord) {
  struct {
    int n;
    const char* name;
  } ints[] = {{1, "Sub_UseGun_now"},
              {2, "Sub_UseGun_max"},
              {17, "Sub_Kno_now"},
              {18, "Sub_Kno_max"},
              {19, "nom"},
              {20, "status"},
              {21, "active"},
              {22, "novorod"},
              {23, "priv_LogIndex"},
              {26, "ProcNomMixHitBars1"},
              {28, "ProcNomUpd2"},
              {31, "ProcNomOnK"},
              {33, "isUnitWork"},
              {51, "Tex1"},
              {57, "get_RadiusVis_"},
              {66, "activateFgr"},
              {72, "isMort"},
              {104, "targPathKle"},
              {112, "PafLay"},
              {121, "kmra_statusMode"},
              {135, "kmra_Flat"},
              {138, "UnderGround"},
              {162, "BringX"},
              {173, "Kno_TMarketKlon"},
              {186, "spelCastNow"},
              {187, "zap001"},
              {216, "zap030"}};
  for (auto& e : ints) EXPECT_STREQ(Fgr_Int_NameVar(e.n), e.name) << e.n;
  struct {
    int n;
    const char* name;
  } flos[] = {{1, "floX"},
              {2, "fcr"},
              {5, "fca"},
              {6, "priv_position_x"},
              {10, "haf"},
              {19, "skoros"},
              {28, "kmra_Flat__KamScW"},
              {33, "kmra_ZFar"},
              {36, "zvfPitch"},
              {37, "zaf001"},
              {56, "zaf020"}};
  for (auto& e : flos) EXPECT_STREQ(Fgr_Flo_NameVar(e.n), e.name) << e.n;
  const char* po1[] = {"P_FireTarg", "P_AutoTarg", "P_Border", "P_Ataker1",  "P_Ataker2",
                       "P_Ataker3",  "P_TrigFrom", "P_Guest",  "P_PrepZak1", "P_PrepZak2"};
  for (int n = 1; n <= 10; n++) EXPECT_STREQ(Fgr_Po1_NameVar(n), po1[n - 1]);
  EXPECT_STREQ(Fgr_Po2_NameVar(3), "P2_UseCar");
  EXPECT_STREQ(Fgr_Sub_NameVar(1), "P2_Sub_UseGun");
  EXPECT_STREQ(Fgr_Sub_NameVar(9), "P2_Sub_Kno");

  // The link accessors index from pParent and pPrev.
  static Fgr f, a, b, c;
  f.P_Guest = &a;
  f.P_PrepZak2 = &b;
  f.P2_UseCar = &c;
  EXPECT_EQ(Fgr_Po1_pFgr(&f, 8), &a);
  EXPECT_EQ(Fgr_Po1_pFgr(&f, 10), &b);
  EXPECT_EQ(Fgr_Po2_pFgr(&f, 3), &c);
  EXPECT_EQ(Fgr_Po1_Adr(&f, 1), reinterpret_cast<char*>(&f.P_FireTarg));
  EXPECT_EQ(Fgr_Po2_Adr(&f, 2), reinterpret_cast<char*>(&f.P2_UseSuit));
  EXPECT_EQ(Fgr_Po1_pFgr(&f, 11), nullptr);
}

TEST(FgrReal, FlagsRangesAndSteps) {
  for (int n = 0; n <= 217; n++) {
    int ro = -1;
    Fgr_Int_ReadOnly(n, ro);
    bool wantRo = n < 1 || n > 216 || (n <= 18 && n % 2 == 1) || n == 19 || n == 22 || n == 23;
    EXPECT_EQ(ro, wantRo ? 1 : 0) << n;
    int tip = -1, ig = -1, visp = -1, spec = -1;
    int in = Fgr_Int_AnFlags(n, tip, ig, visp, spec);
    EXPECT_EQ(in, n >= 1 && n <= 216 ? 1 : 0) << n;
    if (!in) continue;
    EXPECT_EQ(tip, 1);
    EXPECT_EQ(ig, n == 19 ? 1 : 0) << n;
    EXPECT_EQ(visp, n <= 18 && n % 2 == 0 ? 3 : 0) << n;
    EXPECT_EQ(spec, 0);
    int a = 0, b = 0;
    EXPECT_EQ(Fgr_Int_InitVal(n, a) + Fgr_Int_TramVals(n, a, b) + Fgr_Int_Adv(n, a), 0) << n;
  }
  std::set<int> v1 = {2, 6, 12, 17, 20, 24, 28, 32}, v2 = {3, 4, 7, 8, 13, 14, 21, 22, 25, 26},
                v3 = {5, 9, 15, 18, 23, 27, 29, 33};
  for (int n = 1; n <= 56; n++) {
    int ro = -1;
    Fgr_Flo_ReadOnly(n, ro);
    EXPECT_EQ(ro, 0) << n;
    int tip = -1, ig = -1, visp = -1, spec = -1;
    ASSERT_EQ(Fgr_Flo_AnFlags(n, tip, ig, visp, spec), 1);
    EXPECT_EQ(tip, 2);
    EXPECT_EQ(ig, 0);
    EXPECT_EQ(visp, v1.count(n) ? 1 : v2.count(n) ? 2 : v3.count(n) ? 3 : 0) << n;
    float iv = -1, lo = -1, hi = -1, step = -1;
    int hasIv = Fgr_Flo_InitVal(n, iv);
    if (n == 1) {
      EXPECT_FLOAT_EQ(iv, 2.0f);
    } else if (n <= 5 || n == 10) {
      EXPECT_FLOAT_EQ(iv, 1.0f);
    } else {
      EXPECT_EQ(hasIv, 0) << n;
    }
    EXPECT_EQ(Fgr_Flo_TramVals(n, lo, hi), n == 1 ? 1 : 0) << n;
    EXPECT_EQ(Fgr_Flo_Adv(n, step), n == 1 ? 1 : 0) << n;
    if (n == 1) {
      EXPECT_FLOAT_EQ(lo, 0.15f);
      EXPECT_FLOAT_EQ(hi, 105.0f);
      EXPECT_FLOAT_EQ(step, 0.2f);
    }
  }
  int ro = -1;
  Fgr_Flo_ReadOnly(57, ro);
  EXPECT_EQ(ro, 1);
  for (int n = 1; n <= 10; n++) {
    Fgr_Po1_ReadOnly(n, ro);
    EXPECT_EQ(ro, 1);
    int tip = -1, ig = -1, visp = -1, spec = -1;
    ASSERT_EQ(Fgr_Po1_AnFlags(n, tip, ig, visp, spec), 1);
    EXPECT_EQ(tip, 3);
    EXPECT_EQ(visp, n >= 4 && n <= 6 ? n - 3 : 0) << n;
    EXPECT_NE(Fgr_Po1_Adr(reinterpret_cast<Fgr*>(&ro), n), nullptr);
  }
  for (int n = 1; n <= 3; n++) {
    int tip = -1, ig = -1, visp = -1, spec = -1;
    ASSERT_EQ(Fgr_Po2_AnFlags(n, tip, ig, visp, spec), 1);
    EXPECT_EQ(tip * 100 + ig * 10 + visp, 400);
  }
  for (int n = 1; n <= 9; n++) {
    Fgr_Sub_ReadOnly(n, ro);
    EXPECT_EQ(ro, 0);
    int tip = -1, ig = -1, visp = -1, spec = -1;
    ASSERT_EQ(Fgr_Sub_AnFlags(n, tip, ig, visp, spec), 1);
    EXPECT_EQ(tip * 100 + ig * 10 + visp, 500);
  }
  int tip = 7;
  int ig = 0, visp = 0, spec = 0;
  EXPECT_EQ(Fgr_Sub_AnFlags(10, tip, ig, visp, spec), 0);
  EXPECT_EQ(tip, 7);  // outputs untouched out of range
}

TEST(FgrReal, CommentLinesFollowTheRecordsComments) {
  auto count = [](char* (*f)(int), int last) {
    int c = 0;
    for (int n = 1; n <= last; n++) c += f(n) != nullptr;
    return c;
  };
  // Int comment lines are counted over the properties (19..216), not the chain counters.
  EXPECT_EQ(count(Fgr_Int_Kom1, 216), 111);
  EXPECT_EQ(count(Fgr_Int_KomD1, 216), 45);
  EXPECT_EQ(count(Fgr_Int_KomD2, 216), 20);
  EXPECT_EQ(count(Fgr_Int_KomD3, 216), 7);
  EXPECT_EQ(Fgr_Int_Kom1(27), nullptr);
  EXPECT_NE(Fgr_Int_KomD3(33), nullptr);
  EXPECT_EQ(Fgr_Int_Kom1(47), nullptr);
  EXPECT_NE(Fgr_Int_KomD1(47), nullptr);
  EXPECT_STREQ(Fgr_Int_Kom1(19), "// номер в масиве //Fgrs.m[nom].nom //не обнулять при Сбросе");
  EXPECT_STREQ(Fgr_Int_Kom1(21), "// если Ноль, то фигура не Рисуется и не Обновляется.");
  EXPECT_STREQ(Fgr_Flo_Kom1(2), "// F4r // RGBA");
  EXPECT_EQ(count(Fgr_Flo_Kom1, 56), 15);
  EXPECT_EQ(count(Fgr_Flo_KomD1, 56), 4);
  EXPECT_EQ(count(Fgr_Flo_KomD2, 56), 2);
  EXPECT_EQ(count(Fgr_Flo_KomD3, 56), 2);
  EXPECT_EQ(count(Fgr_Po1_Kom1, 10), 6);
  EXPECT_EQ(count(Fgr_Po1_KomD1, 10), 6);
  EXPECT_EQ(count(Fgr_Po1_KomD2, 10), 2);
  EXPECT_EQ(count(Fgr_Po1_KomD3, 10), 0);
  EXPECT_EQ(count(Fgr_Po2_Kom1, 3) * 100 + count(Fgr_Po2_KomD1, 3) * 10 + count(Fgr_Po2_KomD2, 3), 311);
  EXPECT_EQ(count(Fgr_Sub_Kom1, 9) * 100 + count(Fgr_Sub_KomD1, 9) * 10 + count(Fgr_Sub_KomD2, 9), 994);
  EXPECT_EQ(count(Fgr_Sub_KomD3, 9), 1);
  EXPECT_STREQ(Fgr_Sub_KomD1(1), "//   pSubGun");
  EXPECT_STREQ(Fgr_Sub_KomD1(2), "//   pSubKarman");
  EXPECT_STREQ(Fgr_Sub_KomD1(5), "//   good spells on unit");
  EXPECT_STREQ(Fgr_Sub_KomD1(6), "//   bad spells on unit");
  EXPECT_STREQ(Fgr_Sub_KomD2(7), "//   pSubGruz");
  EXPECT_STREQ(Fgr_Sub_KomD2(8), "//   pSubUnit");
}

TEST(FgrReal, KindNamesAndExtraRecords) {
  struct {
    int kind;
    const char* name;
  } kinds[] = {{3, "Laser"},        {4, "Boom"},           {5, "Triger"},         {6, "PultFlag"},
               {7, "GetGemX"},      {11, "KameraLayer"},   {13, "LandHolder"},    {14, "LandLosk"},
               {15, "LandDecal"},   {16, "BookZak"},       {17, "MetkaZak"},      {18, "FieldSpec"},
               {19, "Spawner"},     {20, "Dekor"},         {21, "StaticBoost"},   {22, "BoxPrize"},
               {101, "UnitGen"},    {102, "UnitDom"},      {103, "UnitRoom"},     {104, "UnitPost"},
               {111, "UnitStroi"},  {112, "UnitPeh"},      {113, "SquadHolder"},  {114, "UnitHero"},
               {201, "HasBunker"},  {202, "NatBunker"},    {203, "AngBunker"},    {204, "AkdBunker"},
               {205, "NekBunker"},  {206, "ZavBunker"},    {207, "PatBunker"},    {208, "KosBunker"},
               {209, "MrtBunker"},  {210, "MasBunker"},    {211, "ZomBunker"},    {212, "FasBunker"},
               {213, "EntBunker"},  {214, "AngBunkerRed"}, {215, "AkdBunkerSea"}, {301, "DetUnitGun"},
               {302, "DetCapiGun"}, {303, "DetUnit"},      {401, "AbilSkil"},     {402, "KnoUnit"}};
  std::set<int> units = {19, 101, 102, 103, 104, 111, 112, 114};
  for (int k = 201; k <= 215; k++) units.insert(k);
  std::set<int> items = {301, 302, 303, 401};
  std::set<int> known;
  for (auto& k : kinds) {
    EXPECT_STREQ(fgrXName(k.kind), k.name);
    EXPECT_EQ(fgrIndexUnitOrItem(k.kind), units.count(k.kind)   ? UN_ind1
                                          : items.count(k.kind) ? item_ind2
                                                                : 0)
        << k.kind;
    known.insert(k.kind);
  }
  EXPECT_EQ(known.size(), 44u);
  EXPECT_STREQ(fgrXName(0), "errIndex");
  for (int k = -1; k <= 500; k++) {
    if (k == 0 || known.count(k)) continue;
    EXPECT_STREQ(fgrXName(k), "?") << k;
  }
}

TEST(FgrReal, HitBarLabels) {
  EXPECT_STREQ(Boe_KanChars(bcNormHP), "NormHP");
  EXPECT_STREQ(Boe_KanChars(bcNormHP_), "NormHP^");
  EXPECT_STREQ(Boe_KanChars(37), "Poison");
  struct {
    int id;
    const char* label;
  } kv[] = {{39, "NormHP_Silver"}, {51, "Mana_Vhod"}, {53, "Hot_Vetern"}, {55, "HotMix_Vetern"},
            {69, "Ice_Air"},       {71, "Fire_Air"},  {73, "Molni_Air"},  {75, "Poison_Air"},
            {77, "NormHP_Gold"},   {89, "Mana_Uhod"}, {91, "Hot_Terror"}, {93, "HotMix_Terror"},
            {115, "NormHP_Doc"}};
  for (auto& e : kv) EXPECT_STREQ(Boe_KanChars(e.id), e.label);
  EXPECT_STREQ(Boe_KanChars(40), "xBoe");
  EXPECT_STREQ(Boe_KanChars(0), "xBoe");
}

// Figures taken from the container's location slots, reset before use.
Fgr* Slot(int nom) {
  Fgr* f = &Fgrs.mf[nom];
  f->nom = nom;
  f->Sbros();
  return f;
}

TEST(FgrReal, ResetKeepsTheSlotAndResetsOwnedFigures) {
  Fgr* f = Slot(601);
  Fgr* helm = Slot(602);
  Fgr* m1 = Slot(603);
  Fgr* m2 = Slot(604);
  f->status = 112;
  f->active = 1;
  f->floX = 9;
  f->zap030 = 5;
  f->zaf020 = 3;
  f->IndKlv = 4;
  f->P2_UseHelm = helm;
  helm->status = 303;
  f->P2_Sub_Kno = m1;
  m1->pTail = m2;
  m1->status = m2->status = 402;
  f->Sbros();
  EXPECT_EQ(f->nom, 601);
  EXPECT_EQ(f->status, 0);
  EXPECT_EQ(f->zap030 + f->IndKlv, 0);
  EXPECT_EQ(f->P2_UseHelm, nullptr);
  EXPECT_FLOAT_EQ(f->floX, 2.0f);
  EXPECT_FLOAT_EQ(f->fcr + f->fcg + f->fcb + f->fca, 4.0f);
  EXPECT_FLOAT_EQ(f->haf, 1.0f);
  EXPECT_FLOAT_EQ(f->zaf020, 0.0f);
  EXPECT_EQ(f->item, empty_item_adr());
  EXPECT_EQ(helm->status + m1->status + m2->status, 0);
  EXPECT_EQ(helm->nom * 10000 + m2->nom, 6020604);
  EXPECT_EQ(m1->pTail, nullptr);
}

TEST(FgrReal, DeadLinksAreClearedByTheirRule) {
  Fgr* f = Slot(611);
  Fgr* idle = Slot(612);  // live but inactive
  Fgr* dead = Slot(613);  // free slot
  idle->status = 112;
  f->status = 112;
  f->activateFgr = 1200;
  f->P_FireTarg = idle;
  f->P_PrepZak1 = idle;
  f->P2_UseSuit = dead;
  f->KillDeadLinks();
  EXPECT_EQ(f->activateFgr, 0);
  EXPECT_EQ(f->P_FireTarg, nullptr);  // needs an active figure
  EXPECT_EQ(f->P_PrepZak1, idle);     // needs only a live one
  EXPECT_EQ(f->P2_UseSuit, nullptr);

  o2::NeedExit = 0;
  f->activateFgr = 612;
  f->P2_Sub_UseKm = dead;
  f->KillDeadLinks();
  EXPECT_EQ(f->activateFgr, 612);
  EXPECT_EQ(o2::NeedExit, 1);  // a dead chain member stops the game
  o2::NeedExit = 0;
}

TEST(FgrReal, SaveAndLoadRoundTrip) {
  Fgr* f = Slot(621);
  Fgr* t = Slot(622);
  f->status = 101;
  f->zap015 = -77;
  f->rot = 1.25f;
  f->P_Guest = t;
  f->P2_Sub_Gruz = t;
  FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  f->SaveTo(file, 1);
  long size = std::ftell(file);
  // Tags, both blocks with their sentinels, 3 + 10 + 3 + 9 link words, then the chunk's tail:
  // movement values, an empty index list, no extra record, no land.
  EXPECT_EQ(size, 8 + 218 * 4 + 8 + 58 * 4 + 25 * 4 + (8 + 6 * 4) + (8 + 4) + 4 + 4);
  std::rewind(file);
  static Fgr g;
  g.LoadFrom(file, 1);
  std::fclose(file);
  EXPECT_EQ(std::memcmp(&g.svZero, &f->svZero, 218 * sizeof(int)), 0);
  EXPECT_EQ(std::memcmp(&g.floZero, &f->floZero, 58 * sizeof(float)), 0);
  EXPECT_EQ(g.P_Guest, t);
  EXPECT_EQ(g.P2_Sub_Gruz, t);
  EXPECT_EQ(g.P_FireTarg, nullptr);
}

TEST(FgrReal, DispatchSwitchesOnUnknownNumbers) {
  Fgr* f = Slot(631);
  f->status = 3;
  ProcFgr(0, f);
  ProcFgr(99, f);
  EXPECT_EQ(PropsFill(12345, f, 0), 0);
  EXPECT_EQ(f->status, 3);
  EXPECT_EQ(PropsFill(12345, f), 0);  // a failed preset clears the kind by default
  EXPECT_EQ(f->status, 0);
  EXPECT_EQ(PropsFill(props_Zero, nullptr), 0);
  EXPECT_EQ(KombiPreset(0, 1, 0), nullptr);
  EXPECT_EQ(KombiPreset(-24, 1, 0), nullptr);
}

TEST(FgrReal, ChainMemberByPlace) {
  Fgr* h = Slot(641);
  Fgr* a = Slot(642);
  Fgr* b = Slot(643);
  h->P2_Sub_Unit = a;
  a->pTail = b;
  EXPECT_EQ(Fgr_Sub_xLink_pFgr(h, 8, 1), a);
  EXPECT_EQ(Fgr_Sub_xLink_pFgr(h, 8, 2), b);
  EXPECT_EQ(Fgr_Sub_xLink_pFgr(h, 8, 3), nullptr);
  EXPECT_EQ(Fgr_Sub_xLink_pFgr(h, 7, 1), nullptr);
  EXPECT_EQ(Fgr_Sub_xLink_pFgr(nullptr, 8, 1), nullptr);
}

}  // namespace
