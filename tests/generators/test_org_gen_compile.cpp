// The expected header of the small named-variable table, compiled and run: catches template slips
// (a missing semicolon, a macro that does not expand) that comparing texts alone would not.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "shell/binfile.h"

static void IntRead(int& v, FILE* f) { IntRead(static_cast<void*>(&v), f); }
static void FloRead(float& v, FILE* f) { FloRead(static_cast<void*>(&v), f); }

// Its own namespace: the real tables of the game share these names.
namespace small {
typedef unsigned short WORD;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wwrite-strings"
#include "generators/org_small_golden.h"
#pragma GCC diagnostic pop
}  // namespace small

using namespace small;

TEST(OrgCompiled, NumbersAndReferences) {
  EXPECT_EQ(org2::Last, 62);
  EXPECT_EQ(orgF::Last, 57);
  EXPECT_EQ(sizeof(org2n) / sizeof(org2n[0]), 63u);
  o2::GamePause = 5;
  EXPECT_EQ(org2n[7], 5);
  o3::Quarter = 0.75f;
  EXPECT_FLOAT_EQ(orgFn[7], 0.75f);
  EXPECT_EQ(org2_out(0), 1);
  EXPECT_EQ(org2_out(62), 0);
  EXPECT_EQ(org2_out(63), 1);
  EXPECT_EQ(orgF_out(57), 0);
  EXPECT_EQ(orgF_out(58), 1);
}

TEST(OrgCompiled, TablesByNumber) {
  int ro = 7;
  org2_ReadOnly(7, ro);
  EXPECT_EQ(ro, 1);
  org2_ReadOnly(9, ro);
  EXPECT_EQ(ro, 0);
  ro = 7;
  org2_ReadOnly(100, ro);  // out of range: untouched
  EXPECT_EQ(ro, 7);

  int a = -1, b = -1;
  EXPECT_EQ(org2_TramVals(7, a, b), 1);
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 10);
  a = b = -1;
  EXPECT_EQ(org2_TramVals(9, a, b), 0);
  EXPECT_EQ(a, -1);
  float fa = 0, fb = 0;
  EXPECT_EQ(orgF_TramVals(4, fa, fb), 1);
  EXPECT_FLOAT_EQ(fa, 0.009f);
  EXPECT_FLOAT_EQ(fb, 0.5f);
  EXPECT_EQ(orgF_TramVals(5, fa, fb), 0);

  int blok = 0, tip = 0, etap = 0, visp = 0;
  EXPECT_EQ(org2_AnFlags(12, blok, tip, etap, visp), 1);
  EXPECT_EQ(blok, 2);
  EXPECT_EQ(tip, 1);
  EXPECT_EQ(etap, 1);
  EXPECT_EQ(visp, 3);
  EXPECT_EQ(orgF_AnFlags(3, blok, tip, etap, visp), 1);
  EXPECT_EQ(tip, 2);
  EXPECT_EQ(visp, 2);
  blok = 99;
  EXPECT_EQ(org2_AnFlags(8, blok, tip, etap, visp), 0);  // no variable of that number
  EXPECT_EQ(blok, 99);

  EXPECT_STREQ(org2_Koment1(7), "// Pause \"of the game\"");
  EXPECT_EQ(org2_Koment1(9), nullptr);
  EXPECT_STREQ(org2_Koment2(9), "//   note");
  EXPECT_STREQ(org2_NameVar(12), "q");
  EXPECT_EQ(org2_NameVar(0), nullptr);
  EXPECT_STREQ(orgF_NameVar(3), "Tenth");
  EXPECT_STREQ(org2_NameClr(7), "rrqrrqrrq");
  EXPECT_EQ(org2_NameClr(9), nullptr);

  EXPECT_EQ(org2_Adv(7), 0);  // read-only
  EXPECT_EQ(org2_Adv(9), 3);
  float step = 0;
  EXPECT_EQ(orgF_Adv(7, step), 1);
  EXPECT_FLOAT_EQ(step, 0.5f);
  EXPECT_EQ(orgF_Adv(5, step), 0);
}

TEST(OrgCompiled, StagePartRoundTripAndClearing) {
  FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  o2::GamePause = 1;
  o2::q = -4;
  o3::Quarter = 0.25f;
  o2::Speed = 8;  // not saved with the stage
  org2_PartEtap_SaveTo(f);
  orgF_PartEtap_SaveTo(f);
  EXPECT_EQ(std::ftell(f), 12);
  org2_Init();
  orgF_Init();
  EXPECT_EQ(o2::Speed, 0);
  std::rewind(f);
  EXPECT_EQ(org2_PartEtap_LoadFr(f), 1);
  EXPECT_EQ(orgF_PartEtap_LoadFr(f), 1);
  EXPECT_EQ(o2::GamePause, 1);
  EXPECT_EQ(o2::q, -4);
  EXPECT_FLOAT_EQ(o3::Quarter, 0.25f);
  EXPECT_EQ(o2::Speed, 0);
  std::fclose(f);
  EXPECT_EQ(org2_PartEtap_LoadFr(nullptr), 0);
  org2_PartEtap_SaveTo(nullptr);  // nothing, no crash
}
