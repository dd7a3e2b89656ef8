// Property tables: every property found by name, number and address alike, with its flags,
// start values, clamp ranges and read-only marks.
#include <cstring>
#include <set>
#include <string>

#include "figures_fixture.h"

namespace {

using PropertyTablesTest = FiguresTest;

TEST_F(PropertyTablesTest, EveryIntPropertyNameNumberAddressAndValueAgree) {
  Fgr* f = Make(20);
  std::set<std::string> names;
  for (int n = 1; n <= 216; n++) {
    const char* name = Fgr_Int_NameVar(n);
    ASSERT_NE(name, nullptr) << n;
    EXPECT_TRUE(names.insert(name).second) << name;
    int type = -1;
    char* adr = FgrEd_AdrFromName(f, name, type);
    ASSERT_EQ(adr, (char*)Fgr_Int_Adr(f, n)) << name;
    EXPECT_EQ(type, 1);
    *Fgr_Int_Adr(f, n) = 1000 + n;
    int v = 0;
    Fgr_Int_Val(f, n, v);
    EXPECT_EQ(v, 1000 + n);
    int tip = 0, ignorSb = 0, visp = 0, spec = 0;
    ASSERT_EQ(Fgr_Int_AnFlags(n, tip, ignorSb, visp, spec), 1);
    EXPECT_EQ(tip, 1);
    EXPECT_EQ(ignorSb, n == 19 ? 1 : 0) << n;
    EXPECT_EQ(visp, (n <= 18 && n % 2 == 0) ? 3 : 0) << n;
    int ro = -1;
    Fgr_Int_ReadOnly(n, ro);
    bool wantRo = (n <= 17 && n % 2 == 1) || n == 19 || n == 22 || n == 23;
    EXPECT_EQ(ro, wantRo ? 1 : 0) << n;
    int a = 0, b = 0;
    EXPECT_EQ(Fgr_Int_TramVals(n, a, b), 0);
    EXPECT_EQ(Fgr_Int_InitVal(n, a), 0);
  }
  // The names sit on their own fields.
  EXPECT_EQ(Fgr_Int_Adr(f, 19), &f->nom);
  EXPECT_EQ(Fgr_Int_Adr(f, 20), &f->status);
  EXPECT_EQ(Fgr_Int_Adr(f, 216), &f->zap030);
  EXPECT_STREQ(Fgr_Int_NameVar(2), "Sub_UseGun_max");
  EXPECT_EQ(Fgr_Int_NameVar(0), nullptr);
  EXPECT_EQ(Fgr_Int_NameVar(217), nullptr);
  EXPECT_EQ(Fgr_Int_Adr(f, 217), nullptr);
  EXPECT_EQ(Fgr_Int_Adr(nullptr, 5), nullptr);
  int ro = 0;
  Fgr_Int_ReadOnly(217, ro);
  EXPECT_EQ(ro, 1);
}

TEST_F(PropertyTablesTest, EveryFloatPropertyNameNumberAddressAndValueAgree) {
  Fgr* f = Make(20);
  for (int n = 1; n <= 56; n++) {
    const char* name = Fgr_Flo_NameVar(n);
    ASSERT_NE(name, nullptr) << n;
    int type = -1;
    ASSERT_EQ(FgrEd_AdrFromName(f, name, type), (char*)Fgr_Flo_Adr(f, n)) << name;
    EXPECT_EQ(type, 2);
    *Fgr_Flo_Adr(f, n) = 0.5f * n;
    float v = 0;
    Fgr_Flo_Val(f, n, v);
    EXPECT_EQ(v, 0.5f * n);
    int ro = -1;
    Fgr_Flo_ReadOnly(n, ro);
    EXPECT_EQ(ro, 0);
    float lo = -1, hi = -1;
    EXPECT_EQ(Fgr_Flo_TramVals(n, lo, hi), n == 1 ? 1 : 0) << n;
  }
  EXPECT_EQ(Fgr_Flo_Adr(f, 1), &f->floX);
  EXPECT_EQ(Fgr_Flo_Adr(f, 56), &f->zaf020);
  float lo = 0, hi = 0, step = 0, iv = 0;
  ASSERT_EQ(Fgr_Flo_TramVals(1, lo, hi), 1);
  EXPECT_FLOAT_EQ(lo, 0.15f);
  EXPECT_FLOAT_EQ(hi, 105.0f);
  EXPECT_EQ(Fgr_Flo_TramVals(2, lo, hi), 0);
  ASSERT_EQ(Fgr_Flo_Adv(1, step), 1);
  EXPECT_FLOAT_EQ(step, 0.2f);
  ASSERT_EQ(Fgr_Flo_InitVal(1, iv), 1);
  EXPECT_EQ(iv, 2.0f);
  ASSERT_EQ(Fgr_Flo_InitVal(10, iv), 1);
  EXPECT_EQ(iv, 1.0f);
  EXPECT_EQ(Fgr_Flo_InitVal(11, iv), 0);
  int tip = 0, ignorSb = 0, visp = 0, spec = 0;
  ASSERT_EQ(Fgr_Flo_AnFlags(12, tip, ignorSb, visp, spec), 1);
  EXPECT_EQ(tip, 2);
  EXPECT_EQ(visp, 1);
  visp = 9;
  EXPECT_EQ(Fgr_Flo_AnFlags(57, tip, ignorSb, visp, spec), 0);
  EXPECT_EQ(visp, 9);

  int type = 5;
  EXPECT_EQ(FgrEd_AdrFromName(f, "svZero", type), nullptr);
  EXPECT_EQ(type, 0);
  EXPECT_EQ(FgrEd_AdrFromName(f, "P_FireTarg", type), nullptr);
  EXPECT_EQ(FgrEd_AdrFromName(f, "Status", type), nullptr);  // case counts
  EXPECT_NE(FgrEd_AdrFromName(f, "status", type), nullptr);
  EXPECT_EQ(type, 1);
}

TEST_F(PropertyTablesTest, LinksAndChainsByNumber) {
  Fgr* f = Make(101);
  Fgr* t = Make(20);
  f->P_FireTarg = t;
  f->P_PrepZak2 = t;
  f->P2_UseCar = t;
  EXPECT_EQ(Fgr_Po1_pFgr(f, 1), t);
  EXPECT_EQ(Fgr_Po1_pFgr(f, 10), t);
  EXPECT_EQ(Fgr_Po2_pFgr(f, 3), t);
  EXPECT_STREQ(Fgr_Po1_NameVar(8), "P_Guest");
  EXPECT_STREQ(Fgr_Po2_NameVar(2), "P2_UseSuit");
  EXPECT_STREQ(Fgr_Sub_NameVar(9), "P2_Sub_Kno");
  int ro = 0;
  Fgr_Po1_ReadOnly(3, ro);
  EXPECT_EQ(ro, 1);
  Fgr_Sub_ReadOnly(3, ro);
  EXPECT_EQ(ro, 0);
  int tip = 0, ignorSb = 0, visp = 0, spec = 0;
  Fgr_Po1_AnFlags(5, tip, ignorSb, visp, spec);
  EXPECT_EQ(tip, 3);
  EXPECT_EQ(visp, 2);
  Fgr_Sub_AnFlags(1, tip, ignorSb, visp, spec);
  EXPECT_EQ(tip, 5);
}

TEST_F(PropertyTablesTest, KindNamesAndShownNames) {
  EXPECT_STREQ(fgrXName(0), "errIndex");
  EXPECT_STREQ(fgrXName(113), "SquadHolder");
  EXPECT_STREQ(fgrXName(215), "AkdBunkerSea");
  EXPECT_STREQ(fgrXName(12), "?");
  Fgr* holder = Make(113);
  EXPECT_STREQ(Fgr_ItemNameText(holder), "SquadHolder");
  Fgr* u = Make(112);
  Fgr_SetItemName(u, "Rex");
  EXPECT_STREQ(Fgr_ItemNameText(u), "Rex");
}

}  // namespace
